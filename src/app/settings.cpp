#include "app/settings.h"

#include <algorithm>

#include "platform/ascii.h"
#include "platform/trace.h"
#include "themes/theme_file.h"

namespace vtx {

namespace {

constexpr const char* kDefaultHotkey = "Win+Z";
constexpr const char* kDefaultTheme = "Default Theme.th2";
constexpr int kVistaAndLater = 8;  // Windows version code of NT 6.x
constexpr int kMinWindowOpacity = 50;
constexpr const char* kSettingsFile = "set.set";

// The integer value of a key, or nullopt when it is missing, empty or not a decimal integer
// (such a value counts as missing, so the key's default applies).
std::optional<int> IntValue(const Lines& lines, std::string_view key) {
    int n = 0;
    if (ParseInt(ValueOf(lines, key), n)) return n;
    return std::nullopt;
}

// Top or left: stored value or half the work area, and never beyond the work area.
int Position(const Lines& lines, std::string_view key, int work_extent) {
    int pos = ClampPosition(IntValue(lines, key).value_or(work_extent / 2));
    if (work_extent < pos) pos = work_extent / 2;
    return pos;
}

std::string Flag(const char* key, bool on) { return std::string(key) + (on ? "=1" : "=0"); }

}  // namespace

int ClampPosition(int pos) noexcept { return std::clamp(pos, -kMaxPosition, kMaxPosition); }

LoadedSettings LoadSettings(const Lines& lines, Settings& s, HotkeyText& hotkeys, const LoadSettingsContext& ctx) {
    Trace("Form1.LoadSettings");
    LoadedSettings out;

    const std::string hotkey = ValueOf(lines, "Hotkey");
    s.hotkey = hotkeys.ParseHotkey(hotkey.empty() ? kDefaultHotkey : hotkey);
    // Win+1 is taken by the task bar from Windows 7 on.
    if (hotkey == "Win+1" && ctx.windows_version_code == kVistaAndLater) s.hotkey = hotkeys.ParseHotkey(kDefaultHotkey);

    if (const auto opacity = IntValue(lines, "Opacity")) {
        s.opacity = *opacity & 0xFF;
        out.window_opacity = s.opacity;
    } else {
        out.window_opacity = 255;
    }
    if (out.window_opacity < kMinWindowOpacity) out.window_opacity = 255;  // never an invisible window

    s.quickadd = ValueOf(lines, "quickadd") == "1";

    s.showprogram = ValueOf(lines, "showprogram") == "1";
    out.show_at_start = s.showprogram && ctx.first_parameter != "ns";

    s.showicons = ValueOf(lines, "showicons") == "1";
    out.item_height = s.showicons ? 18 : 16;

    s.hae = ValueOf(lines, "HAE") == "1";
    s.stayontop = ValueOf(lines, "stayontop") == "1";

    const std::string startup = ValueOf(lines, "startonstartup");
    if (ctx.windows_version_code != kVistaAndLater) {
        s.startonstartup = startup != "0";
        out.startup_entry = s.startonstartup ? StartupEntry::Add : StartupEntry::Remove;
    } else if (!startup.empty()) {
        // The registry is left alone here, but the user's stored choice survives the next save.
        s.startonstartup = startup != "0";
    }

    out.window_frame = ValueOf(lines, "showwindow") == "1";

    s.coolmode = ValueOf(lines, "coolmode") == "1";

    s.lastthemeauthor = ValueOf(lines, "lastthemeauthor");

    s.theme = ValueOf(lines, "theme");
    // A bare file name inside "themes\", like the images of a theme: a path would lead out of it.
    if (s.theme.empty() || !EndsWith(s.theme, "th2") || !IsBareFileName(s.theme)) s.theme = kDefaultTheme;
    if (!ctx.theme_exists || !ctx.theme_exists(s.theme)) s.theme = ctx.program_folder + "themes\\" + kDefaultTheme;

    s.top = Position(lines, "Top", ctx.work_area.height);
    s.left = Position(lines, "Left", ctx.work_area.width);
    out.window_top = s.top;
    out.window_left = s.left;
    out.position_saved = IntValue(lines, "Top") || IntValue(lines, "Left");

    const int height = IntValue(lines, "Height").value_or(kDefaultHeight);
    s.height = height <= 0 ? kDefaultHeight : std::min(height, kMaxWindowHeight);
    out.window_height = s.height;

    s.width = kDefaultWidth;
    out.window_width = kDefaultWidth;

    out.first_run = ValueOf(lines, "firstrun") != "0" && !ctx.settings_unreadable;
    if (ctx.settings_unreadable) out.startup_entry = StartupEntry::None;
    // Saved as on at shutdown, unless the settings found say "0": a set.set that an installer
    // left in the Program folder when "Start Vantrix when Windows starts" was not ticked.
    if (out.first_run && startup != "0") s.startonstartup = true;

    out.cool_mode = s.coolmode;
    return out;
}

Lines SaveSettingsLines(const Settings& s, HotkeyText& hotkeys) {
    using std::to_string;
    return {
        "program=vtx",
        "firstrun=0",
        "theme=" + s.theme,
        "lastthemeauthor=" + s.lastthemeauthor,
        "top=" + to_string(s.top),
        "left=" + to_string(s.left),
        "height=" + to_string(s.height),
        "width=" + to_string(s.width),
        "opacity=" + to_string(s.opacity),
        "hotkey=" + hotkeys.FormatHotkey(s.hotkey),
        "f2top=" + to_string(s.f2top),
        "f2left=" + to_string(s.f2left),
        "f2height=" + to_string(s.f2height),
        "f2width=" + to_string(s.f2width),
        "showwindow=0",
        Flag("coolmode", s.coolmode),
        Flag("quickadd", s.quickadd),
        Flag("showprogram", s.showprogram),
        Flag("showicons", s.showicons),
        Flag("udnavlist", s.udnavlist),
        Flag("HAE", s.hae),
        Flag("stayontop", s.stayontop),
        Flag("startonstartup", s.startonstartup),
    };
}

bool SaveSettings(const Settings& s, Lines& settings_list, HotkeyText& hotkeys, Platform& platform,
                  const std::string& data_folder) {
    Trace("Form1.SaveSettings");
    settings_list = SaveSettingsLines(s, hotkeys);
    if (WriteLines(platform.files, data_folder + kSettingsFile, settings_list)) return true;
    platform.prompts.Message("ERROR! Can not save settings file!");
    return false;
}

Lines ReadSettingsFile(Platform& platform, const std::string& data_folder, const std::string& program_folder,
                       bool& found, bool* data_unreadable) {
    LinesRead data = ReadLines(platform.files, data_folder + kSettingsFile);
    found = data.status != ReadStatus::Missing;
    if (data_unreadable) *data_unreadable = data.status == ReadStatus::Unreadable;
    if (data.ok()) return std::move(data.lines);
    // An unreadable Data folder copy still counts as found: its start-with-Windows choice is unknown,
    // not absent. The Program folder copy then stands in for it.
    LinesRead shipped = ReadLines(platform.files, program_folder + kSettingsFile);
    if (shipped.status != ReadStatus::Missing) found = true;
    return shipped.ok() ? std::move(shipped.lines) : Lines{};
}

}  // namespace vtx
