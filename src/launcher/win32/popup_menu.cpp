#include "launcher/win32/popup_menu.h"

#include "platform/win32/wide.h"

namespace vtx {
namespace {

HMENU BuildMenu(const std::vector<MenuEntry>& entries, std::size_t& at, int level) {
    HMENU menu = CreatePopupMenu();
    while (at < entries.size() && entries[at].level == level) {
        const MenuEntry& e = entries[at++];
        if (e.command == Command::None && e.text.empty()) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else if (e.command == Command::None) {
            HMENU sub = BuildMenu(entries, at, level + 1);
            AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), win32::Utf8ToWide(e.text).c_str());
        } else {
            AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(e.command), win32::Utf8ToWide(e.text).c_str());
        }
    }
    return menu;
}

}  // namespace

win32::UniqueMenu BuildPopupMenu(const std::vector<MenuEntry>& entries) {
    std::size_t at = 0;
    return win32::UniqueMenu(BuildMenu(entries, at, 0));
}

void TrackPopupAt(HMENU menu, POINT at, HWND owner, const std::function<void(int)>& chosen) {
    SetForegroundWindow(owner);
    const int id = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
    PostMessageW(owner, WM_NULL, 0, 0);
    if (id) chosen(id);
}

}  // namespace vtx
