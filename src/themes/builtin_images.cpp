#include "themes/builtin_images.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace vtx {

namespace {

// ------------------------------------------------------------------ drawing
struct Rgb {
    float r = 0, g = 0, b = 0;
};

[[nodiscard]] constexpr Rgb Hex(std::uint32_t rrggbb) noexcept {
    return {static_cast<float>((rrggbb >> 16) & 0xFF), static_cast<float>((rrggbb >> 8) & 0xFF),
            static_cast<float>(rrggbb & 0xFF)};
}

[[nodiscard]] Rgb Mix(Rgb a, Rgb b, float t) noexcept {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

[[nodiscard]] float Clamp01(float v) noexcept { return std::clamp(v, 0.0f, 1.0f); }

// Coverage of a pixel by a shape, from the signed distance of its centre (negative inside).
[[nodiscard]] float Coverage(float distance) noexcept { return Clamp01(0.5f - distance); }

// Signed distance from (x, y) to a rectangle with rounded corners, given by its edges.
[[nodiscard]] float RoundRectDistance(float x, float y, float left, float top, float right, float bottom,
                                      float radius) noexcept {
    const float cx = (left + right) / 2, cy = (top + bottom) / 2;
    const float qx = std::abs(x - cx) - ((right - left) / 2 - radius);
    const float qy = std::abs(y - cy) - ((bottom - top) / 2 - radius);
    const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    const float inside = std::min(std::max(qx, qy), 0.0f);
    return outside + inside - radius;
}

// Signed distance to a stroke of the given width along the segment (x1,y1)-(x2,y2), round caps.
[[nodiscard]] float StrokeDistance(float x, float y, float x1, float y1, float x2, float y2, float width) noexcept {
    const float dx = x2 - x1, dy = y2 - y1;
    const float len2 = dx * dx + dy * dy;
    const float t = len2 > 0 ? Clamp01(((x - x1) * dx + (y - y1) * dy) / len2) : 0.0f;
    return std::hypot(x - (x1 + t * dx), y - (y1 + t * dy)) - width / 2;
}

class Canvas {
public:
    Canvas(int width, int height, Rgb fill)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill) {}

    [[nodiscard]] int width() const noexcept { return width_; }
    [[nodiscard]] int height() const noexcept { return height_; }
    [[nodiscard]] Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, Rgb c) { pixels_[Index(x, y)] = c; }
    void Blend(int x, int y, Rgb c, float alpha) {
        if (alpha > 0) Set(x, y, Mix(At(x, y), c, Clamp01(alpha)));
    }

    // Paints every pixel: paint(x, y) receives the pixel centre and returns colour and alpha.
    template <class Paint>
    void Each(Paint paint) {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) paint(x, y, static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
    }

private:
    [[nodiscard]] std::size_t Index(int x, int y) const noexcept {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }
    int width_, height_;
    std::vector<Rgb> pixels_;
};

[[nodiscard]] std::uint8_t Channel(float v) noexcept {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 255.0f)));
}

// ------------------------------------------------------------------ the images
constexpr Rgb kKey = Hex(0xFF00FF);     // see-through colour of the default theme
constexpr Rgb kButton = Hex(0x646464);  // button grey
constexpr Rgb kWhiteRgb = Hex(0xFFFFFF);

// Cool mode background: a dark slate panel with rounded corners and a soft vertical
// gradient, an inset field behind the typed text, a faint pill behind the matching name.
// Outside the corners it is pure see-through colour, edged hard so no tinted fringe shows.
Canvas DrawBack() {
    constexpr int kW = 300, kH = 60;
    constexpr float kRadius = 9;
    const Rgb top = Hex(0x414A5C), bottom = Hex(0x1E222B);
    const Rgb edge = Hex(0x0D0F14);
    const Rgb field_top = Hex(0x505B70), field_bottom = Hex(0x465064);
    const Rgb field_shadow = Hex(0x1A1E26), field_light = Hex(0x6A7690);
    const Rgb accent = Hex(0x7FB2FF);

    Canvas c(kW, kH, kKey);
    c.Each([&](int x, int y, float px, float py) {
        const float d = RoundRectDistance(px, py, 0, 0, kW, kH, kRadius);
        if (d > 0) return;  // outside: stays see-through
        // Body gradient, a touch of light along the upper inner edge, then the dark rim.
        Rgb col = Mix(top, bottom, py / kH);
        const float rim_light = Coverage(std::abs(d + 1.5f) - 0.5f) * 0.22f * Clamp01(1.0f - py / 28.0f);
        col = Mix(col, kWhiteRgb, rim_light);
        col = Mix(col, edge, 1.0f - Coverage(d + 1.0f));

        // Inset field behind text 1 (8,8 281x25): its rim runs from shadow at the top to
        // light at the bottom, and a soft shadow falls inside from the top edge.
        const float fd = RoundRectDistance(px, py, 5, 5, 295, 36, 6);
        const float inside_field = Coverage(fd);
        if (inside_field > 0) {
            const float t = Clamp01((py - 5) / 31.0f);
            Rgb f = Mix(field_top, field_bottom, t);
            f = Mix(f, field_shadow, 0.35f * Clamp01(1.0f - (py - 6) / 4.0f));
            const Rgb rim = Mix(field_shadow, field_light, t * t * (3 - 2 * t));
            f = Mix(f, rim, 0.85f * Coverage(std::abs(fd + 0.5f) - 0.5f));
            col = Mix(col, f, inside_field);
        }

        // A thin accent line under the field, fading towards both ends.
        if (y == 38) {
            const float along = (px - 150.0f) / 140.0f;
            col = Mix(col, accent, 0.6f * Clamp01(1.0f - along * along));
        }

        // Faint pill behind text 2 (83,40 134x17), the matching name.
        const float pd = RoundRectDistance(px, py, 84, 41, 216, 57, 8);
        col = Mix(col, kWhiteRgb, 0.07f * Coverage(pd));
        col = Mix(col, kWhiteRgb, 0.08f * Coverage(std::abs(pd + 0.5f) - 0.5f) * (py < 49 ? 1.0f : 0.3f));
        c.Set(x, y, col);
    });
    return c;
}

// Menu button: three short bars, two pixels high and on the pixel grid so they stay crisp.
Canvas DrawMenu(bool hot) {
    Canvas c(14, 14, kButton);
    const Rgb ink = hot ? kWhiteRgb : Hex(0xD2D2D2);
    c.Each([&](int x, int y, float px, float py) {
        float d = 1e9f;
        for (float bar : {2.0f, 6.0f, 10.0f}) d = std::min(d, RoundRectDistance(px, py, 3, bar, 11, bar + 2, 0.7f));
        c.Blend(x, y, ink, Coverage(d));
    });
    return c;
}

// Hide button: a diagonal cross on the button grey.
Canvas DrawClose(bool hot) {
    Canvas c(14, 14, kButton);
    const Rgb ink = hot ? kWhiteRgb : Hex(0xD2D2D2);
    c.Each([&](int x, int y, float px, float py) {
        const float d = std::min(StrokeDistance(px, py, 3.5f, 3.5f, 10.5f, 10.5f, 1.4f),
                                 StrokeDistance(px, py, 10.5f, 3.5f, 3.5f, 10.5f, 1.4f));
        c.Blend(x, y, ink, Coverage(d));
    });
    return c;
}

// ------------------------------------------------------------------ .bmp encoding
void Put16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

[[nodiscard]] std::uint32_t RowBytes(int width, int bits) noexcept {
    return ((static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bits) + 31) / 32) * 4;
}

void PutHeaders(std::string& out, int width, int height, int bits, std::uint32_t palette_size) {
    constexpr std::uint32_t kFileHeader = 14, kInfoHeader = 40;
    constexpr std::uint32_t kPixelsPerMetre = 3780;  // 96 dots per inch
    const std::uint32_t image = RowBytes(width, bits) * static_cast<std::uint32_t>(height);
    const std::uint32_t offset = kFileHeader + kInfoHeader + palette_size * 4;
    out += "BM";
    Put32(out, offset + image);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, kInfoHeader);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));  // positive: bottom-up rows
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bits));
    Put32(out, 0);  // BI_RGB
    Put32(out, image);
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, palette_size);
    Put32(out, 0);
}

std::string Encode24(const Canvas& c) {
    std::string out;
    PutHeaders(out, c.width(), c.height(), 24, 0);
    const std::uint32_t pad = RowBytes(c.width(), 24) - static_cast<std::uint32_t>(c.width()) * 3;
    for (int y = c.height() - 1; y >= 0; --y) {
        for (int x = 0; x < c.width(); ++x) {
            const Rgb p = c.At(x, y);
            out += static_cast<char>(Channel(p.b));
            out += static_cast<char>(Channel(p.g));
            out += static_cast<char>(Channel(p.r));
        }
        out.append(pad, '\0');
    }
    return out;
}

// Grey images with a ramp of 16 greys from the button grey up to white as their palette.
std::string EncodeGrey4(const Canvas& c) {
    constexpr int kColors = 16;
    const float low = kButton.r, high = 255.0f;
    std::string out;
    PutHeaders(out, c.width(), c.height(), 4, kColors);
    for (int i = 0; i < kColors; ++i) {
        const std::uint8_t v = Channel(low + (high - low) * static_cast<float>(i) / (kColors - 1));
        out += static_cast<char>(v);
        out += static_cast<char>(v);
        out += static_cast<char>(v);
        out += '\0';
    }
    auto index = [&](Rgb p) {
        const float grey = (p.r + p.g + p.b) / 3;
        return static_cast<unsigned>(std::lround(Clamp01((grey - low) / (high - low)) * (kColors - 1)));
    };
    const std::uint32_t row = RowBytes(c.width(), 4);
    for (int y = c.height() - 1; y >= 0; --y) {
        std::string bytes(row, '\0');
        for (int x = 0; x < c.width(); ++x) {
            const unsigned shift = (x % 2 == 0) ? 4 : 0;  // the left pixel sits in the high nibble
            auto& b = bytes[static_cast<std::size_t>(x / 2)];
            b = static_cast<char>(static_cast<unsigned char>(b) | (index(c.At(x, y)) << shift));
        }
        out += bytes;
    }
    return out;
}

}  // namespace

const char* BuiltinImageFileName(BuiltinImage image) noexcept {
    switch (image) {
        case BuiltinImage::Back: return "back1.bmp";
        case BuiltinImage::Menu: return "menu1.bmp";
        case BuiltinImage::MenuHot: return "menu2.bmp";
        case BuiltinImage::Close: return "close1.bmp";
        case BuiltinImage::CloseHot: return "close2.bmp";
    }
    return "";
}

namespace {

std::string Render(BuiltinImage image) {
    switch (image) {
        case BuiltinImage::Back: return Encode24(DrawBack());
        case BuiltinImage::Menu: return Encode24(DrawMenu(false));
        case BuiltinImage::MenuHot: return Encode24(DrawMenu(true));
        case BuiltinImage::Close: return EncodeGrey4(DrawClose(false));
        case BuiltinImage::CloseHot: return EncodeGrey4(DrawClose(true));
    }
    return {};
}

}  // namespace

std::string BuiltinBitmapFile(BuiltinImage image) {
    // Drawn once per run: the window shows them and the start-up check may write them.
    static const std::array<std::string, kBuiltinImages.size()> files = [] {
        std::array<std::string, kBuiltinImages.size()> out;
        for (std::size_t i = 0; i < out.size(); ++i) out[i] = Render(kBuiltinImages[i]);
        return out;
    }();
    for (std::size_t i = 0; i < files.size(); ++i)
        if (kBuiltinImages[i] == image) return files[i];
    return {};
}

}  // namespace vtx
