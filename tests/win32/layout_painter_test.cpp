#include "themes/win32/layout_painter.h"

#include <gtest/gtest.h>

#include "themes/win32/gdi_util.h"
#include "themes/builtin_images.h"
#include "temp_folder.h"

#include <vector>

namespace vtx::win32 {
namespace {

// A memory DC of the given size to paint on and read back.
class Surface {
public:
    Surface(int w, int h) : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~Surface() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    [[nodiscard]] HDC dc() const { return dc_; }
    [[nodiscard]] COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

TEST(LayoutPainter, PaintsTheNormalLayoutAtAnyScale) {
    ThemeLook look;
    look.frame_color = 0x102030;
    look.form_color = 0x00FF00;
    look.menu_button.color = 0x0000FF;
    for (UINT dpi : {96u, 192u}) {
        const int k = static_cast<int>(dpi) / 96;
        Surface s(141 * k, 200 * k);
        LayoutPaint p;
        p.look = &look;
        p.window_color = look.form_color;
        p.dpi = dpi;
        PaintLayout(s.dc(), RECT{0, 0, 141 * k, 200 * k}, p);
        EXPECT_EQ(s.At(60 * k, 1 * k), 0x102030u) << "title bar at " << dpi;
        EXPECT_EQ(s.At(60 * k, 17 * k), 0x102030u) << "title bar bottom row at " << dpi;
        EXPECT_EQ(s.At(60 * k, 18 * k + 1), 0x00FF00u) << "window colour below the title at " << dpi;
        EXPECT_EQ(s.At(1, 100 * k), 0x102030u) << "left strip at " << dpi;
        EXPECT_EQ(s.At(70 * k, 195 * k), 0x102030u) << "bottom strip at " << dpi;
        EXPECT_EQ(s.At(102 * k, 5 * k), 0x0000FFu) << "menu button at " << dpi;
    }
}

TEST(LayoutPainter, CoolLayoutShowsTheBitmapAndAnOpaqueTextRectangle) {
    ThemeLook look;
    look.cool_texts[2] = {FontSpec{}, 0x0080FF, Align::Left, 200, 70, 50, 20};
    const UniqueBitmap back = BitmapFromFile(BuiltinBitmapFile(BuiltinImage::Back));
    ASSERT_TRUE(back);
    Surface s(405, 112);
    LayoutPaint p;
    p.look = &look;
    p.frame_visible = false;
    p.back_image_visible = true;
    p.cool_texts_visible = true;
    p.back_image = back.get();
    p.window_color = 0xABCDEF;
    const COLORREF builtin = [&] {
        Surface b(300, 60);
        DrawBitmap(b.dc(), back.get(), 0, 0, 96);
        return b.At(150, 30);
    }();
    for (int opaque : {-1, 2}) {
        p.opaque_text = opaque;
        PaintLayout(s.dc(), RECT{0, 0, 405, 112}, p);
        EXPECT_EQ(s.At(150, 30), builtin) << "the background bitmap at the top left";
        EXPECT_EQ(s.At(350, 100), 0xABCDEFu) << "the panel beside the bitmap";
        EXPECT_EQ(s.At(245, 88), opaque == 2 ? 0x0080FFu : 0xABCDEFu) << "text 3's rectangle, opaque " << opaque;
    }
}

// Which image a LazyBitmap draws, told apart by width: the built-in Back image is 300 pixels
// wide, Menu 14; "wide" and "narrow" are files of those images, "gone" a file that is not there.
TEST(LazyBitmap, DrawsWhatLoadingInTheOrderGivenWouldHaveLeft) {
    test::TempFolder dir;
    ASSERT_TRUE(test::PutFile(dir / "wide.bmp", BuiltinBitmapFile(BuiltinImage::Back)));
    ASSERT_TRUE(test::PutFile(dir / "narrow.bmp", BuiltinBitmapFile(BuiltinImage::Menu)));
    struct Case {
        const char* what;
        std::vector<std::string> steps;  // "builtin", a file name, or "draw"
        long width;                      // 0: nothing to draw
    };
    const Case cases[] = {
        {"nothing given", {}, 0},
        {"the built-in image", {"builtin"}, 300},
        {"a file replaces it", {"builtin", "narrow.bmp"}, 14},
        {"a missing file leaves it", {"builtin", "gone.bmp"}, 300},
        {"the newest file that loads", {"builtin", "wide.bmp", "narrow.bmp", "gone.bmp"}, 14},
        {"a file drawn stays when the next is missing", {"builtin", "narrow.bmp", "draw", "gone.bmp"}, 14},
        {"a file drawn gives way to the next", {"narrow.bmp", "draw", "wide.bmp"}, 300},
        {"the built-in image given again", {"narrow.bmp", "draw", "builtin"}, 300},
    };
    for (const Case& c : cases) {
        LazyBitmap image;
        for (const std::string& step : c.steps) {
            if (step == "builtin") {
                image.SetBuiltin(BuiltinImage::Back);
            } else if (step == "draw") {
                ASSERT_NE(image.get(), nullptr) << c.what;
            } else {
                image.SetFile(dir / step);
            }
        }
        BITMAP info{};
        const HBITMAP drawn = image.get();
        if (c.width == 0) {
            EXPECT_EQ(drawn, nullptr) << c.what;
            continue;
        }
        ASSERT_NE(drawn, nullptr) << c.what;
        ASSERT_NE(GetObjectW(drawn, sizeof info, &info), 0) << c.what;
        EXPECT_EQ(info.bmWidth, c.width) << c.what;
        EXPECT_EQ(image.get(), drawn) << c.what << ": loaded once";
    }
}

}  // namespace
}  // namespace vtx::win32
