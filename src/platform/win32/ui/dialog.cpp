#include "platform/win32/ui/dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "platform/win32/wide.h"
#include "platform/win32/window_text.h"
#include "platform/win32/handles.h"
#include "platform/win32/ui/dpi.h"
#include "platform/win32/ui/foreground.h"

namespace vtx::ui {
namespace {

std::vector<Dialog*>& Registry() {
    static std::vector<Dialog*> dialogs;
    return dialogs;
}

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | DS_MODALFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

}  // namespace

LRESULT WarningFieldColours(HDC dc) noexcept {
    constexpr COLORREF kLightRed = RGB(255, 125, 125);
    static const win32::UniqueBrush light_red(CreateSolidBrush(kLightRed));
    SetBkColor(dc, kLightRed);
    return reinterpret_cast<LRESULT>(light_red.get());
}

Dialog::~Dialog() {
    auto& all = Registry();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

bool Dialog::MakeDialog(HINSTANCE instance, HWND owner, const DialogFrame& frame, std::span<const Control> table) {
    frame_ = frame;
    RegisterFormClass(instance, frame.class_name, CS_DBLCLKS, LoadIconW(instance, MAKEINTRESOURCEW(1)),
                      GetSysColorBrush(COLOR_BTNFACE));
    POINT cursor{};
    GetCursorPos(&cursor);
    const UINT dpi = DpiAt(cursor);
    const DWORD ex = kExStyle | (frame.topmost ? WS_EX_TOPMOST : 0);
    const SIZE size = WindowSizeFor({Scale(frame.client.cx, dpi), Scale(frame.client.cy, dpi)}, kStyle, ex, dpi);
    if (!CreateForm(instance, frame.class_name, frame.caption, kStyle, ex, RECT{0, 0, size.cx, size.cy}, owner)) {
        return false;
    }
    controls_.Create(hwnd(), table, DpiOf(hwnd()));
    if (frame.tabs_id) SelectPage(0);
    Registry().push_back(this);
    return true;
}

bool Dialog::PreTranslateAll(MSG& msg) {
    for (Dialog* d : Registry()) {
        if (d->PreTranslate(msg)) return true;
    }
    return false;
}

bool Dialog::PreTranslate(MSG& msg) {
    HWND self = hwnd();
    if (!self || !IsWindowVisible(self)) return false;
    if (msg.hwnd != self && !IsChild(self, msg.hwnd)) return false;
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) chords_.KeyDown(msg.wParam);
    if (KeyPreview(msg)) return true;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && KeyHeld(VK_CONTROL) && frame_.tabs_id) {
        HWND tabs = Item(frame_.tabs_id);
        const int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
        const int current = static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
        const bool back = KeyHeld(VK_SHIFT);
        if (count > 0) SelectPage((current + (back ? count - 1 : 1)) % count);
        SetFocus(tabs);  // the control that had the keyboard may be on the page just hidden
        return true;
    }
    return IsDialogMessageW(self, &msg) != FALSE;
}

void Dialog::Show() {
    HWND self = hwnd();
    if (!self) return;
    if (!IsWindowVisible(self)) {
        chords_.Forget();
        OnShowing();
        if (!placed_) {
            // Centred on the monitor that holds the mouse pointer, at its first showing.
            POINT cursor{};
            GetCursorPos(&cursor);
            MONITORINFO mi{};
            mi.cbSize = sizeof mi;
            GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &mi);
            RECT r{};
            GetWindowRect(self, &r);
            const int w = r.right - r.left, h = r.bottom - r.top;
            const RECT& wa = mi.rcWork;
            SetWindowPos(self, nullptr, wa.left + std::max(0L, (wa.right - wa.left - w) / 2),
                         wa.top + std::max(0L, (wa.bottom - wa.top - h) / 2), 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            placed_ = true;
        }
        ShowWindow(self, SW_SHOW);
    }
    BringToFront(self);
}

// As a dialog box does: the control that had the keyboard gets it back when the dialog is
// activated again, else the first control of the tab order.
void Dialog::OnActivate(bool active) {
    HWND self = hwnd();
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(self, focus)) last_focus_ = focus;
        return;
    }
    HWND target = last_focus_;
    if (!target || !IsWindow(target) || !IsChild(self, target) || !IsWindowVisible(target) || !IsWindowEnabled(target)) {
        target = frame_.first_focus_id ? Item(frame_.first_focus_id) : GetNextDlgTabItem(self, nullptr, FALSE);
    }
    if (target) SetFocus(target);
}

void Dialog::Close() {
    if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

void Dialog::PlaceAt(int left, int top) {
    if (!hwnd()) return;
    SetWindowPos(hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    placed_ = true;
}

bool Dialog::IsShowing() const noexcept { return hwnd() && IsWindowVisible(hwnd()); }

void Dialog::SelectPage(int index) {
    if (!frame_.tabs_id) return;
    SendMessageW(Item(frame_.tabs_id), TCM_SETCURSEL, index, 0);
    controls_.ShowPage(index + 1);
}

LRESULT Dialog::PageColours(HDC dc, HWND control) const {
    if (controls_.PageOf(control) <= 0) {
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

bool Dialog::Checked(int id) const noexcept { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Dialog::SetChecked(int id, bool on) const noexcept {
    SendMessageW(Item(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::string Dialog::Text(int id) const { return win32::WindowText(Item(id)); }

void Dialog::SetText(int id, const std::string& text) const {
    SetWindowTextW(Item(id), win32::Utf8ToWide(text).c_str());
}

void Dialog::OnDpiChanged(UINT dpi, const RECT& r) {
    SetWindowPos(hwnd(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    controls_.Relayout(dpi);
}

LRESULT Dialog::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (OnMessage(msg, wp, lp, result)) return result;
    switch (msg) {
        case WM_COMMAND: {
            const int id = LOWORD(wp);
            const HWND control = reinterpret_cast<HWND>(lp);
            if (id == IDOK && (!control || HIWORD(wp) == BN_CLICKED)) {
                OnOK();
                return 0;
            }
            if (id == IDCANCEL && (!control || HIWORD(wp) == BN_CLICKED)) {
                OnCancel();
                return 0;
            }
            OnCommand(id, HIWORD(wp), control);
            return 0;
        }
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lp);
            if (frame_.tabs_id && static_cast<int>(header.idFrom) == frame_.tabs_id && header.code == TCN_SELCHANGE) {
                controls_.ShowPage(static_cast<int>(SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0)) + 1);
                return 0;
            }
            return OnNotify(header);
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            // Tab pages are white; pages shown without tabs (a wizard's steps) keep the dialog's colour.
            if (frame_.tabs_id && controls_.PageOf(reinterpret_cast<HWND>(lp)) > 0) {
                return PageColours(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
            }
            break;
        case WM_CLOSE:
            OnCancel();
            return 0;
        case WM_ACTIVATE:
            OnActivate(LOWORD(wp) != WA_INACTIVE);
            return 0;
        case 0x02E0: {  // WM_DPICHANGED
            OnDpiChanged(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
            return 0;
        }
        default:
            break;
    }
    return Default(msg, wp, lp);
}

}  // namespace vtx::ui
