#include "launcher/win32/launcher_window.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>
#include <wtsapi32.h>

#include <algorithm>

#include "app/system_notices.h"
#include "app/window_placement.h"
#include "catalogue/web_addresses.h"
#include "catalogue/shortcut_record.h"
#include "launcher/dropped_files.h"
#include "launcher/file_icon.h"
#include "launcher/launcher_keys.h"
#include "themes/win32/gdi_util.h"
#include "themes/win32/layout_painter.h"
#include "platform/win32/single_instance.h"
#include "platform/win32/ui/dpi.h"
#include "platform/win32/ui/foreground.h"
#include "platform/win32/ui/keys.h"
#include "platform/win32/ui/list_texts.h"
#include "platform/win32/ui/message_box.h"
#include "platform/win32/ui/subclass.h"
#include "platform/win32/win32_icons.h"
#include "platform/win32/win32_monitors.h"
#include "platform/trace.h"
#include "themes/builtin_images.h"

namespace vtx {
namespace {

constexpr char kClassName[] = "TForm1";
constexpr UINT kTrayMessage = WM_APP + 1;
constexpr int kEditId = 101;
constexpr int kListId = 102;

// The system command that lets the user drag the frameless window: move (0xF010) plus 1.
constexpr WPARAM kMoveFromClient = 0xF011;

// Geometry of the normal layout, in pixels at 96 DPI.
constexpr int kTitleHeight = 18;
constexpr int kStripWidth = 4;
constexpr int kBottomStrip = 7;

COLORREF ToColorRef(std::uint32_t c) { return static_cast<COLORREF>(c & 0xFFFFFF); }

// A popup menu made from its table; submenus follow their entry one level deeper.
HMENU BuildMenu(const std::vector<MenuEntry>& entries, std::size_t& at, int level) {
    HMENU menu = CreatePopupMenu();
    while (at < entries.size() && entries[at].level == level) {
        const MenuEntry& e = entries[at++];
        if (e.command == Command::None && e.text.empty()) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else if (e.command == Command::None) {
            HMENU sub = BuildMenu(entries, at, level + 1);
            AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), e.text.c_str());
        } else {
            AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(e.command), e.text.c_str());
        }
    }
    return menu;
}

}  // namespace

LauncherWindow::LauncherWindow(HINSTANCE instance, LauncherRules& rules) : instance_(instance), rules_(rules) {}

LauncherWindow::~LauncherWindow() {
    tray_.Remove();
    hotkeys_.reset();  // unregisters while the window still exists
}

bool LauncherWindow::Create(HWND app_window) {
    RegisterFormClass(instance_, kClassName, CS_DBLCLKS, LoadIconA(instance_, MAKEINTRESOURCEA(1)));
    POINT cursor{};
    GetCursorPos(&cursor);
    dpi_ = ui::DpiAt(cursor);
    return CreateForm(instance_, kClassName, "Vantrix", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW | WS_EX_LAYERED,
                      RECT{100, 100, 100 + S(141), 100 + S(200)}, app_window);
}

int LauncherWindow::S(int px96) const noexcept { return ui::Scale(px96, dpi_); }
int LauncherWindow::Unscaled(int px) const noexcept { return ui::Unscale(px, dpi_); }

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
            if (reinterpret_cast<HWND>(wp) == hwnd() && LOWORD(lp) == HTCLIENT && OnSetCursor()) return TRUE;
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
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wp) rules_.app().EndSession();
            return 0;
        // Sleep, a lock or another user's session may have cost the hotkey its registration.
        case WM_POWERBROADCAST:
            if (HotkeyMayBeLost(SystemNotice::Power, static_cast<unsigned>(wp))) rules_.app().CheckHotkey();
            return TRUE;
        case WM_WTSSESSION_CHANGE:
            if (HotkeyMayBeLost(SystemNotice::Session, static_cast<unsigned>(wp))) rules_.app().CheckHotkey();
            return 0;
        case 0x02E0:  // WM_DPICHANGED
            OnDpiChanged(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
            return 0;
        case WM_DESTROY:
            WTSUnRegisterSessionNotification(hwnd());
            tray_.Remove();
            hotkeys_.reset();
            PostQuitMessage(0);
            return 0;
        default:
            if (tray_.OnTaskbarCreated(msg)) return 0;
            if (msg == win32::SingleInstance::SummonMessage() && msg != 0) {  // the program was started again
                Trace("Form1.SecondStart", 0);
                BringUpForTyping();
                return 0;
            }
            break;
    }
    return DefWindowProcW(hwnd(), msg, wp, lp);
}

void LauncherWindow::OnCreate() {
    edit_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, S(5),
                            S(19), S(132), S(21), hwnd(), reinterpret_cast<HMENU>(kEditId), instance_, nullptr);
    list_ = CreateWindowExA(0, "LISTBOX", "",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY |
                                LBS_OWNERDRAWFIXED | LBS_NODATA | LBS_NOINTEGRALHEIGHT,
                            S(5), S(40), S(131), S(152), hwnd(), reinterpret_cast<HMENU>(kListId), instance_, nullptr);
    ui::Subclass(edit_, [this](UINT msg, WPARAM wp, LPARAM lp) { return EditMessage(msg, wp, lp); });
    ui::Subclass(list_, [this](UINT msg, WPARAM wp, LPARAM lp) { return ListMessage(msg, wp, lp); });
    ui::MarkHoldsTexts(list_);
    hotkey_registrar_ = std::make_unique<win32::Win32HotkeyRegistrar>(hwnd());
    hotkeys_ = std::make_unique<HotkeyManager>(*hotkey_registrar_);
    WTSRegisterSessionNotification(hwnd(), NOTIFY_FOR_THIS_SESSION);  // lock, unlock, user switch
    edit_brush_.reset(CreateSolidBrush(RGB(255, 255, 255)));
    list_brush_.reset(CreateSolidBrush(RGB(255, 255, 255)));
    // The built-in images stay on the window until a theme replaces them.
    back_image_ = win32::BitmapFromFile(BuiltinBitmapFile(BuiltinImage::Back));
    menu_image_ = win32::BitmapFromFile(BuiltinBitmapFile(BuiltinImage::Menu));
    menu_hot_image_ = win32::BitmapFromFile(BuiltinBitmapFile(BuiltinImage::MenuHot));
    hide_image_ = win32::BitmapFromFile(BuiltinBitmapFile(BuiltinImage::Close));
    hide_hot_image_ = win32::BitmapFromFile(BuiltinBitmapFile(BuiltinImage::CloseHot));
}

// ---------------------------------------------------------------- tray and menus

void LauncherWindow::AddTrayIcon() { tray_.Add(hwnd(), kTrayMessage, LoadIconA(instance_, MAKEINTRESOURCEA(1)), "VTX 2.0"); }

void LauncherWindow::ShowBalloon(const std::string& title, const std::string& text, int seconds) {
    tray_.Balloon(title, text, seconds);
}

void LauncherWindow::TrackMenu(const std::vector<MenuEntry>& entries, POINT screen_pt, bool tray) {
    std::size_t at = 0;
    win32::UniqueMenu menu(BuildMenu(entries, at, 0));
    if (tray) SetMenuDefaultItem(menu.get(), static_cast<UINT>(Command::ShowVtx), FALSE);
    // Its owner takes the keyboard while it is open, also when the launcher is hidden.
    tray_.TrackMenu(menu.get(), screen_pt, hwnd(),
                    [this](int id) { Do(rules_.RunCommand(static_cast<Command>(id))); });
}

void LauncherWindow::Do(WindowAction action) {
    switch (action) {
        case WindowAction::Show: TrayClick(); break;
        case WindowAction::Hide: Hide(); break;
        case WindowAction::Exit: PostMessageA(hwnd(), WM_CLOSE, 0, 0); break;
        case WindowAction::None: break;
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
            TrackMenu(TrayMenu(), pt, true);
            break;
        }
        default:
            break;
    }
}

void LauncherWindow::TrayClick() {
    HWND app = GetWindow(hwnd(), GW_OWNER);
    if (app && IsIconic(app)) ShowWindow(app, SW_RESTORE);
    if (IsIconic(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
    ShowWindow(hwnd(), SW_SHOW);
    ui::BringToFront(hwnd());
}

void LauncherWindow::OnHotKey(WPARAM, LPARAM lp) {
    if (!hotkeys_) return;
    if (hotkeys_->OnHotKeyMessage(LOWORD(lp), HIWORD(lp))) HotKeyPressed();
}

void LauncherWindow::HotKeyPressed() {
    rules_.HKM1HotKeyPressed();
    BringUpForTyping();
}

void LauncherWindow::BringUpForTyping() {
    ui::ForgetReleasedModifiers();
    if (!IsWindowVisible(hwnd())) ShowWindow(hwnd(), SW_SHOW);
    SetFocus(edit_);
    SendMessageA(edit_, EM_SETSEL, 0, -1);
    ui::BringToFront(hwnd());
    SetFocus(edit_);
}

bool LauncherWindow::RegisterHotkey(int value) { return hotkeys_ && hotkeys_->RegisterAppHotkey(value) != 0; }

bool LauncherWindow::EnsureHotkey(int value) { return hotkeys_ && hotkeys_->EnsureRegistered(value); }

bool LauncherWindow::ReplaceHotkey(int value) {
    if (!hotkeys_) return false;
    hotkeys_->UnregisterAllHotkeys();
    return hotkeys_->RegisterAppHotkey(value) != 0;
}

// ---------------------------------------------------------------- MainView

void LauncherWindow::HideTaskbarButton() {
    HWND app = GetWindow(hwnd(), GW_OWNER);
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
    SetLayeredWindowAttributes(hwnd(), key, static_cast<BYTE>(alpha_), flags);
}

void LauncherWindow::SetItemHeight(int pixels) {
    SendMessageA(list_, LB_SETITEMHEIGHT, 0, S(pixels));
    InvalidateRect(list_, nullptr, TRUE);
}

void LauncherWindow::SetWindowFrame(bool frame) {
    LONG style = GetWindowLongA(hwnd(), GWL_STYLE);
    style &= ~(WS_POPUP | WS_CAPTION | WS_THICKFRAME);
    style |= frame ? (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU) : WS_POPUP;
    SetWindowLongA(hwnd(), GWL_STYLE, style);
    SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void LauncherWindow::SetPosition(int left, int top) {
    SetWindowPos(hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

MainView::Position LauncherWindow::GetPosition() {
    RECT r{};
    GetWindowRect(hwnd(), &r);
    return {r.left, r.top};
}

// The rule is portable (app/window_placement); only the monitors and the pointer come from here.
void LauncherWindow::KeepOnScreen(bool position_saved) {
    RECT r{};
    GetWindowRect(hwnd(), &r);
    const ScreenRect placed = PlaceWindow({r.left, r.top, r.right, r.bottom}, position_saved, win32::Monitors(),
                                          win32::PointerPosition());
    if (placed.left != r.left || placed.top != r.top) SetPosition(placed.left, placed.top);
}

void LauncherWindow::ApplyStayOnTop(bool on) {
    SetWindowPos(hwnd(), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void LauncherWindow::AcceptDroppedFiles() { DragAcceptFiles(hwnd(), TRUE); }

void LauncherWindow::CreateProgramMutex() { mutex_.reset(CreateMutexA(nullptr, FALSE, "OVVantrix")); }

void LauncherWindow::RefillResultList(int rows) {
    rules_.ListRefilled();
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
    if (IsWindowVisible(hwnd())) SetFocus(edit_);
}

void LauncherWindow::SetEditText(const std::string& text) { SetWindowTextA(edit_, text.c_str()); }

bool LauncherWindow::IsShowing() { return IsWindowVisible(hwnd()) != FALSE; }

void LauncherWindow::Hide() {
    chords_.Forget();  // a chord begun before the hide never ends here
    ShowWindow(hwnd(), SW_HIDE);
}

void LauncherWindow::ShowAtStart() {
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SetFocus(edit_);
}

void LauncherWindow::ShowError(const std::string& text) {
    (void)ui::ShowMessage(ui::MessageOwner(hwnd()), text, "Vantrix", MB_OK | MB_ICONERROR);
}

// ---------------------------------------------------------------- theme and layout

COLORREF LauncherWindow::Colour(std::uint32_t c) const {
    // Named system colours of a theme carry the system colour's index.
    if (const auto index = SystemColorIndex(c)) return GetSysColor(*index);
    return ToColorRef(c);
}

void LauncherWindow::ApplyLook(const ThemeLook& look) {
    look_ = look;
    edit_font_ = win32::MakeFont(look.edit.font, dpi_);
    list_font_ = win32::MakeFont(look.list.font, dpi_);
    title_font_ = win32::MakeFont(look.title.font, dpi_);
    for (std::size_t i = 0; i < 4; ++i) cool_fonts_[i] = win32::MakeFont(look.cool_texts[i].font, dpi_);
    SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(edit_font_.get()), TRUE);
    SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(list_font_.get()), TRUE);
    SendMessageA(list_, LB_SETITEMHEIGHT, 0, S(rules_.ItemHeight()));
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
    InvalidateRect(hwnd(), nullptr, FALSE);
    InvalidateRect(edit_, nullptr, TRUE);
    InvalidateRect(list_, nullptr, TRUE);
}

void LauncherWindow::SetWindowSize(int width, int height) {
    SetWindowPos(hwnd(), nullptr, 0, 0, S(std::max(width, kMinWindowWidth)), S(std::max(height, 1)),
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
    GetClientRect(hwnd(), &c);
    right_margin_ = c.right - S(list_place_.rect.left + list_place_.rect.width);
    bottom_margin_ = c.bottom - S(list_place_.rect.top + list_place_.rect.height);
    LayoutControls();
}

int LauncherWindow::ClientHeightOffset() {
    RECT w{}, c{};
    GetWindowRect(hwnd(), &w);
    GetClientRect(hwnd(), &c);
    return Unscaled((w.bottom - w.top) - (c.bottom - c.top));
}

void LauncherWindow::OnDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The layout is entered again: sizes, fonts and images follow the new DPI.
    rules_.app().ReenterLayout();
    SendMessageA(list_, LB_SETITEMHEIGHT, 0, S(rules_.ItemHeight()));
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
    GetClientRect(hwnd(), &c);
    const Rect& r = list_place_.rect;
    if (list_place_.anchored) {
        SetWindowPos(list_, nullptr, S(r.left), S(r.top), std::max(0L, c.right - S(r.left) - right_margin_),
                     std::max(0L, c.bottom - S(r.top) - bottom_margin_), SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        SetWindowPos(list_, nullptr, r.left, r.top, std::max(0, r.width), std::max(0, r.height),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The edit box keeps the keyboard in Cool mode, but sits outside the visible area.
    SetWindowPos(edit_, nullptr, S(geometry_.edit_left), S(19), S(132), S(21), SWP_NOZORDER | SWP_NOACTIVATE);
}

void LauncherWindow::OnSize(int, int) {
    if (!edit_) return;
    LayoutControls();
    UpdateRegion();
    Invalidate();
}

void LauncherWindow::UpdateRegion() {
    RECT r{};
    GetWindowRect(hwnd(), &r);
    const RegionRect o = OutlineFor(geometry_.cool, Unscaled(r.right - r.left), Unscaled(r.bottom - r.top));
    // The window owns the region once it is set.
    SetWindowRgn(hwnd(),
                 CreateRoundRectRgn(S(o.left), S(o.top), S(o.right), S(o.bottom), S(o.corner_width), S(o.corner_height)),
                 TRUE);
}

void LauncherWindow::Invalidate() { InvalidateRect(hwnd(), nullptr, FALSE); }

RECT LauncherWindow::MenuButtonRect() const {
    const RECT& b = win32::kMenuButtonBox;
    return {S(b.left), S(b.top), S(b.right), S(b.bottom)};
}
RECT LauncherWindow::HideButtonRect() const {
    const RECT& b = win32::kHideButtonBox;
    return {S(b.left), S(b.top), S(b.right), S(b.bottom)};
}

LauncherWindow::Part LauncherWindow::HitTest(POINT pt) const {
    RECT c{};
    GetClientRect(hwnd(), &c);
    if (!geometry_.frame_visible) return Part::CoolSurface;
    RECT mb = MenuButtonRect(), hb = HideButtonRect();
    if (PtInRect(&mb, pt)) return Part::MenuButton;
    if (PtInRect(&hb, pt)) return Part::HideButton;
    if (pt.y < S(kTitleHeight)) return Part::Title;
    if (pt.y >= c.bottom - S(kBottomStrip)) return Part::BottomStrip;
    return Part::Other;
}

void LauncherWindow::OnPaint() {
    win32::ScopedPaint paint(hwnd());
    RECT c{};
    GetClientRect(hwnd(), &c);
    win32::BufferedDC dc(paint.get(), c);
    // One painter draws the layouts here and in the theme editor's previews.
    win32::LayoutPaint p;
    p.look = &look_;
    p.frame_visible = geometry_.frame_visible;
    p.back_image_visible = geometry_.back_image_visible;
    p.shape_visible = geometry_.shape_visible;
    p.cool_texts_visible = geometry_.cool_texts_visible;
    p.window_color = geometry_.see_through ? look_.see_through : geometry_.window_color;
    p.frame = {kTitleHeight, kStripWidth, kBottomStrip};
    p.menu_image = menu_hot_ ? menu_hot_image_.get() : menu_image_.get();
    p.hide_image = hide_hot_ ? hide_hot_image_.get() : hide_image_.get();
    p.back_image = back_image_.get();
    p.title_font = title_font_.get();
    for (std::size_t i = 0; i < 4; ++i) p.cool_fonts[i] = cool_fonts_[i].get();
    p.cool_texts = {labels_.shname, labels_.shinfo, labels_.shinfoleft, labels_.shinforight};
    p.dpi = dpi_;
    win32::PaintLayout(dc.get(), c, p);
}

// ---------------------------------------------------------------- mouse

void LauncherWindow::StartMove() {
    ReleaseCapture();
    SendMessageA(hwnd(), WM_SYSCOMMAND, kMoveFromClient, 0);
}

void LauncherWindow::OnMouseDown(POINT pt) {
    switch (HitTest(pt)) {
        case Part::Title:
        case Part::CoolSurface:
            StartMove();
            break;
        case Part::BottomStrip:
            sizing_ = true;
            SetCapture(hwnd());
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
        GetWindowRect(hwnd(), &r);
        const int height = S(rules_.DragHeight(r.top + Unscaled(screen.y - r.top), r.top));
        SetWindowPos(hwnd(), nullptr, 0, 0, r.right - r.left, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    switch (HitTest(pt)) {
        case Part::MenuButton: {
            RECT b = MenuButtonRect();
            POINT p{b.left, b.bottom};
            ClientToScreen(hwnd(), &p);
            TrackMenu(MainMenu(), p);
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
    ClientToScreen(hwnd(), &screen);
    TrackMenu(MainMenu(), screen);
}

void LauncherWindow::OnMouseMove(POINT pt) {
    if (!tracking_mouse_) {
        TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, hwnd(), 0};
        tracking_mouse_ = TrackMouseEvent(&t) != FALSE;
    }
    const Part part = HitTest(pt);
    const bool menu_hot = part == Part::MenuButton, hide_hot = part == Part::HideButton;
    if (menu_hot != menu_hot_ || hide_hot != hide_hot_) {
        menu_hot_ = menu_hot;
        hide_hot_ = hide_hot;
        RECT r{MenuButtonRect().left, 0, HideButtonRect().right, S(kTitleHeight)};
        InvalidateRect(hwnd(), &r, FALSE);
    }
}

bool LauncherWindow::OnSetCursor() {
    POINT pt{};
    GetCursorPos(&pt);
    ScreenToClient(hwnd(), &pt);
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
        TextOutA(dc, r.left + S(row.paint.text_x), r.top + S(row.paint.text_y), row.paint.text.c_str(),
                 static_cast<int>(row.paint.text.size()));
    }
    for (const auto& candidate : row.icons) {
        if (auto icon = win32::ExtractSmallIcon(candidate.source, candidate.index)) {
            DrawIconEx(dc, r.left + S(2), r.top, icon.get(), S(16), S(16), 0, nullptr, DI_NORMAL);
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
    if (!control && id) Do(rules_.RunCommand(static_cast<Command>(id)));
}

void LauncherWindow::ListRightUp(POINT client_pt) {
    const LRESULT hit = SendMessageA(list_, LB_ITEMFROMPOINT, 0, MAKELPARAM(client_pt.x, client_pt.y));
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
    if (vk == VK_UP) rules_.MoveUp();
    if (vk == VK_DOWN) rules_.MoveDown();
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
        const UINT length = DragQueryFileA(drop, 0, nullptr, 0);
        std::string path(kMaxDroppedPath + 1, '\0');
        path.resize(DragQueryFileA(drop, 0, path.data(), static_cast<UINT>(path.size())));
        HandleDroppedFile(rules_, rules_.dialogs(), path, length);
    }
    DragFinish(drop);
}

}  // namespace vtx
