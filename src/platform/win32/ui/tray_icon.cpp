#include "platform/win32/ui/tray_icon.h"

#include "platform/win32/handles.h"

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

namespace {

HWND g_stand_in = nullptr;  // the open menu's stand-in, for its timer (one UI thread, one menu at a time)

// The keyboard's focus set on the stand-in as a change, which is what asks the system for it.
void TakeKeyboard(HWND w) {
    SetFocus(nullptr);
    SetFocus(w);
}

}  // namespace

void TrayIcon::TrackMenu(HMENU menu, POINT at, HWND window, const std::function<void(int)>& chosen) {
    win32::UniqueWindow stand_in;
    if (!IsWindowVisible(window)) {
        // Made afresh for each menu: one shown again after it had hid did not always get the
        // keyboard back under Wine.
        stand_in.reset(CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "STATIC", "", WS_POPUP, at.x, at.y, 1, 1,
                                       window, nullptr, GetModuleHandleA(nullptr), nullptr));
        if (stand_in)
            SetWindowPos(stand_in.get(), HWND_TOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    }
    HWND owner = stand_in ? stand_in.get() : window;
    HWND previous = GetForegroundWindow();
    SetForegroundWindow(owner);
    UINT_PTR timer = 0;
    if (stand_in) {
        // The window that had the keyboard hands it on to its desktop when it hears that it is
        // no longer active, which may come after ours asked for it: once it has heard, ours asks
        // again, and while the menu is open again every so often.
        if (previous && GetWindowThreadProcessId(previous, nullptr) != GetCurrentThreadId()) {
            DWORD_PTR ignored = 0;
            SendMessageTimeoutA(previous, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 200, &ignored);
        }
        TakeKeyboard(owner);
        g_stand_in = owner;
        timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
            if (g_stand_in) TakeKeyboard(g_stand_in);
        });
    }
    const int id = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
    if (timer) KillTimer(nullptr, timer);
    g_stand_in = nullptr;
    PostMessageA(owner, WM_NULL, 0, 0);
    if (id) chosen(id);  // a window it shows takes the keyboard over from the stand-in
}

}  // namespace vtx::ui
