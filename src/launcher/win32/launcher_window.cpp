#include "launcher/win32/launcher_window.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include "launcher/dropped_files.h"
#include "launcher/launcher_keys.h"
#include "launcher/win32/popup_menu.h"
#include "platform/win32/ui/foreground.h"
#include "platform/win32/ui/keys.h"
#include "platform/win32/ui/list_texts.h"
#include "platform/win32/ui/message_box.h"
#include "platform/win32/ui/subclass.h"
#include "platform/win32/ui/dpi.h"
#include "platform/win32/wide.h"
#include "platform/win32/window_text.h"

namespace vtx {
namespace {

constexpr char kClassName[] = "TForm1";
constexpr int kEditId = 101;
constexpr int kListId = 102;

// The system command that lets the user drag the frameless window: move (0xF010) plus 1.
constexpr WPARAM kMoveFromClient = 0xF011;

}  // namespace

LauncherWindow::LauncherWindow(HINSTANCE instance, LauncherRules& rules) : instance_(instance), rules_(rules) {}

LauncherWindow::~LauncherWindow() = default;

bool LauncherWindow::Create(HWND app_window) {
    RegisterFormClass(instance_, kClassName, CS_DBLCLKS, LoadIconW(instance_, MAKEINTRESOURCEW(1)));
    POINT cursor{};
    GetCursorPos(&cursor);
    dpi_ = ui::DpiAt(cursor);
    return CreateForm(instance_, kClassName, "Vantrix", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW | WS_EX_LAYERED,
                      RECT{100, 100, 100 + S(141), 100 + S(200)}, app_window);
}

LRESULT LauncherWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SIZE:
            OnSize(LOWORD(lp), HIWORD(lp));
            return 0;
        case WM_GETMINMAXINFO: {
            auto* mm = reinterpret_cast<MINMAXINFO*>(lp);
            mm->ptMinTrackSize.x = S(kMinWindowWidth);
            mm->ptMinTrackSize.y = 1;
            return 0;
        }
        case WM_COMMAND:
            OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
            return 0;
        case WM_DRAWITEM:
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
            return TRUE;
        case WM_MEASUREITEM:
            reinterpret_cast<MEASUREITEMSTRUCT*>(lp)->itemHeight = S(rules_.ItemHeight());
            return TRUE;
        case WM_CTLCOLOREDIT:
            return OnControlColour(reinterpret_cast<HDC>(wp), true);
        case WM_CTLCOLORLISTBOX:
            return OnControlColour(reinterpret_cast<HDC>(wp), false);
        case WM_LBUTTONDOWN:
            OnMouseDown({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            return 0;
        case WM_LBUTTONUP:
            OnMouseUp({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            return 0;
        case WM_RBUTTONUP:
            OnRightUp({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            return 0;
        case WM_MOUSELEAVE:
            OnMouseLeave();
            return 0;
        case WM_CAPTURECHANGED:
            sizing_ = false;
            return 0;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wp) == hwnd() && LOWORD(lp) == HTCLIENT && OnSetCursor()) return TRUE;
            break;
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wp));
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wp) != WA_INACTIVE) ui::ForgetReleasedModifiers();
            if (LOWORD(wp) != WA_INACTIVE && geometry_.cool && edit_) SetFocus(edit_);
            break;
        case WM_SETFOCUS:
            if (edit_) SetFocus(edit_);
            return 0;
        case WM_CLOSE:
            rules_.app().FormClose();
            DestroyWindow(hwnd());
            return 0;
        case WM_SYSCOMMAND:
            // The move command with the client hit code (0xF011) starts the move loop but
            // moves nothing under Wine, which shifts the window only for the caption code;
            // as the caption's move the window follows the mouse everywhere.
            if (wp == kMoveFromClient) return DefWindowProcW(hwnd(), msg, SC_MOVE | HTCAPTION, lp);
            break;
        case 0x02E0:  // WM_DPICHANGED
            OnDpiChanged(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
            return 0;
        case WM_QUERYENDSESSION:
        case WM_ENDSESSION:
        case WM_POWERBROADCAST:
        case WM_WTSSESSION_CHANGE:
            // Windows tells every top-level window; the program host, which owns this one, acts.
            if (HWND host = GetWindow(hwnd(), GW_OWNER)) return SendMessageW(host, msg, wp, lp);
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd(), msg, wp, lp);
}

// The window's controls: the edit box, then the result list it fills.
void LauncherWindow::OnCreate() {
    // Unicode controls: typed text and the rows' texts in any script.
    edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, S(5),
                            S(19), S(132), S(21), hwnd(), reinterpret_cast<HMENU>(kEditId), instance_, nullptr);
    list_ = CreateWindowExW(0, L"LISTBOX", L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY |
                                LBS_OWNERDRAWFIXED | LBS_NODATA | LBS_NOINTEGRALHEIGHT,
                            S(5), S(40), S(131), S(152), hwnd(), reinterpret_cast<HMENU>(kListId), instance_, nullptr);
    ui::Subclass(edit_, [this](UINT msg, WPARAM wp, LPARAM lp) { return EditMessage(msg, wp, lp); });
    ui::Subclass(list_, [this](UINT msg, WPARAM wp, LPARAM lp) { return ListMessage(msg, wp, lp); });
    ui::MarkHoldsTexts(list_);
    LoadBuiltinImages();
}

// ---------------------------------------------------------------- showing and menus

void LauncherWindow::TrackMenu(const std::vector<MenuEntry>& entries, POINT screen_pt) {
    const win32::UniqueMenu menu = BuildPopupMenu(entries);
    TrackPopupAt(menu.get(), screen_pt, hwnd(), [this](int id) { RunCommand(id); });
}

void LauncherWindow::RunCommand(int id) { Do(rules_.RunCommand(static_cast<Command>(id))); }

void LauncherWindow::Do(WindowAction action) {
    switch (action) {
        case WindowAction::Show: ShowFromTray(); break;
        case WindowAction::Hide: Hide(); break;
        case WindowAction::Exit: PostMessageW(hwnd(), WM_CLOSE, 0, 0); break;
        case WindowAction::None: break;
    }
}

void LauncherWindow::ShowFromTray() {
    HWND app = GetWindow(hwnd(), GW_OWNER);
    if (app && IsIconic(app)) ShowWindow(app, SW_RESTORE);
    if (IsIconic(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
    ShowWindow(hwnd(), SW_SHOW);
    ui::BringToFront(hwnd());
}

void LauncherWindow::BringUpForTyping() {
    ui::ForgetReleasedModifiers();
    if (!IsWindowVisible(hwnd())) ShowWindow(hwnd(), SW_SHOW);
    SetFocus(edit_);
    SendMessageW(edit_, EM_SETSEL, 0, -1);
    ui::BringToFront(hwnd());
    SetFocus(edit_);
}

void LauncherWindow::ShowAtStart() {
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SetFocus(edit_);
}

bool LauncherWindow::IsShowing() { return IsWindowVisible(hwnd()) != FALSE; }

void LauncherWindow::Hide() {
    chords_.Forget();  // a chord begun before the hide never ends here
    ShowWindow(hwnd(), SW_HIDE);
}

void LauncherWindow::ShowError(const std::string& text) {
    (void)ui::ShowMessage(ui::MessageOwner(hwnd()), text, "Vantrix", MB_OK | MB_ICONERROR);
}

// ---------------------------------------------------------------- typing and the result list

void LauncherWindow::OnCommand(int id, int code, HWND control) {
    if (control == edit_ && code == EN_CHANGE) {
        ShowMatch(rules_.Edit2Change(win32::WindowText(edit_)));
        return;
    }
    if (control == list_) {
        if (code == LBN_SELCHANGE) {
            rules_.SelectRow(static_cast<int>(SendMessageW(list_, LB_GETCURSEL, 0, 0)));
        } else if (code == LBN_DBLCLK) {
            rules_.ListEnter();
        }
        return;
    }
    if (!control && id) Do(rules_.RunCommand(static_cast<Command>(id)));
}

void LauncherWindow::ShowMatch(const MatchShown& shown) {
    ShowSelection(shown.selected);
    ShowLabels(shown.labels);
    if (shown.focus_edit) FocusEdit();
}

void LauncherWindow::RefillResultList(int rows) {
    rules_.ListRefilled();
    SendMessageW(list_, LB_SETCOUNT, static_cast<WPARAM>(rows), 0);
    SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    InvalidateRect(list_, nullptr, TRUE);
}

void LauncherWindow::ShowSelection(int row) {
    SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

void LauncherWindow::FocusEdit() {
    if (IsWindowVisible(hwnd())) SetFocus(edit_);
}

void LauncherWindow::SetEditText(const std::string& text) { SetWindowTextW(edit_, win32::Utf8ToWide(text).c_str()); }

void LauncherWindow::ListRightUp(POINT client_pt) {
    const LRESULT hit = SendMessageW(list_, LB_ITEMFROMPOINT, 0, MAKELPARAM(client_pt.x, client_pt.y));
    const int row = HIWORD(hit) ? -1 : static_cast<int>(LOWORD(hit));
    rules_.SelectRow(row);
    ShowSelection(row);
    POINT screen = client_pt;
    ClientToScreen(list_, &screen);
    TrackMenu(rules_.ListMenuFor(row), screen);
}

// ---------------------------------------------------------------- keys

bool LauncherWindow::PreTranslate(MSG& msg) {
    if (msg.hwnd != hwnd() && msg.hwnd != edit_ && msg.hwnd != list_) return false;
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        if (FormKeyDown(msg.wParam)) return true;
    }
    if (msg.message == WM_CHAR && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE)) return true;  // no beep
    return false;
}

bool LauncherWindow::FormKeyDown(WPARAM vk) {
    const auto action = rules_.FormKeyDown(static_cast<int>(vk), ui::KeyHeld(VK_CONTROL), ui::KeyHeld(VK_SHIFT), ui::KeyHeld(VK_MENU));
    if (!action) return false;
    Do(*action);
    return true;
}

bool LauncherWindow::EditKeyDown(WPARAM vk) {
    // A quick Ctrl+Enter may let go of Ctrl before Enter comes up; the chord counts as pressed.
    chords_.KeyDown(vk);
    if (EditConsumesKey(static_cast<int>(vk))) return true;  // Alt+F4 does nothing in the edit box
    if (vk == VK_UP) ShowSelection(rules_.MoveUp());
    if (vk == VK_DOWN) ShowSelection(rules_.MoveDown());
    return false;
}

bool LauncherWindow::EditKeyUp(WPARAM vk) {
    if (vk != VK_RETURN) return false;
    const ui::Modifiers held = chords_.KeyUp(VK_RETURN);
    rules_.EditEnter(win32::WindowText(edit_), held.ctrl, held.shift);
    return true;
}

bool LauncherWindow::ListKeyUp(WPARAM vk) {
    if (vk != VK_RETURN) return false;
    rules_.ListEnter(ui::KeyHeld(VK_CONTROL) && ui::KeyHeld(VK_SHIFT));
    return true;
}

std::optional<LRESULT> LauncherWindow::EditMessage(UINT msg, WPARAM wp, LPARAM) {
    switch (msg) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (EditKeyDown(wp)) return 0;
            break;
        case WM_KEYUP:
            if (EditKeyUp(wp)) return 0;
            break;
        default:
            break;
    }
    return std::nullopt;
}

std::optional<LRESULT> LauncherWindow::ListMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == LB_GETTEXTLEN || msg == LB_GETTEXT)
        return ui::AnswerRowText(list_, msg, wp, lp, [this](int row) { return rules_.RowText(row); });
    switch (msg) {
        case WM_KEYUP:
            if (ListKeyUp(wp)) return 0;
            break;
        case WM_RBUTTONUP:
            ListRightUp({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            return 0;
        default:
            break;
    }
    return std::nullopt;
}

// ---------------------------------------------------------------- dropped files

void LauncherWindow::AcceptDroppedFiles() { DragAcceptFiles(hwnd(), TRUE); }

void LauncherWindow::OnDropFiles(HDROP drop) {
    POINT pt{};
    DragQueryPoint(drop, &pt);
    SetForegroundWindow(hwnd());
    // Targets: the window's own surface (title text, strips, Cool picture and texts) and the
    // edit box; not the result list, not the title strip's two buttons.
    HWND under = ChildWindowFromPointEx(hwnd(), pt, CWP_SKIPINVISIBLE);
    const Part part = HitTest(pt);
    const bool target = under == edit_ || (under == hwnd() && part != Part::MenuButton && part != Part::HideButton);
    if (target) {
        // The whole path, in any script; the rules refuse one too long for the record.
        const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
        std::wstring path(static_cast<std::size_t>(length) + 1, L'\0');
        path.resize(DragQueryFileW(drop, 0, path.data(), static_cast<UINT>(path.size())));
        HandleDroppedFile(rules_, rules_.dialogs(), win32::WideToUtf8(path));
    }
    DragFinish(drop);
}

}  // namespace vtx
