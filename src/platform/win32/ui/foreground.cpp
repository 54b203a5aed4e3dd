#include "platform/win32/ui/foreground.h"

namespace vtx::ui {

void BringToFront(HWND window) noexcept {
    if (SetForegroundWindow(window) && GetForegroundWindow() == window) return;
    HWND foreground = GetForegroundWindow();
    const DWORD other = foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
    const DWORD self = GetCurrentThreadId();
    if (other && other != self && AttachThreadInput(self, other, TRUE)) {
        BringWindowToTop(window);
        SetForegroundWindow(window);
        AttachThreadInput(self, other, FALSE);
    }
}

}  // namespace vtx::ui
