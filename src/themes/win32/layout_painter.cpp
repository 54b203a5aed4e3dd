#include "themes/win32/layout_painter.h"

#include "themes/win32/gdi_util.h"

namespace vtx::win32 {

COLORREF ThemeColour(std::uint32_t c) {
    if (const auto index = SystemColorIndex(c)) return GetSysColor(*index);
    return static_cast<COLORREF>(c & 0xFFFFFF);
}

void PaintLayout(HDC h, const RECT& c, const LayoutPaint& p) {
    const ThemeLook& look = *p.look;
    auto S = [&](int px96) { return MulDiv(px96, static_cast<int>(p.dpi), 96); };
    auto box = [&](RECT r) { return RECT{S(r.left), S(r.top), S(r.right), S(r.bottom)}; };
    FillSolid(h, c, ThemeColour(p.window_color));
    if (p.back_image_visible) DrawBitmap(h, p.back_image, c.left, c.top, p.dpi);
    if (p.frame_visible) {
        const COLORREF frame = ThemeColour(look.frame_color);
        const int title = S(p.frame.title_height), strip = S(p.frame.strip_width), bottom = S(p.frame.bottom_strip);
        FillSolid(h, RECT{c.left, c.top, c.right, c.top + title}, frame);
        FillSolid(h, RECT{c.left, c.top + title, c.left + strip, c.bottom - bottom}, frame);
        FillSolid(h, RECT{c.right - strip, c.top + title, c.right, c.bottom - bottom}, frame);
        FillSolid(h, RECT{c.left, c.bottom - bottom, c.right, c.bottom}, frame);
        DrawLabel(h, "OV VTX 2.0", p.title_font, ThemeColour(look.title.font.color), Align::Left,
                  RECT{c.left + S(8), c.top + S(4), c.left + S(100), c.top + title});
        auto button = [&](RECT r, std::uint32_t colour, HBITMAP image) {
            OffsetRect(&r, c.left, c.top);
            FillSolid(h, r, ThemeColour(colour));
            BITMAP bm{};
            if (image && GetObjectW(image, sizeof bm, &bm)) {
                DrawBitmap(h, image, r.left + (r.right - r.left - S(bm.bmWidth)) / 2,
                           r.top + (r.bottom - r.top - S(bm.bmHeight)) / 2, p.dpi);
            }
        };
        button(box(kMenuButtonBox), look.menu_button.color, p.menu_image);
        button(box(kHideButtonBox), look.hide_button.color, p.hide_image);
    }
    if (p.shape_visible && look.shape.visible) {
        FillRoundRect(h, c.left + S(look.shape.left), c.top + S(look.shape.top), S(look.shape.width),
                      S(look.shape.height), ThemeColour(look.shape.color));
    }
    if (p.cool_texts_visible) {
        for (std::size_t i = 0; i < 4; ++i) {
            const TextElement& t = look.cool_texts[i];
            const RECT r{c.left + S(t.left), c.top + S(t.top), c.left + S(t.left + t.width), c.top + S(t.top + t.height)};
            if (static_cast<int>(i) == p.opaque_text) FillSolid(h, r, ThemeColour(t.back));
            DrawLabel(h, p.cool_texts[i], p.cool_fonts[i], ThemeColour(t.font.color), t.align, r);
        }
    }
}

}  // namespace vtx::win32
