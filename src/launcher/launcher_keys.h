#pragma once
// Keys, mouse and menu rules of the launcher window, as decisions the window carries out.

#include <optional>
#include <string>
#include <string_view>

#include "app/shell_pages.h"
#include "app/result_list.h"
#include "platform/platform.h"

namespace vtx {

namespace vk {
inline constexpr int kEnter = 0x0D;
inline constexpr int kEscape = 0x1B;
inline constexpr int kUp = 0x26;
inline constexpr int kDown = 0x28;
inline constexpr int kW = 'W';
inline constexpr int kF1 = 0x70;
inline constexpr int kF2 = 0x71;
inline constexpr int kF3 = 0x72;
inline constexpr int kF4 = 0x73;
inline constexpr int kF10 = 0x79;
inline constexpr int kF12 = 0x7B;
}  // namespace vk

// ---------------------------------------------------------------- window-level keys
enum class KeyAction { None, Hide, Help, ShowManager, ShowOptions, ToggleCool, ResetAppearance };

// Every key pressed while the window is active, before the focused control sees it.
// A function key does nothing while the hotkey (its value: key code and modifier bits) is
// that same key, so the hotkey itself never triggers it: F1 to F4 whatever the hotkey's
// modifiers, the Ctrl+F10 reset when the hotkey is Ctrl+F10. The key is compared, not the
// text form, in which "Ctrl+F10" holds "F1" and a layout may call Ctrl "Strg".
[[nodiscard]] KeyAction FormKeyDown(int vk, bool ctrl, bool shift, bool alt, int hotkey_value,
                                    bool manager_showing);

// Keys the edit box swallows after the window-level handling: F4 with any modifiers
// (so Alt+F4 does not close the window from the edit box).
[[nodiscard]] constexpr bool EditConsumesKey(int vk) noexcept { return vk == vk::kF4; }

// ---------------------------------------------------------------- Enter in the edit box
enum class EnterAction { None, Go, Copy, GoElevated };

struct EnterDecision {
    EnterAction action = EnterAction::None;
    std::string trimmed;        // put back into the edit box before acting
    bool text_changed = false;  // putting it back changes the text, so the matching runs again
};

// Enter released in the edit box (Ctrl held: copy the address instead; Ctrl and Shift
// held: run as administrator). An empty edit box does nothing, even with a row selected;
// a text of blanks trims to nothing and still goes (the typed text then runs).
[[nodiscard]] EnterDecision Edit2KeyUp(int vk, bool ctrl, std::string_view edit_text, bool shift = false);

// Enter released in the result list, or a double-click: the selected row's name goes
// into the edit box (its change handler matches again, so of two rows of one name the
// first is launched), then Go. None when nothing is selected.
[[nodiscard]] std::optional<std::string> ListActivationText(const ResultList& list, int selected);

// ---------------------------------------------------------------- result list menu
inline constexpr std::string_view kNothingSelectedExecute =
    "Nothing selected! Please select the shortcut you want to execute and try again.";
inline constexpr std::string_view kNothingSelected = "Nothing selected! Please select a shortcut and try again.";

// "Open Containing Folder" is shown and enabled for these types only.
[[nodiscard]] bool OpenContainingFolderVisible(std::string_view ty1) noexcept;

// "&Open Selected": true when the window should Go; with nothing selected it tells the user.
[[nodiscard]] bool OpenSelectedAllowed(Prompts& prompts, int selected);
// "&Copy Address": true when the window should GoCopy; with nothing selected it tells the user.
[[nodiscard]] bool CopyAddressAllowed(Prompts& prompts, int selected);

// The folder "Open Containing Folder" opens: `wdir` up to its last "\", that "\"
// excluded, except that a drive root keeps it ("c:\"). A shortcut without a start folder
// is found through its address instead: the folder the address names it in.
[[nodiscard]] std::string ContainingFolder(std::string_view wdir, std::string_view addr = {});

// "Open Containing Folder" on the selected row.
void OpenContainingFolder(Platform& platform, const ResultList& list, int selected);

// ---------------------------------------------------------------- height drag
// The bottom strip was released: the window's bottom edge goes to the pointer, but never
// so short that the edit box and one row stop being usable.
inline constexpr int kMinimumWindowHeight = 80;
[[nodiscard]] constexpr int DraggedHeight(int pointer_screen_y, int window_top) noexcept {
    const int height = pointer_screen_y - window_top;
    return height < kMinimumWindowHeight ? kMinimumWindowHeight : height;
}

}  // namespace vtx
