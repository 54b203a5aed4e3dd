#include "themes/builtin_images.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>

namespace vtx {
namespace {

std::uint32_t U16(const std::string& b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8);
}
std::uint32_t U32(const std::string& b, std::size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }

// Colour (0xRRGGBB) of a pixel of a 24-bit bitmap; y counts from the top.
std::uint32_t Pixel24(const std::string& b, int x, int y) {
    const auto width = static_cast<int>(U32(b, 18)), height = static_cast<int>(U32(b, 22));
    const int row = ((width * 24 + 31) / 32) * 4;
    const std::size_t at = U32(b, 10) + static_cast<std::size_t>((height - 1 - y) * row + x * 3);
    return static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8) |
           (static_cast<unsigned char>(b[at + 2]) << 16);
}

TEST(BuiltinImages, FileNames) {
    const char* expected[] = {"back1.bmp", "menu1.bmp", "menu2.bmp", "close1.bmp", "close2.bmp"};
    for (std::size_t i = 0; i < kBuiltinImages.size(); ++i)
        EXPECT_STREQ(BuiltinImageFileName(kBuiltinImages[i]), expected[i]);
}

TEST(BuiltinImages, HeadersDescribeTheBitmaps) {
    struct Case {
        BuiltinImage image;
        std::uint32_t width, height, bits, palette, file_size;
    };
    const Case cases[] = {
        {BuiltinImage::Back, 300, 60, 24, 0, 14 + 40 + 900 * 60},
        {BuiltinImage::Menu, 14, 14, 24, 0, 14 + 40 + 44 * 14},
        {BuiltinImage::MenuHot, 14, 14, 24, 0, 14 + 40 + 44 * 14},
        {BuiltinImage::Close, 14, 14, 4, 16, 14 + 40 + 16 * 4 + 8 * 14},
        {BuiltinImage::CloseHot, 14, 14, 4, 16, 14 + 40 + 16 * 4 + 8 * 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(BuiltinImageFileName(c.image));
        const std::string b = BuiltinBitmapFile(c.image);
        ASSERT_EQ(b.size(), c.file_size);
        EXPECT_EQ(b.substr(0, 2), "BM");
        EXPECT_EQ(U32(b, 2), c.file_size);
        EXPECT_EQ(U32(b, 10), 14 + 40 + c.palette * 4);  // pixel data offset
        EXPECT_EQ(U32(b, 14), 40u);                       // BITMAPINFOHEADER
        EXPECT_EQ(U32(b, 18), c.width);
        EXPECT_EQ(U32(b, 22), c.height);  // positive: bottom-up
        EXPECT_EQ(U16(b, 26), 1u);
        EXPECT_EQ(U16(b, 28), c.bits);
        EXPECT_EQ(U32(b, 30), 0u);  // uncompressed
        EXPECT_EQ(U32(b, 34), c.file_size - U32(b, 10));
        EXPECT_EQ(U32(b, 46), c.palette);
    }
}

TEST(BuiltinImages, BackgroundIsSeeThroughOnlyOutsideItsCorners) {
    const std::string b = BuiltinBitmapFile(BuiltinImage::Back);
    const std::uint32_t key = 0xFF00FF;
    for (auto [x, y] : {std::pair{0, 0}, {299, 0}, {0, 59}, {299, 59}}) EXPECT_EQ(Pixel24(b, x, y), key);
    int keyed = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 300; ++x) keyed += Pixel24(b, x, y) == key;
    EXPECT_LT(keyed, 4 * 30);  // the corners only
    // The middle of the panel and the text fields are dark enough for white text.
    for (auto [x, y] : {std::pair{150, 20}, {150, 48}, {40, 48}, {250, 48}}) {
        const std::uint32_t p = Pixel24(b, x, y);
        const unsigned luma = ((p & 0xFF) * 3 + ((p >> 8) & 0xFF) * 6 + ((p >> 16) & 0xFF)) / 10;
        EXPECT_LT(luma, 128u) << x << "," << y;
    }
}

TEST(BuiltinImages, ButtonsDrawAGlyphOnTheButtonGreyAndTheHotOneIsBrighter) {
    const std::string normal = BuiltinBitmapFile(BuiltinImage::Menu);
    const std::string hot = BuiltinBitmapFile(BuiltinImage::MenuHot);
    EXPECT_EQ(Pixel24(normal, 0, 0), 0x646464u);
    std::set<std::uint32_t> colours;
    long sum_normal = 0, sum_hot = 0;
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 14; ++x) {
            colours.insert(Pixel24(normal, x, y));
            sum_normal += Pixel24(normal, x, y) & 0xFF;
            sum_hot += Pixel24(hot, x, y) & 0xFF;
        }
    EXPECT_GT(colours.size(), 1u);
    EXPECT_GT(sum_hot, sum_normal);

    // 4-bit images: the palette starts at the button grey; the hot glyph uses brighter entries.
    const std::string close = BuiltinBitmapFile(BuiltinImage::Close);
    const std::string close_hot = BuiltinBitmapFile(BuiltinImage::CloseHot);
    EXPECT_EQ(U32(close, 54), 0x646464u);
    auto brightest = [](const std::string& b) {
        unsigned best = 0;
        for (std::size_t i = U32(b, 10); i < b.size(); ++i) {
            const auto byte = static_cast<unsigned>(static_cast<unsigned char>(b[i]));
            best = std::max({best, byte >> 4, byte & 0xFu});
        }
        return best;
    };
    EXPECT_GT(brightest(close), 0u);
    EXPECT_GT(brightest(close_hot), brightest(close));
}

}  // namespace
}  // namespace vtx
