#pragma once
// Every message and question the program shows goes through here. It belongs to the window
// that raised it: that window is disabled while it shows (so nothing in it can be pressed
// twice), it stands above that window (in the top-most band when the window is there, where a
// plain box would open underneath), and once it is answered the keyboard is back on the
// control that had it.

#include <string>

#include "platform/win32/windows_api.h"

namespace vtx::ui {

// The window a message raised now belongs to: the window of this thread the user is working
// in (the active one, which every key and click that raises a message goes to), else
// `fallback` (the launcher, for what starts from the tray or a drop while nothing of ours is
// active).
[[nodiscard]] HWND MessageOwner(HWND fallback) noexcept;

// MessageBoxW (the texts in UTF-8) owned by `owner` as described above; the button pressed (IDOK, IDYES, ...).
int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT type) noexcept;

}  // namespace vtx::ui
