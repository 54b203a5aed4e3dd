#pragma once
// The rules of More Options: colour label, window state and visibility of the shortcut
// loaded in the manager. They live in the manager's item options until its next save.

#include <array>
#include <string>
#include <string_view>

namespace vtx {

// The four values of the loaded shortcut that have no control on the manager's page.
struct ItemOptions {
    std::string color, cat, swst = "SW_SHOWNORMAL", vis = "1";
    bool operator==(const ItemOptions&) const = default;
};

struct ColorLabel {
    std::string_view name;
    unsigned char red, green, blue;
};
inline constexpr std::array<ColorLabel, 8> kColorLabels = {{
    {"None", 255, 255, 255},
    {"Red", 255, 148, 137},
    {"Orange", 253, 197, 117},
    {"Yellow", 245, 232, 118},
    {"Green", 200, 227, 126},
    {"Blue", 140, 196, 253},
    {"Purple", 217, 180, 228},
    {"Gray", 198, 198, 198},
}};
inline constexpr std::array<std::string_view, 3> kWindowStates = {"Normal", "Minimized", "Maximized"};
inline constexpr std::string_view kMultishortcutsHelp = "multishortcuts.htm";

// The values of the dialog's controls.
struct MoreOptionsForm {
    int color = -1;  // collabelCB position, -1: none
    int state = -1;  // showCB position, -1: none
    bool invisible = false;
    bool operator==(const MoreOptionsForm&) const = default;
};

// On show: an empty colour label becomes "None", then the controls show the options.
[[nodiscard]] MoreOptionsForm MoreOptionsShow(ItemOptions& options);
// On close, however the dialog is closed: the options take what the controls show.
void MoreOptionsClose(const MoreOptionsForm& form, ItemOptions& options);

}  // namespace vtx
