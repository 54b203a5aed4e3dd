#pragma once
// Making one of the program's windows the active one when the user asked for it (hotkey,
// tray icon, menu): the system may refuse a plain SetForegroundWindow while another
// program's window is active; then the keyboard input of the two threads is joined for a
// moment, which the system accepts.

#include "platform/win32/windows_api.h"

namespace vtx::ui {

void BringToFront(HWND window) noexcept;

}  // namespace vtx::ui
