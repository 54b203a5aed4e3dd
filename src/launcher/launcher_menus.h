#pragma once
// The launcher's three popup menus as data: the window builds them from these tables and
// hands every chosen command back to the rules.

#include <string>
#include <vector>

namespace vtx {

enum class Command : int {
    None = 0,
    ShowVtx = 1001, Shortcuts, Settings, ToggleCool, Help, About, Exit,
    NewShortcut, HelpDocs, HowDoI, WebHome, WebProduct, WebSupport, HideVtx,
    OpenSelected, OpenFolder, CopyAddress, AddEdit,
};

// One entry: a command, a separator (Command::None, no text) or a submenu (Command::None
// with a text), whose entries follow one level deeper.
struct MenuEntry {
    int level = 0;
    Command command = Command::None;
    std::string text;
    bool operator==(const MenuEntry&) const = default;
};

// The tray icon's menu; its default item is "S&how VTX".
[[nodiscard]] std::vector<MenuEntry> TrayMenu();
// The window's main menu (menu button, right click in Cool mode).
[[nodiscard]] std::vector<MenuEntry> MainMenu();
// The result list's menu; "Open Containing Folder" only where the selected row's type has one.
[[nodiscard]] std::vector<MenuEntry> ListMenu(bool with_containing_folder);

// What the window itself must do after a command or key.
enum class WindowAction { None, Show, Hide, Exit };

}  // namespace vtx
