#include "launcher/row_paint.h"

#include <array>
#include <utility>

#include "catalogue/shortcut_record.h"

namespace vtx {
namespace {
constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) { return r | (g << 8) | (b << 16); }
}  // namespace

std::optional<std::uint32_t> ColourLabelBackground(std::string_view color) noexcept {
    static constexpr std::array<std::pair<std::string_view, std::uint32_t>, 7> kLabels{{
        {"Red", Rgb(255, 148, 137)},
        {"Orange", Rgb(253, 197, 117)},
        {"Yellow", Rgb(245, 232, 118)},
        {"Green", Rgb(200, 227, 126)},
        {"Blue", Rgb(140, 196, 253)},
        {"Purple", Rgb(217, 180, 228)},
        {"Gray", Rgb(198, 198, 198)},
    }};
    color = color.substr(0, 30);
    for (const auto& [name, value] : kLabels)
        if (name == color) return value;
    return std::nullopt;
}

RowPaint PaintRowOf(std::string_view line, bool show_icons) {
    RowPaint p;
    const std::string_view ty1 = FieldOf(line, kTy1);
    p.show_icon = show_icons && ty1 != type::URL && ty1 != type::MultiShortcut && ty1 != type::Other;
    p.background = ColourLabelBackground(FieldOf(line, kColor));
    p.text = std::string(FieldOf(line, kName));
    if (p.show_icon) {
        if (!p.text.empty() && p.text[0] >= 'a' && p.text[0] <= 'z') p.text[0] = static_cast<char>(p.text[0] - 'a' + 'A');
        p.text_x = 24;
        p.text_y = 2;
    }
    return p;
}

}  // namespace vtx
