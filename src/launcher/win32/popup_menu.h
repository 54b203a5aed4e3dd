#pragma once
// The launcher's popup menus made from their tables (launcher/launcher_menus.h), and their
// tracking while the launcher shows.

#include "platform/win32/windows_api.h"

#include <functional>
#include <vector>

#include "launcher/launcher_menus.h"
#include "platform/win32/handles.h"

namespace vtx {

// A popup menu made from its table; submenus follow their entry one level deeper.
[[nodiscard]] win32::UniqueMenu BuildPopupMenu(const std::vector<MenuEntry>& entries);

// The menu at a screen point, owned by the shown window `owner`, which takes the foreground so
// that the menu has the keyboard and closes on a click elsewhere; `chosen` runs with the
// command chosen (not when none was).
void TrackPopupAt(HMENU menu, POINT at, HWND owner, const std::function<void(int)>& chosen);

}  // namespace vtx
