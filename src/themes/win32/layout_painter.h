#pragma once
// Paints the launcher window's two layouts from a theme look onto any device context, at
// any DPI: the launcher window paints itself with it, and the theme editor its previews,
// so what the editor shows is what the launcher will draw.

#include <windows.h>

#include <array>
#include <string>

#include "themes/theme_apply.h"

namespace vtx::win32 {

// The title bar and frame strips in pixels at 96 DPI. The launcher's own; the editor's
// smaller preview passes its own.
struct FrameMetrics {
    int title_height = 18;
    int strip_width = 4;
    int bottom_strip = 7;
};

// The title bar's two buttons, in pixels at 96 DPI.
inline constexpr RECT kMenuButtonBox{101, 4, 118, 18};
inline constexpr RECT kHideButtonBox{120, 4, 137, 18};

struct LayoutPaint {
    const ThemeLook* look = nullptr;
    // What the layout shows: frame, background bitmap, shape, texts, and the window colour.
    bool frame_visible = true;
    bool back_image_visible = false;
    bool shape_visible = false;
    bool cool_texts_visible = false;
    std::uint32_t window_color = kWhite;
    FrameMetrics frame{};
    HBITMAP menu_image = nullptr, hide_image = nullptr, back_image = nullptr;  // as shown now (hover included)
    HFONT title_font = nullptr;
    std::array<HFONT, 4> cool_fonts{};
    std::array<std::string, 4> cool_texts{};
    int opaque_text = -1;  // a Cool text drawn on its own background, showing its rectangle
    UINT dpi = 96;
};

// The colour a theme value stands for; named system colours are resolved.
[[nodiscard]] COLORREF ThemeColour(std::uint32_t c);

// Paints back to front: window colour, background bitmap, frame strips with the title text
// and buttons, the shape, the Cool texts. `client` is the area painted over.
void PaintLayout(HDC dc, const RECT& client, const LayoutPaint& p);

}  // namespace vtx::win32
