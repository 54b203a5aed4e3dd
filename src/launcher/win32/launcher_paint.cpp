// The launcher window's painting: the layouts through the shared painter, the owner-drawn
// rows of the result list, the theme's colours, fonts and bitmaps, the layered look.
#include "launcher/win32/launcher_window.h"

#include <algorithm>

#include "platform/win32/wide.h"
#include "platform/win32/win32_icons.h"
#include "themes/builtin_images.h"
#include "themes/win32/gdi_util.h"
#include "themes/win32/layout_painter.h"

namespace vtx {
namespace {

COLORREF ToColorRef(std::uint32_t c) { return static_cast<COLORREF>(c & 0xFFFFFF); }

}  // namespace

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
        const std::wstring text = win32::Utf8ToWide(row.paint.text);
        TextOutW(dc, r.left + S(row.paint.text_x), r.top + S(row.paint.text_y), text.c_str(),
                 static_cast<int>(text.size()));
    }
    for (const auto& candidate : row.icons) {
        if (auto icon = win32::ExtractSmallIcon(candidate.source, candidate.index)) {
            DrawIconEx(dc, r.left + S(2), r.top, icon.get(), S(16), S(16), 0, nullptr, DI_NORMAL);
            break;
        }
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
}

void LauncherWindow::ShowLabels(const CoolLabels& labels) {
    labels_ = labels;
    if (geometry_.cool_texts_visible) Invalidate();
}

COLORREF LauncherWindow::Colour(std::uint32_t c) const {
    // Named system colours of a theme carry the system colour's index.
    if (const auto index = SystemColorIndex(c)) return GetSysColor(*index);
    return ToColorRef(c);
}

LRESULT LauncherWindow::OnControlColour(HDC dc, bool edit) {
    const BoxStyle& box = edit ? look_.edit : look_.list;
    SetTextColor(dc, Colour(box.font.color));
    SetBkColor(dc, Colour(box.back));
    return reinterpret_cast<LRESULT>(edit ? edit_brush_.get() : list_brush_.get());
}

// The built-in images stay on the window until a theme replaces them.
void LauncherWindow::LoadBuiltinImages() {
    edit_brush_.reset(CreateSolidBrush(RGB(255, 255, 255)));
    list_brush_.reset(CreateSolidBrush(RGB(255, 255, 255)));
    back_image_.SetBuiltin(BuiltinImage::Back);
    menu_image_.SetBuiltin(BuiltinImage::Menu);
    menu_hot_image_.SetBuiltin(BuiltinImage::MenuHot);
    hide_image_.SetBuiltin(BuiltinImage::Close);
    hide_hot_image_.SetBuiltin(BuiltinImage::CloseHot);
}

void LauncherWindow::LoadImages() {
    for (win32::LazyBitmap* image : {&back_image_, &menu_image_, &menu_hot_image_, &hide_image_, &hide_hot_image_})
        (void)image->get();
}

void LauncherWindow::ApplyLook(const ThemeLook& look) {
    look_ = look;
    edit_font_ = win32::MakeFont(look.edit.font, dpi_);
    list_font_ = win32::MakeFont(look.list.font, dpi_);
    title_font_ = win32::MakeFont(look.title.font, dpi_);
    for (std::size_t i = 0; i < 4; ++i) cool_fonts_[i] = win32::MakeFont(look.cool_texts[i].font, dpi_);
    SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(edit_font_.get()), TRUE);
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(list_font_.get()), TRUE);
    SendMessageW(list_, LB_SETITEMHEIGHT, 0, S(rules_.ItemHeight()));
    edit_brush_.reset(CreateSolidBrush(Colour(look.edit.back)));
    list_brush_.reset(CreateSolidBrush(Colour(look.list.back)));
    win32::SetBorder(edit_, look.edit.border ? win32::Border::Bevel : win32::Border::None);
    win32::SetBorder(list_, look.list.border ? win32::Border::Single : win32::Border::None);
    // Loaded when first drawn; an image that does not load leaves the element's image as it was.
    menu_image_.SetFile(look.menu_button.image);
    menu_hot_image_.SetFile(look.menu_button.image_hot);
    hide_image_.SetFile(look.hide_button.image);
    hide_hot_image_.SetFile(look.hide_button.image_hot);
    back_image_.SetFile(look.cool_back_image);
    ApplyLayered();
    InvalidateRect(hwnd(), nullptr, FALSE);
    InvalidateRect(edit_, nullptr, TRUE);
    InvalidateRect(list_, nullptr, TRUE);
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
    // Start-up and each theme load ask several times for the same look; each call costs under Wine.
    const LayeredLook wanted{key, static_cast<BYTE>(alpha_), flags};
    if (layered_ == wanted) return;
    if (SetLayeredWindowAttributes(hwnd(), key, wanted.alpha, flags)) layered_ = wanted;
}

void LauncherWindow::SetItemHeight(int pixels) {
    SendMessageW(list_, LB_SETITEMHEIGHT, 0, S(pixels));
    InvalidateRect(list_, nullptr, TRUE);
}

}  // namespace vtx
