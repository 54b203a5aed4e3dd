#include "launcher/launcher_window.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>

#include "app/web_addresses.h"
#include "catalogue/shortcut_record.h"
#include "launcher/file_icon.h"
#include "launcher/launcher_keys.h"
#include "platform/win32/gdi_util.h"
#include "platform/win32/win32_icons.h"
#include "platform/win32/win32_monitors.h"
#include "themes/builtin_images.h"

namespace vtx {
namespace {

constexpr char kClassName[] = "TForm1";
constexpr UINT kTrayMessage = WM_APP + 1;
constexpr UINT kTrayId = 1;
constexpr int kEditId = 101;
constexpr int kListId = 102;

// Menu commands.
enum : int {
    kShowVtx = 1001, kShortcuts, kSettings, kToggleCool, kHelp, kAbout, kExit,
    kNewShortcut, kHelpDocs, kHowDoI, kWebHome, kWebProduct, kWebSupport, kHideVtx,
    kOpenSelected, kOpenFolder, kCopyAddress, kAddEdit,
};

// The system command that lets the user drag the frameless window: move (0xF010) plus 1.
constexpr WPARAM kMoveFromClient = 0xF011;

// Geometry of the normal layout, in pixels at 96 DPI.
constexpr int kTitleHeight = 18;
constexpr int kStripWidth = 4;
constexpr int kBottomStrip = 7;

COLORREF ToColorRef(std::uint32_t c) { return static_cast<COLORREF>(c & 0xFFFFFF); }

LauncherWindow* From(HWND w) { return reinterpret_cast<LauncherWindow*>(GetWindowLongPtrA(w, GWLP_USERDATA)); }

bool KeyHeld(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }

}  // namespace

LauncherWindow::LauncherWindow(HINSTANCE instance, MainRules& rules) : instance_(instance), rules_(rules) {}

LauncherWindow::~LauncherWindow() {
    if (tray_added_) Shell_NotifyIconA(NIM_DELETE, &tray_);
    hotkeys_.reset();  // unregisters while the window still exists
    if (hwnd_) DestroyWindow(hwnd_);
}

bool LauncherWindow::Create(HWND app_window) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance_;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(1));
    wc.lpszClassName = kClassName;
    RegisterClassExA(&wc);
    taskbar_created_ = RegisterWindowMessageA("TaskbarCreated");
    hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_LAYERED, kClassName, "Vantrix",
                            WS_POPUP | WS_CLIPCHILDREN, 100, 100, 141, 200, app_window, nullptr, instance_,
                            this);
    return hwnd_ != nullptr;
}

LRESULT CALLBACK LauncherWindow::WndProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<LauncherWindow*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        self->hwnd_ = w;
        SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    LauncherWindow* self = From(w);
    if (!self) return DefWindowProcA(w, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(w, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcA(w, msg, wp, lp);
    }
    try {
        return self->Handle(msg, wp, lp);
    } catch (...) {
        // Nothing may leave a window procedure; the event is dropped.
        return DefWindowProcA(w, msg, wp, lp);
    }
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
            mm->ptMinTrackSize.x = 100;
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
            reinterpret_cast<MEASUREITEMSTRUCT*>(lp)->itemHeight = rules_.ItemHeight();
            return TRUE;
        case WM_CTLCOLOREDIT: {
            HDC dc = reinterpret_cast<HDC>(wp);
            SetTextColor(dc, Colour(look_.edit.font.color));
            SetBkColor(dc, Colour(look_.edit.back));
            return reinterpret_cast<LRESULT>(edit_brush_.get());
        }
        case WM_CTLCOLORLISTBOX: {
            HDC dc = reinterpret_cast<HDC>(wp);
            SetTextColor(dc, Colour(look_.list.font.color));
            SetBkColor(dc, Colour(look_.list.back));
            return reinterpret_cast<LRESULT>(list_brush_.get());
        }
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
            tracking_mouse_ = false;
            if (menu_hot_ || hide_hot_) {
                menu_hot_ = hide_hot_ = false;
                Invalidate();
            }
            return 0;
        case WM_CAPTURECHANGED:
            sizing_ = false;
            return 0;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wp) == hwnd_ && LOWORD(lp) == HTCLIENT && OnSetCursor()) return TRUE;
            break;
        case WM_HOTKEY:
            OnHotKey(wp, lp);
            break;  // then the system's default handling
        case kTrayMessage:
            OnTray(lp);
            return 0;
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wp));
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wp) != WA_INACTIVE && geometry_.cool && edit_) SetFocus(edit_);
            break;
        case WM_SETFOCUS:
            if (edit_) SetFocus(edit_);
            return 0;
        case WM_CLOSE:
            rules_.FormClose();
            DestroyWindow(hwnd_);
            return 0;
        case WM_SYSCOMMAND:
            // The move command with the client hit code (0xF011) starts the move loop but
            // moves nothing under Wine, which shifts the window only for the caption code;
            // as the caption's move the window follows the mouse everywhere.
            if (wp == kMoveFromClient) return DefWindowProcA(hwnd_, msg, SC_MOVE | HTCAPTION, lp);
            break;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wp) rules_.EndSession();
            return 0;
        case WM_DESTROY:
            if (tray_added_) {
                Shell_NotifyIconA(NIM_DELETE, &tray_);
                tray_added_ = false;
            }
            hotkeys_.reset();
            PostQuitMessage(0);
            return 0;
        default:
            if (msg == taskbar_created_ && taskbar_created_ != 0) {
                tray_added_ = false;
                AddTrayIcon();
                return 0;
            }
            break;
    }
    return DefWindowProcA(hwnd_, msg, wp, lp);
}

void LauncherWindow::OnCreate() {
    edit_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 5,
                            19, 132, 21, hwnd_, reinterpret_cast<HMENU>(kEditId), instance_, nullptr);
    list_ = CreateWindowExA(0, "LISTBOX", "",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY |
                                LBS_OWNERDRAWFIXED | LBS_NODATA | LBS_NOINTEGRALHEIGHT,
                            5, 40, 131, 152, hwnd_, reinterpret_cast<HMENU>(kListId), instance_, nullptr);
    SetWindowSubclass(edit_, EditProc, 1, reinterpret_cast<DWORD_PTR>(this));
    SetWindowSubclass(list_, ListProc, 1, reinterpret_cast<DWORD_PTR>(this));
    hotkey_registrar_ = std::make_unique<win32::Win32HotkeyRegistrar>(hwnd_);
    hotkeys_ = std::make_unique<HotkeyManager>(*hotkey_registrar_);
    edit_brush_.reset(CreateSolidBrush(RGB(255, 255, 255)));
    list_brush_.reset(CreateSolidBrush(RGB(255, 255, 255)));
    // The built-in images stay on the window until a theme replaces them.
    back_image_ = win32::BitmapFromFile(BuiltinBitmapFile(BuiltinImage::Back));
    menu_image_ = win32::BitmapFromFile(BuiltinBitmapFile(BuiltinImage::Menu));
    menu_hot_image_ = win32::BitmapFromFile(BuiltinBitmapFile(BuiltinImage::MenuHot));
    hide_image_ = win32::BitmapFromFile(BuiltinBitmapFile(BuiltinImage::Close));
    hide_hot_image_ = win32::BitmapFromFile(BuiltinBitmapFile(BuiltinImage::CloseHot));
    BuildMenus();
}

// ---------------------------------------------------------------- tray and menus

void LauncherWindow::AddTrayIcon() {
    if (tray_added_) return;
    tray_ = {};
    tray_.cbSize = sizeof tray_;
    tray_.hWnd = hwnd_;
    tray_.uID = kTrayId;
    tray_.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
    tray_.uCallbackMessage = kTrayMessage;
    tray_.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(1));
    lstrcpynA(tray_.szTip, "VTX 2.0", sizeof tray_.szTip);
    tray_added_ = Shell_NotifyIconA(NIM_ADD, &tray_) != FALSE;
}

void LauncherWindow::ShowBalloon(const std::string& title, const std::string& text, int seconds) {
    if (!tray_added_) AddTrayIcon();
    NOTIFYICONDATAA n = tray_;
    n.uFlags = NIF_INFO;
    lstrcpynA(n.szInfoTitle, title.c_str(), sizeof n.szInfoTitle);
    lstrcpynA(n.szInfo, text.c_str(), sizeof n.szInfo);
    n.dwInfoFlags = NIIF_INFO;
    n.uTimeout = static_cast<UINT>(seconds) * 1000;
    Shell_NotifyIconA(NIM_MODIFY, &n);
}

void LauncherWindow::BuildMenus() {
    auto item = [](HMENU m, int id, const char* text) { AppendMenuA(m, MF_STRING, static_cast<UINT_PTR>(id), text); };
    auto sep = [](HMENU m) { AppendMenuA(m, MF_SEPARATOR, 0, nullptr); };

    menu1_.reset(CreatePopupMenu());
    HMENU m1 = menu1_.get();
    item(m1, kShowVtx, "S&how VTX");
    sep(m1);
    item(m1, kShortcuts, "&Shortcuts...");
    item(m1, kSettings, "Se&ttings...");
    item(m1, kToggleCool, "To&ggle Cool Mode");
    sep(m1);
    item(m1, kHelp, "H&elp...");
    item(m1, kAbout, "&About...");
    sep(m1);
    item(m1, kExit, "E&xit");
    SetMenuDefaultItem(m1, kShowVtx, FALSE);

    menu2_.reset(CreatePopupMenu());
    HMENU m2 = menu2_.get();
    item(m2, kNewShortcut, "&New Shortcut...");
    item(m2, kShortcuts, "&Shortcuts...");
    item(m2, kSettings, "Se&ttings...");
    item(m2, kToggleCool, "To&ggle Cool Mode");
    sep(m2);
    HMENU help = CreatePopupMenu();
    item(help, kHelpDocs, "&Help Documents...");
    item(help, kHowDoI, "How &do I...");
    sep(help);
    HMENU web = CreatePopupMenu();
    const std::string home = std::string("OV Home Page (") + web::kHomePage + ")";
    item(web, kWebHome, home.c_str());
    item(web, kWebProduct, "&Check for New Version");
    item(web, kWebSupport, "&Support");
    AppendMenuA(help, MF_POPUP, reinterpret_cast<UINT_PTR>(web), "OV on the &Web");
    AppendMenuA(m2, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "H&elp");
    item(m2, kAbout, "&About...");
    sep(m2);
    item(m2, kHideVtx, "&Hide VTX");
    item(m2, kExit, "E&xit");

    menu3_.reset(CreatePopupMenu());
    HMENU m3 = menu3_.get();
    item(m3, kOpenSelected, "&Open Selected");
    item(m3, kOpenFolder, "Open Containing Folder");
    item(m3, kCopyAddress, "&Copy Address");
    sep(m3);
    item(m3, kAddEdit, "&Add/Edit Shortcuts...");
}

void LauncherWindow::TrackMenu(HMENU menu, POINT screen_pt) {
    // The owner must be foreground, or the menu does not close when the user clicks elsewhere.
    SetForegroundWindow(hwnd_);
    const int id = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen_pt.x, screen_pt.y, 0, hwnd_, nullptr);
    PostMessageA(hwnd_, WM_NULL, 0, 0);
    if (id) RunMenuCommand(id);
}

void LauncherWindow::RunMenuCommand(int id) {
    switch (id) {
        case kShowVtx: TrayClick(); break;
        case kExit: PostMessageA(hwnd_, WM_CLOSE, 0, 0); break;
        case kHideVtx: Hide(); break;
        case kToggleCool: rules_.ToggleCoolMode(); break;
        case kHelp:
        case kHelpDocs: rules_.OpenHelpPage("index.htm"); break;
        case kHowDoI: rules_.OpenHelpPage("howto.htm"); break;
        case kWebHome: rules_.OpenWebPage(web::kHomePage); break;
        case kWebProduct: rules_.OpenWebPage(web::kProductPage); break;
        case kWebSupport: rules_.OpenWebPage(web::kSupportPage); break;
        case kOpenSelected: rules_.OpenSelected(); break;
        case kOpenFolder: rules_.OpenContainingFolder(); break;
        case kCopyAddress: rules_.CopyAddress(); break;
        // The shortcut manager, the options dialog and the About window come with their own windows.
        case kShortcuts:
        case kSettings:
        case kAbout:
        case kNewShortcut:
        case kAddEdit:
        default: break;
    }
}

void LauncherWindow::OnTray(LPARAM event) {
    switch (LOWORD(event)) {
        case WM_LBUTTONUP:
            TrayClick();
            break;
        case WM_RBUTTONUP:
        case WM_CONTEXTMENU: {
            POINT pt{};
            GetCursorPos(&pt);
            TrackMenu(menu1_.get(), pt);
            break;
        }
        default:
            break;
    }
}

void LauncherWindow::TrayClick() {
    HWND app = GetWindow(hwnd_, GW_OWNER);
    if (app && IsIconic(app)) ShowWindow(app, SW_RESTORE);
    if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
}

void LauncherWindow::OnHotKey(WPARAM, LPARAM lp) {
    if (!hotkeys_) return;
    if (hotkeys_->OnHotKeyMessage(LOWORD(lp), HIWORD(lp))) HotKeyPressed();
}

void LauncherWindow::HotKeyPressed() {
    rules_.HKM1HotKeyPressed();
    if (!IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_SHOW);
    SetFocus(edit_);
    SendMessageA(edit_, EM_SETSEL, 0, -1);
    SetForegroundWindow(hwnd_);
    SetFocus(edit_);
}

bool LauncherWindow::RegisterHotkey(int value) { return hotkeys_ && hotkeys_->RegisterAppHotkey(value) != 0; }

// ---------------------------------------------------------------- MainView

void LauncherWindow::HideTaskbarButton() {
    HWND app = GetWindow(hwnd_, GW_OWNER);
    if (app) SetWindowLongA(app, GWL_EXSTYLE, GetWindowLongA(app, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
}

void LauncherWindow::SetOpacity(int alpha) {
    alpha_ = std::clamp(alpha, 0, 255);
    ApplyLayered();
}

void LauncherWindow::ApplyLayered() {
    DWORD flags = LWA_ALPHA;
    COLORREF key = 0;
    if (geometry_.see_through) {
        flags |= LWA_COLORKEY;
        key = Colour(look_.see_through);
    }
    SetLayeredWindowAttributes(hwnd_, key, static_cast<BYTE>(alpha_), flags);
}

void LauncherWindow::SetItemHeight(int pixels) {
    SendMessageA(list_, LB_SETITEMHEIGHT, 0, pixels);
    InvalidateRect(list_, nullptr, TRUE);
}

void LauncherWindow::SetWindowFrame(bool frame) {
    LONG style = GetWindowLongA(hwnd_, GWL_STYLE);
    style &= ~(WS_POPUP | WS_CAPTION | WS_THICKFRAME);
    style |= frame ? (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU) : WS_POPUP;
    SetWindowLongA(hwnd_, GWL_STYLE, style);
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void LauncherWindow::SetPosition(int left, int top) {
    SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

MainView::Position LauncherWindow::GetPosition() {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return {r.left, r.top};
}

// The rule is portable (app/window_placement); only the monitors and the pointer come from here.
void LauncherWindow::KeepOnScreen(bool position_saved) {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    const ScreenRect placed = PlaceWindow({r.left, r.top, r.right, r.bottom}, position_saved, win32::Monitors(),
                                          win32::PointerPosition());
    if (placed.left != r.left || placed.top != r.top) SetPosition(placed.left, placed.top);
}

void LauncherWindow::ApplyStayOnTop(bool on) {
    SetWindowPos(hwnd_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void LauncherWindow::AcceptDroppedFiles() { DragAcceptFiles(hwnd_, TRUE); }

void LauncherWindow::CreateProgramMutex() { mutex_.reset(CreateMutexA(nullptr, FALSE, "OVVantrix")); }

void LauncherWindow::RefillResultList(int rows) {
    SendMessageA(list_, LB_SETCOUNT, static_cast<WPARAM>(rows), 0);
    SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    InvalidateRect(list_, nullptr, TRUE);
}

void LauncherWindow::ShowSelection(int row) {
    SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

void LauncherWindow::ShowLabels(const CoolLabels& labels) {
    labels_ = labels;
    if (geometry_.cool_texts_visible) Invalidate();
}

void LauncherWindow::FocusEdit() {
    if (IsWindowVisible(hwnd_)) SetFocus(edit_);
}

void LauncherWindow::SetEditText(const std::string& text) { SetWindowTextA(edit_, text.c_str()); }

bool LauncherWindow::IsShowing() { return IsWindowVisible(hwnd_) != FALSE; }

void LauncherWindow::Hide() { ShowWindow(hwnd_, SW_HIDE); }

void LauncherWindow::ShowAtStart() {
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    SetFocus(edit_);
}

void LauncherWindow::ShowError(const std::string& text) {
    MessageBoxA(hwnd_, text.c_str(), "Vantrix", MB_OK | MB_ICONERROR);
}

// ---------------------------------------------------------------- theme and layout

COLORREF LauncherWindow::Colour(std::uint32_t c) const {
    // Named system colours of a theme carry the system colour's index.
    if (const auto index = SystemColorIndex(c)) return GetSysColor(*index);
    return ToColorRef(c);
}

void LauncherWindow::ApplyLook(const ThemeLook& look) {
    look_ = look;
    edit_font_ = win32::MakeFont(look.edit.font);
    list_font_ = win32::MakeFont(look.list.font);
    title_font_ = win32::MakeFont(look.title.font);
    for (std::size_t i = 0; i < 4; ++i) cool_fonts_[i] = win32::MakeFont(look.cool_texts[i].font);
    SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(edit_font_.get()), TRUE);
    SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(list_font_.get()), TRUE);
    SendMessageA(list_, LB_SETITEMHEIGHT, 0, rules_.ItemHeight());
    edit_brush_.reset(CreateSolidBrush(Colour(look.edit.back)));
    list_brush_.reset(CreateSolidBrush(Colour(look.list.back)));
    win32::SetBorder(edit_, look.edit.border ? win32::Border::Bevel : win32::Border::None);
    win32::SetBorder(list_, look.list.border ? win32::Border::Single : win32::Border::None);
    // An image that does not load leaves the element's image as it was.
    auto load = [](win32::UniqueBitmap& target, const std::string& path) {
        if (path.empty()) return;
        if (auto bmp = win32::BitmapFromPath(path)) target = std::move(bmp);
    };
    load(menu_image_, look.menu_button.image);
    load(menu_hot_image_, look.menu_button.image_hot);
    load(hide_image_, look.hide_button.image);
    load(hide_hot_image_, look.hide_button.image_hot);
    load(back_image_, look.cool_back_image);
    ApplyLayered();
    InvalidateRect(hwnd_, nullptr, FALSE);
    InvalidateRect(edit_, nullptr, TRUE);
    InvalidateRect(list_, nullptr, TRUE);
}

void LauncherWindow::SetWindowSize(int width, int height) {
    SetWindowPos(hwnd_, nullptr, 0, 0, std::max(width, kMinWindowWidth), std::max(height, 1),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void LauncherWindow::PlaceList(const ListPlacement& placement) {
    if (placement.whole) {
        list_place_ = placement;
    } else {
        list_place_.rect.top = placement.rect.top;
        list_place_.anchored = placement.anchored;
    }
    // An anchored list keeps its distances to the right and bottom edges as placed now.
    RECT c{};
    GetClientRect(hwnd_, &c);
    right_margin_ = c.right - (list_place_.rect.left + list_place_.rect.width);
    bottom_margin_ = c.bottom - (list_place_.rect.top + list_place_.rect.height);
    LayoutControls();
}

int LauncherWindow::ClientHeightOffset() {
    RECT w{}, c{};
    GetWindowRect(hwnd_, &w);
    GetClientRect(hwnd_, &c);
    return (w.bottom - w.top) - (c.bottom - c.top);
}

void LauncherWindow::ApplyGeometry(const LayoutGeometry& g) {
    geometry_ = g;
    LayoutControls();
    ShowWindow(list_, g.list_visible ? SW_SHOWNA : SW_HIDE);
    const LONG style = GetWindowLongA(list_, GWL_STYLE);
    SetWindowLongA(list_, GWL_STYLE, g.list_tab_stop ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
    ApplyLayered();
    UpdateRegion();
    Invalidate();
}

void LauncherWindow::LayoutControls() {
    RECT c{};
    GetClientRect(hwnd_, &c);
    const Rect& r = list_place_.rect;
    if (list_place_.anchored) {
        SetWindowPos(list_, nullptr, r.left, r.top, std::max(0L, c.right - r.left - right_margin_),
                     std::max(0L, c.bottom - r.top - bottom_margin_), SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        SetWindowPos(list_, nullptr, r.left, r.top, std::max(0, r.width), std::max(0, r.height),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The edit box keeps the keyboard in Cool mode, but sits outside the visible area.
    SetWindowPos(edit_, nullptr, geometry_.edit_left, 19, 132, 21, SWP_NOZORDER | SWP_NOACTIVATE);
}

void LauncherWindow::OnSize(int, int) {
    if (!edit_) return;
    LayoutControls();
    UpdateRegion();
    Invalidate();
}

void LauncherWindow::UpdateRegion() {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    const RegionRect o = OutlineFor(geometry_.cool, r.right - r.left, r.bottom - r.top);
    // The window owns the region once it is set.
    SetWindowRgn(hwnd_, CreateRoundRectRgn(o.left, o.top, o.right, o.bottom, o.corner_width, o.corner_height), TRUE);
}

void LauncherWindow::Invalidate() { InvalidateRect(hwnd_, nullptr, FALSE); }

RECT LauncherWindow::MenuButtonRect() const { return {101, 4, 118, 18}; }
RECT LauncherWindow::HideButtonRect() const { return {120, 4, 137, 18}; }

LauncherWindow::Part LauncherWindow::HitTest(POINT pt) const {
    RECT c{};
    GetClientRect(hwnd_, &c);
    if (!geometry_.frame_visible) return Part::CoolSurface;
    RECT mb = MenuButtonRect(), hb = HideButtonRect();
    if (PtInRect(&mb, pt)) return Part::MenuButton;
    if (PtInRect(&hb, pt)) return Part::HideButton;
    if (pt.y < kTitleHeight) return Part::Title;
    if (pt.y >= c.bottom - kBottomStrip) return Part::BottomStrip;
    return Part::Other;
}

void LauncherWindow::OnPaint() {
    win32::ScopedPaint paint(hwnd_);
    RECT c{};
    GetClientRect(hwnd_, &c);
    win32::BufferedDC dc(paint.get(), c);
    HDC h = dc.get();
    // Back to front: window colour, background bitmap, frame strips, shape, texts.
    win32::FillSolid(h, c, Colour(geometry_.see_through ? look_.see_through : geometry_.window_color));
    if (geometry_.back_image_visible) win32::DrawBitmap(h, back_image_.get(), 0, 0);
    if (geometry_.frame_visible) {
        const COLORREF frame = Colour(look_.frame_color);
        win32::FillSolid(h, RECT{0, 0, c.right, kTitleHeight}, frame);
        win32::FillSolid(h, RECT{0, kTitleHeight, kStripWidth, c.bottom - kBottomStrip}, frame);
        win32::FillSolid(h, RECT{c.right - kStripWidth, kTitleHeight, c.right, c.bottom - kBottomStrip}, frame);
        win32::FillSolid(h, RECT{0, c.bottom - kBottomStrip, c.right, c.bottom}, frame);
        win32::DrawLabel(h, "OV VTX 2.0", title_font_.get(), Colour(look_.title.font.color), Align::Left,
                         RECT{8, 4, 100, kTitleHeight});
        auto button = [&](RECT r, std::uint32_t colour, HBITMAP image) {
            win32::FillSolid(h, r, Colour(colour));
            BITMAP bm{};
            if (image && GetObjectA(image, sizeof bm, &bm)) {
                win32::DrawBitmap(h, image, r.left + (r.right - r.left - bm.bmWidth) / 2,
                                  r.top + (r.bottom - r.top - bm.bmHeight) / 2);
            }
        };
        button(MenuButtonRect(), look_.menu_button.color, menu_hot_ ? menu_hot_image_.get() : menu_image_.get());
        button(HideButtonRect(), look_.hide_button.color, hide_hot_ ? hide_hot_image_.get() : hide_image_.get());
    }
    if (geometry_.shape_visible && look_.shape.visible) {
        win32::FillRoundRect(h, look_.shape.left, look_.shape.top, look_.shape.width, look_.shape.height,
                             Colour(look_.shape.color));
    }
    if (geometry_.cool_texts_visible) {
        const std::string* texts[4] = {&labels_.shname, &labels_.shinfo, &labels_.shinfoleft, &labels_.shinforight};
        for (std::size_t i = 0; i < 4; ++i) {
            const TextElement& t = look_.cool_texts[i];
            win32::DrawLabel(h, *texts[i], cool_fonts_[i].get(), Colour(t.font.color), t.align,
                             RECT{t.left, t.top, t.left + t.width, t.top + t.height});
        }
    }
}

// ---------------------------------------------------------------- mouse

void LauncherWindow::StartMove() {
    ReleaseCapture();
    SendMessageA(hwnd_, WM_SYSCOMMAND, kMoveFromClient, 0);
}

void LauncherWindow::OnMouseDown(POINT pt) {
    switch (HitTest(pt)) {
        case Part::Title:
        case Part::CoolSurface:
            StartMove();
            break;
        case Part::BottomStrip:
            sizing_ = true;
            SetCapture(hwnd_);
            break;
        default:
            break;
    }
}

void LauncherWindow::OnMouseUp(POINT pt) {
    if (sizing_) {
        sizing_ = false;
        ReleaseCapture();
        POINT screen{};
        GetCursorPos(&screen);
        RECT r{};
        GetWindowRect(hwnd_, &r);
        const int height = rules_.DragHeight(screen.y, r.top);
        SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    switch (HitTest(pt)) {
        case Part::MenuButton: {
            RECT b = MenuButtonRect();
            POINT p{b.left, b.bottom};
            ClientToScreen(hwnd_, &p);
            TrackMenu(menu2_.get(), p);
            break;
        }
        case Part::HideButton:
            Hide();
            break;
        default:
            break;
    }
}

void LauncherWindow::OnRightUp(POINT pt) {
    if (geometry_.frame_visible) return;
    POINT screen = pt;
    ClientToScreen(hwnd_, &screen);
    TrackMenu(menu2_.get(), screen);
}

void LauncherWindow::OnMouseMove(POINT pt) {
    if (!tracking_mouse_) {
        TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, hwnd_, 0};
        tracking_mouse_ = TrackMouseEvent(&t) != FALSE;
    }
    const Part part = HitTest(pt);
    const bool menu_hot = part == Part::MenuButton, hide_hot = part == Part::HideButton;
    if (menu_hot != menu_hot_ || hide_hot != hide_hot_) {
        menu_hot_ = menu_hot;
        hide_hot_ = hide_hot;
        RECT r{MenuButtonRect().left, 0, HideButtonRect().right, kTitleHeight};
        InvalidateRect(hwnd_, &r, FALSE);
    }
}

bool LauncherWindow::OnSetCursor() {
    POINT pt{};
    GetCursorPos(&pt);
    ScreenToClient(hwnd_, &pt);
    if (sizing_ || HitTest(pt) == Part::BottomStrip) {
        SetCursor(LoadCursor(nullptr, IDC_SIZENS));
        return true;
    }
    return false;
}

// ---------------------------------------------------------------- the result list

void LauncherWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.hwndItem != list_) return;
    HDC dc = item.hDC;
    const RECT r = item.rcItem;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    win32::FillSolid(dc, r, selected ? GetSysColor(COLOR_HIGHLIGHT) : Colour(look_.list.back));
    if (item.itemID == static_cast<UINT>(-1) || static_cast<int>(item.itemID) >= rules_.RowCount()) return;
    const RowDrawing row = rules_.PaintRow(static_cast<int>(item.itemID));
    if (row.paint.background) {
        const auto& b = *row.paint.background;
        // The label covers the row whatever its selection state; a frame in the selection
        // colour keeps a labelled row's selection visible.
        // Clipped to the row, so that repainting one row leaves no band on its neighbour.
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        win32::FillSolid(dc, RECT{r.left - 1, r.top, r.right + 2, r.bottom + 2}, RGB(b.red, b.green, b.blue));
        RestoreDC(dc, saved);
        if (selected) {
            const COLORREF h = GetSysColor(COLOR_HIGHLIGHT);
            win32::FillSolid(dc, RECT{r.left, r.top, r.right, r.top + 2}, h);
            win32::FillSolid(dc, RECT{r.left, r.bottom - 2, r.right, r.bottom}, h);
            win32::FillSolid(dc, RECT{r.left, r.top, r.left + 2, r.bottom}, h);
            win32::FillSolid(dc, RECT{r.right - 2, r.top, r.right, r.bottom}, h);
        }
    }
    {
        win32::ScopedSelect font(dc, list_font_.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, selected && !row.paint.background ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                                           : Colour(look_.list.font.color));
        TextOutA(dc, r.left + row.paint.text_x, r.top + row.paint.text_y, row.paint.text.c_str(),
                 static_cast<int>(row.paint.text.size()));
    }
    for (const auto& candidate : row.icons) {
        if (auto icon = win32::ExtractSmallIcon(candidate.source, candidate.index)) {
            DrawIconEx(dc, r.left + 2, r.top, icon.get(), 16, 16, 0, nullptr, DI_NORMAL);
            break;
        }
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
}

void LauncherWindow::OnCommand(int id, int code, HWND control) {
    if (control == edit_ && code == EN_CHANGE) {
        rules_.Edit2Change(win32::WindowText(edit_));
        return;
    }
    if (control == list_) {
        if (code == LBN_SELCHANGE) {
            rules_.SelectRow(static_cast<int>(SendMessageA(list_, LB_GETCURSEL, 0, 0)));
        } else if (code == LBN_DBLCLK) {
            rules_.ListEnter();
        }
        return;
    }
    if (!control) RunMenuCommand(id);
}

void LauncherWindow::ListRightUp(POINT client_pt) {
    const LRESULT hit = SendMessageA(list_, LB_ITEMFROMPOINT, 0, MAKELPARAM(client_pt.x, client_pt.y));
    const int row = HIWORD(hit) ? -1 : static_cast<int>(LOWORD(hit));
    rules_.SelectRow(row);
    ShowSelection(row);
    const bool folder = rules_.OpenContainingFolderAvailable(row);
    // A popup menu item cannot be hidden, so it is removed and put back (enabled) as needed.
    const bool present = GetMenuState(menu3_.get(), kOpenFolder, MF_BYCOMMAND) != static_cast<UINT>(-1);
    if (!folder && present) RemoveMenu(menu3_.get(), kOpenFolder, MF_BYCOMMAND);
    if (folder && !present) InsertMenuA(menu3_.get(), 1, MF_BYPOSITION | MF_STRING, kOpenFolder, "Open Containing Folder");
    POINT screen = client_pt;
    ClientToScreen(list_, &screen);
    TrackMenu(menu3_.get(), screen);
}

// ---------------------------------------------------------------- keys

bool LauncherWindow::PreTranslate(MSG& msg) {
    if (msg.hwnd != hwnd_ && msg.hwnd != edit_ && msg.hwnd != list_) return false;
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        if (FormKeyDown(msg.wParam)) return true;
    }
    if (msg.message == WM_CHAR && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE)) return true;  // no beep
    return false;
}

bool LauncherWindow::FormKeyDown(WPARAM vk) {
    const KeyAction action = rules_.FormKeyDown(static_cast<int>(vk), KeyHeld(VK_CONTROL), KeyHeld(VK_SHIFT),
                                                KeyHeld(VK_MENU));
    switch (action) {
        case KeyAction::Hide:
            Hide();
            return true;
        case KeyAction::Help:
            rules_.OpenHelpPage("index.htm");
            return true;
        case KeyAction::ToggleCool:
            rules_.ToggleCoolMode();
            return true;
        case KeyAction::ResetAppearance:
            rules_.ResetAppearance();
            return true;
        case KeyAction::ShowManager:
        case KeyAction::ShowOptions:
            return true;  // their windows come later
        case KeyAction::None:
        default:
            return false;
    }
}

bool LauncherWindow::EditKeyDown(WPARAM vk) {
    // A quick Ctrl+Enter may let go of Ctrl before Enter comes up; the chord counts as pressed.
    if (vk == VK_RETURN) enter_with_ctrl_ = KeyHeld(VK_CONTROL);
    if (EditConsumesKey(static_cast<int>(vk))) return true;  // Alt+F4 does nothing in the edit box
    if (vk == VK_UP) rules_.MoveUp();
    if (vk == VK_DOWN) rules_.MoveDown();
    return false;
}

bool LauncherWindow::EditKeyUp(WPARAM vk) {
    if (vk != VK_RETURN) return false;
    const bool ctrl = KeyHeld(VK_CONTROL) || enter_with_ctrl_;
    enter_with_ctrl_ = false;
    rules_.EditEnter(win32::WindowText(edit_), ctrl);
    return true;
}

bool LauncherWindow::ListKeyUp(WPARAM vk) {
    if (vk != VK_RETURN) return false;
    rules_.ListEnter();
    return true;
}

LRESULT CALLBACK LauncherWindow::EditProc(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) noexcept {
    auto* self = reinterpret_cast<LauncherWindow*>(data);
    try {
        switch (msg) {
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN:
                if (self->EditKeyDown(wp)) return 0;
                break;
            case WM_KEYUP:
                if (self->EditKeyUp(wp)) return 0;
                break;
            case WM_NCDESTROY:
                RemoveWindowSubclass(w, EditProc, 1);
                break;
            default:
                break;
        }
    } catch (...) {
    }
    return DefSubclassProc(w, msg, wp, lp);
}

LRESULT CALLBACK LauncherWindow::ListProc(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) noexcept {
    auto* self = reinterpret_cast<LauncherWindow*>(data);
    try {
        switch (msg) {
            case WM_KEYUP:
                if (self->ListKeyUp(wp)) return 0;
                break;
            case WM_RBUTTONUP:
                self->ListRightUp({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
                return 0;
            case WM_NCDESTROY:
                RemoveWindowSubclass(w, ListProc, 1);
                break;
            default:
                break;
        }
    } catch (...) {
    }
    return DefSubclassProc(w, msg, wp, lp);
}

void LauncherWindow::OnDropFiles(HDROP drop) {
    // Dropped files become shortcuts with a later piece of work; the drop is released here.
    DragFinish(drop);
}

}  // namespace vtx
