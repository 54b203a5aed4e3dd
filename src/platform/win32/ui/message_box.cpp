#include "platform/win32/ui/message_box.h"

#include "platform/win32/wide.h"

namespace vtx::ui {
namespace {

bool Usable(HWND w) noexcept { return w && IsWindow(w) && IsWindowVisible(w) && IsWindowEnabled(w); }

}  // namespace

HWND MessageOwner(HWND fallback) noexcept {
    if (HWND active = GetActiveWindow(); Usable(active)) return active;
    HWND foreground = GetForegroundWindow();
    if (Usable(foreground) && GetWindowThreadProcessId(foreground, nullptr) == GetCurrentThreadId()) return foreground;
    return fallback;
}

int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT type) noexcept {
    if (owner && !IsWindow(owner)) owner = nullptr;
    HWND focus = GetFocus();
    if (focus && owner && focus != owner && !IsChild(owner, focus)) focus = nullptr;
    if (owner && (GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_TOPMOST)) type |= MB_TOPMOST;
    // With its owner hidden (the launcher, behind the tray menu) nothing would bring it forward.
    if (!owner || !IsWindowVisible(owner)) type |= MB_SETFOREGROUND;
    const int answer =
        MessageBoxW(owner, win32::Utf8ToWide(text).c_str(), win32::Utf8ToWide(caption).c_str(), type);
    if (focus && IsWindow(focus) && IsWindowVisible(focus) && IsWindowEnabled(focus) && owner &&
        GetActiveWindow() == owner)
        SetFocus(focus);
    return answer;
}

}  // namespace vtx::ui
