#include "editors/win32/theme_editor_previews.h"

#include <algorithm>
#include <array>
#include <span>

#include "platform/win32/ui/dpi.h"
#include "platform/win32/ui/subclass.h"
#include "themes/builtin_images.h"
#include "themes/win32/gdi_util.h"
#include "themes/win32/layout_painter.h"

namespace vtx {
namespace {

constexpr const char* kSampleRows[] = {"Calculator", "Command Prompt", "Notepad", "Paint", "WordPad"};

}  // namespace

void ThemeEditorPreviews::TrackPointer(HWND preview, const ui::ControlSet& controls) {
    ui::Subclass(preview, [this, preview, &controls](UINT msg, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
        if (msg != WM_MOUSEMOVE && msg != WM_MOUSELEAVE) return std::nullopt;
        Button over = Button::None;
        if (msg == WM_MOUSEMOVE) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, preview, 0};
            TrackMouseEvent(&track);
            const UINT dpi = controls.dpi();
            const POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
            auto inside = [&](const RECT& b) {
                const RECT r{ui::Scale(b.left, dpi), ui::Scale(b.top, dpi), ui::Scale(b.right, dpi), ui::Scale(b.bottom, dpi)};
                return PtInRect(&r, pt) != FALSE;
            };
            if (inside(win32::kMenuButtonBox)) over = Button::Menu;
            if (inside(win32::kHideButtonBox)) over = Button::Hide;
        }
        if (over != hot_) {
            hot_ = over;
            InvalidateRect(preview, nullptr, FALSE);
        }
        return std::nullopt;
    });
}

void ThemeEditorPreviews::Refresh(const ThemeLook& look, HWND normal_preview, HWND cool_preview) {
    // Reloaded only when a path changes; an image that does not load keeps the one shown.
    auto load = [](win32::UniqueBitmap& bmp, std::string& shown, const std::string& path, BuiltinImage builtin) {
        if (path == shown) return;
        shown = path;
        auto next = path.empty() ? win32::BitmapFromFile(BuiltinBitmapFile(builtin)) : win32::BitmapFromPath(path);
        if (next) bmp = std::move(next);
    };
    load(menu_bmp_, menu_path_, look.menu_button.image, BuiltinImage::Menu);
    load(menu_hot_bmp_, menu_hot_path_, look.menu_button.image_hot, BuiltinImage::MenuHot);
    load(hide_bmp_, hide_path_, look.hide_button.image, BuiltinImage::Close);
    load(hide_hot_bmp_, hide_hot_path_, look.hide_button.image_hot, BuiltinImage::CloseHot);
    load(back_bmp_, back_path_, look.cool_back_image, BuiltinImage::Back);
    InvalidateRect(normal_preview, nullptr, FALSE);
    InvalidateRect(cool_preview, nullptr, FALSE);
}

void ThemeEditorPreviews::DrawNormal(const DRAWITEMSTRUCT& item, const ThemeLook& look, UINT dpi) const {
    const RECT c = item.rcItem;
    win32::BufferedDC buffer(item.hDC, c);
    HDC dc = buffer.get();
    auto S = [dpi](int px) { return ui::Scale(px, dpi); };
    const win32::UniqueFont title = win32::MakeFont(look.title.font, dpi);
    win32::LayoutPaint p;
    p.look = &look;
    p.window_color = look.form_color;
    p.frame = {17, 2, 2};
    const bool menu_hot = hot_ == Button::Menu && menu_hot_bmp_;
    const bool hide_hot = hot_ == Button::Hide && hide_hot_bmp_;
    p.menu_image = menu_hot ? menu_hot_bmp_.get() : menu_bmp_.get();
    p.hide_image = hide_hot ? hide_hot_bmp_.get() : hide_bmp_.get();
    p.title_font = title.get();
    p.dpi = dpi;
    win32::PaintLayout(dc, c, p);
    // The edit box and the list are controls of their own in the launcher; here they are
    // drawn in the same place with their theme colours, fonts and tiled borders.
    auto box = [&](const BoxStyle& style, RECT r, std::span<const char* const> rows, int row_height) {
        OffsetRect(&r, c.left, c.top);
        win32::FillSolid(dc, r, win32::ThemeColour(style.back));
        if (style.border) DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
        const win32::UniqueFont font = win32::MakeFont(style.font, dpi);
        int y = r.top + S(3);
        for (const char* row : rows) {
            win32::DrawLabel(dc, row, font.get(), win32::ThemeColour(style.font.color), Align::Left,
                             RECT{r.left + S(4), y, r.right - S(2), std::min<LONG>(y + S(row_height), r.bottom - S(2))});
            y += S(row_height);
        }
    };
    const char* edit_text[] = {"Edit1"};
    box(look.edit, RECT{S(5), S(19), S(137), S(40)}, edit_text, 16);
    box(look.list, RECT{S(5), S(42), S(137), S(249)}, kSampleRows, 18);
}

void ThemeEditorPreviews::DrawCool(const DRAWITEMSTRUCT& item, const ThemeEditorRules& rules, UINT dpi) const {
    const RECT c = item.rcItem;
    win32::BufferedDC buffer(item.hDC, c);
    const ThemeLook& look = rules.look();
    std::array<win32::UniqueFont, 4> fonts;
    win32::LayoutPaint p;
    p.look = &look;
    p.frame_visible = false;
    p.back_image_visible = true;
    p.cool_texts_visible = true;
    p.window_color = rules.cool_panel_color();
    p.back_image = back_bmp_.get();
    for (std::size_t i = 0; i < 4; ++i) {
        fonts[i] = win32::MakeFont(look.cool_texts[i].font, dpi);
        p.cool_fonts[i] = fonts[i].get();
        p.cool_texts[i] = "Text " + std::to_string(i + 1);
    }
    p.opaque_text = rules.opaque_text();
    p.dpi = dpi;
    win32::PaintLayout(buffer.get(), c, p);
}

}  // namespace vtx
