#pragma once
// The settings file set.set: key=value lines read once at start-up by LoadSettings and
// rebuilt whole by SaveSettings.

#include <functional>
#include <string>

#include "app/hotkey.h"
#include "platform/platform.h"
#include "platform/text_file.h"

namespace vtx {

inline constexpr int kDefaultHeight = 200;
inline constexpr int kDefaultWidth = 141;

// What set.set may hold for a window's place and size. A user's monitors may lie left of or
// above the main one, so negative positions are kept; but no screen reaches beyond +-32000
// (Windows parks minimised windows at -32000), and no window is taller than 16000 pixels.
// Values beyond are brought back to these limits when read, and so when saved again.
inline constexpr int kMaxPosition = 32000;
inline constexpr int kMaxWindowHeight = 16000;

// A position read from set.set, brought within -kMaxPosition..kMaxPosition.
[[nodiscard]] int ClampPosition(int pos) noexcept;

// Every setting held while the program runs.
struct Settings {
    int hotkey = 0;
    int opacity = 0;  // 0..255 as stored; the window itself never goes below 50
    bool quickadd = false;
    bool showprogram = false;
    bool showicons = false;
    bool hae = false;  // hide after execute
    bool stayontop = false;
    bool startonstartup = false;
    bool udnavlist = false;  // off at every start
    bool coolmode = false;
    std::string theme;
    std::string lastthemeauthor;
    int top = 0;
    int left = 0;
    int height = kDefaultHeight;
    int width = kDefaultWidth;
    int f2top = 0;  // shortcut manager window
    int f2left = 0;
    int f2height = 0;
    int f2width = 0;
};

enum class StartupEntry { None, Add, Remove };

// What LoadSettings decided for the main window; the caller applies it in this order.
struct LoadedSettings {
    int window_opacity = 255;
    bool show_at_start = false;
    int item_height = 16;
    bool window_frame = false;
    StartupEntry startup_entry = StartupEntry::None;
    int window_top = 0;
    int window_left = 0;
    bool position_saved = false;  // Top or Left came from the file (else the window is placed fresh)
    int window_height = kDefaultHeight;
    int window_width = kDefaultWidth;
    // Quick-start guide, default browser and balloon are the caller's; the start-with-Windows
    // flag of the first run is already set in the settings.
    bool first_run = false;
    bool cool_mode = false;  // lay the window out in Cool mode, else in normal mode
};

struct LoadSettingsContext {
    int windows_version_code = 0;
    std::string first_parameter;
    Size work_area;
    std::string program_folder;  // ends with "\"
    // Whether Program folder + "themes\" + name exists.
    std::function<bool(const std::string&)> theme_exists;
    // The Data folder's set.set exists but could not be read: this is no first run, and the
    // start-with-Windows entry, whose stored choice is unknown, is left as it is.
    bool settings_unreadable = false;
};

// Turns the settings list into settings; never stops part-way on bad values.
[[nodiscard]] LoadedSettings LoadSettings(const Lines& settings_lines, Settings& s, HotkeyText& hotkeys,
                                          const LoadSettingsContext& ctx);

// The 23 lines of set.set, in their fixed order.
[[nodiscard]] Lines SaveSettingsLines(const Settings& s, HotkeyText& hotkeys);

// Rebuilds the settings list and writes Data folder set.set; on failure tells the user
// "ERROR! Can not save settings file!" and returns false.
bool SaveSettings(const Settings& s, Lines& settings_list, HotkeyText& hotkeys, Platform& platform,
                  const std::string& data_folder);

// Data folder set.set, else Program folder set.set. found is false when neither exists;
// data_unreadable, when given, tells whether the Data folder's file exists but could not be read.
[[nodiscard]] Lines ReadSettingsFile(Platform& platform, const std::string& data_folder,
                                     const std::string& program_folder, bool& found,
                                     bool* data_unreadable = nullptr);

}  // namespace vtx
