#include "platform/win32/ui/tray_icon.h"

#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace vtx::ui {
namespace {

// The text into a fixed field of the notification data, cut before a character that does not fit whole.
template <std::size_t N>
void CopyCut(wchar_t (&field)[N], const std::string& text) {
    const std::wstring wide = win32::Utf8ToWide(text);
    std::size_t n = wide.size() < N ? wide.size() : N - 1;
    if (n < wide.size() && n > 0 && wide[n - 1] >= 0xD800 && wide[n - 1] <= 0xDBFF) --n;  // half a pair
    wide.copy(field, n);
    field[n] = L'\0';
}

}  // namespace

void TrayIcon::Add(HWND window, UINT message, HICON icon, const std::string& tip) {
    if (added_) return;
    data_ = {};
    data_.cbSize = sizeof data_;
    data_.hWnd = window;
    data_.uID = 1;
    data_.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
    data_.uCallbackMessage = message;
    data_.hIcon = icon;
    CopyCut(data_.szTip, tip);
    added_ = Shell_NotifyIconW(NIM_ADD, &data_) != FALSE;
}

void TrayIcon::Remove() {
    if (!added_) return;
    Shell_NotifyIconW(NIM_DELETE, &data_);
    added_ = false;
}

void TrayIcon::Balloon(const std::string& title, const std::string& text, int seconds) {
    if (!added_ && data_.hWnd) {
        const NOTIFYICONDATAW d = data_;
        Add(d.hWnd, d.uCallbackMessage, d.hIcon, win32::WideToUtf8(d.szTip));
    }
    NOTIFYICONDATAW n = data_;
    n.uFlags = NIF_INFO;
    CopyCut(n.szInfoTitle, title);
    CopyCut(n.szInfo, text);
    n.dwInfoFlags = NIIF_INFO;
    n.uTimeout = static_cast<UINT>(seconds) * 1000;
    Shell_NotifyIconW(NIM_MODIFY, &n);
}

bool TrayIcon::OnTaskbarCreated(UINT message) {
    if (message != taskbar_created_ || taskbar_created_ == 0) return false;
    added_ = false;
    if (data_.hWnd) {
        const NOTIFYICONDATAW d = data_;
        Add(d.hWnd, d.uCallbackMessage, d.hIcon, win32::WideToUtf8(d.szTip));
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
        stand_in.reset(CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP, at.x, at.y, 1, 1,
                                       window, nullptr, GetModuleHandleW(nullptr), nullptr));
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
            SendMessageTimeoutW(previous, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 200, &ignored);
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
    PostMessageW(owner, WM_NULL, 0, 0);
    if (id) chosen(id);  // a window it shows takes the keyboard over from the stand-in
}

}  // namespace vtx::ui
