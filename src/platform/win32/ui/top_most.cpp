#include "platform/win32/ui/top_most.h"

namespace vtx::ui {

void SetTopMost(HWND window, bool on) {
    if (!window) return;
    // Leaving a window that is not topmost as it is changes nothing, and costs nothing.
    if (!on && !(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST)) return;
    SetWindowPos(window, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace vtx::ui
