// The launcher window's frame: its layout, region and DPI, moving and resizing it, and which
// part of it the pointer is over.
#include "launcher/win32/launcher_window.h"

#include <algorithm>

#include "app/window_placement.h"
#include "platform/win32/ui/dpi.h"
#include "platform/win32/ui/top_most.h"
#include "platform/win32/win32_monitors.h"
#include "themes/win32/layout_painter.h"

namespace vtx {
namespace {

// The system command that lets the user drag the frameless window: move (0xF010) plus 1.
constexpr WPARAM kMoveFromClient = 0xF011;

}  // namespace

int LauncherWindow::S(int px96) const noexcept { return ui::Scale(px96, dpi_); }

int LauncherWindow::Unscaled(int px) const noexcept { return ui::Unscale(px, dpi_); }

void LauncherWindow::SetWindowFrame(bool frame) {
    const LONG was = GetWindowLongW(hwnd(), GWL_STYLE);
    LONG style = was & ~(WS_POPUP | WS_CAPTION | WS_THICKFRAME);
    style |= frame ? (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU) : WS_POPUP;
    // Start-up asks for the frame the window was made with: a frame change is not free.
    if (style == was) return;
    SetWindowLongW(hwnd(), GWL_STYLE, style);
    SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void LauncherWindow::SetPosition(int left, int top) {
    RECT r{};
    if (GetWindowRect(hwnd(), &r) && r.left == left && r.top == top) return;
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
    ui::SetTopMost(hwnd(), on);
}

void LauncherWindow::SetWindowSize(int width, int height) {
    const int w = S(std::max(width, kMinWindowWidth)), h = S(std::max(height, 1));
    RECT r{};
    if (GetWindowRect(hwnd(), &r) && r.right - r.left == w && r.bottom - r.top == h) return;
    SetWindowPos(hwnd(), nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    SendMessageW(list_, LB_SETITEMHEIGHT, 0, S(rules_.ItemHeight()));
}

void LauncherWindow::ApplyGeometry(const LayoutGeometry& g) {
    geometry_ = g;
    LayoutControls();
    ShowWindow(list_, g.list_visible ? SW_SHOWNA : SW_HIDE);
    const LONG style = GetWindowLongW(list_, GWL_STYLE);
    SetWindowLongW(list_, GWL_STYLE, g.list_tab_stop ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
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
    const std::array<int, 6> outline{S(o.left), S(o.top), S(o.right), S(o.bottom), S(o.corner_width), S(o.corner_height)};
    if (region_ == outline) return;  // every resize and layout asks; most change nothing
    HRGN region = CreateRoundRectRgn(outline[0], outline[1], outline[2], outline[3], outline[4], outline[5]);
    // The window owns the region once it is set; one it refused is still ours to delete.
    if (SetWindowRgn(hwnd(), region, TRUE)) {
        region_ = outline;
    } else if (region) {
        DeleteObject(region);
    }
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

// ---------------------------------------------------------------- mouse

void LauncherWindow::StartMove() {
    ReleaseCapture();
    SendMessageW(hwnd(), WM_SYSCOMMAND, kMoveFromClient, 0);
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

void LauncherWindow::OnMouseLeave() {
    tracking_mouse_ = false;
    if (menu_hot_ || hide_hot_) {
        menu_hot_ = hide_hot_ = false;
        Invalidate();
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

}  // namespace vtx
