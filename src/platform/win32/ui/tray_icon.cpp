#include "platform/win32/ui/tray_icon.h"

namespace vtx::ui {

void TrayIcon::Add(HWND window, UINT message, HICON icon, const std::string& tip) {
    if (added_) return;
    data_ = {};
    data_.cbSize = sizeof data_;
    data_.hWnd = window;
    data_.uID = 1;
    data_.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
    data_.uCallbackMessage = message;
    data_.hIcon = icon;
    lstrcpynA(data_.szTip, tip.c_str(), sizeof data_.szTip);
    added_ = Shell_NotifyIconA(NIM_ADD, &data_) != FALSE;
}

void TrayIcon::Remove() {
    if (!added_) return;
    Shell_NotifyIconA(NIM_DELETE, &data_);
    added_ = false;
}

void TrayIcon::Balloon(const std::string& title, const std::string& text, int seconds) {
    if (!added_ && data_.hWnd) {
        const NOTIFYICONDATAA d = data_;
        Add(d.hWnd, d.uCallbackMessage, d.hIcon, d.szTip);
    }
    NOTIFYICONDATAA n = data_;
    n.uFlags = NIF_INFO;
    lstrcpynA(n.szInfoTitle, title.c_str(), sizeof n.szInfoTitle);
    lstrcpynA(n.szInfo, text.c_str(), sizeof n.szInfo);
    n.dwInfoFlags = NIIF_INFO;
    n.uTimeout = static_cast<UINT>(seconds) * 1000;
    Shell_NotifyIconA(NIM_MODIFY, &n);
}

bool TrayIcon::OnTaskbarCreated(UINT message) {
    if (message != taskbar_created_ || taskbar_created_ == 0) return false;
    added_ = false;
    if (data_.hWnd) {
        const NOTIFYICONDATAA d = data_;
        Add(d.hWnd, d.uCallbackMessage, d.hIcon, d.szTip);
    }
    return true;
}

}  // namespace vtx::ui
