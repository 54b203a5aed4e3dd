#include "launcher/row_paint.h"

#include <gtest/gtest.h>

namespace vtx {
namespace {

TEST(RowPaint, ColourLabelsAreExactWords) {
    struct Case { const char* color; std::optional<std::uint32_t> rgb; };
    const Case cases[] = {
        {"Red", 255u | (148u << 8) | (137u << 16)},
        {"Orange", 253u | (197u << 8) | (117u << 16)},
        {"Yellow", 245u | (232u << 8) | (118u << 16)},
        {"Green", 200u | (227u << 8) | (126u << 16)},
        {"Blue", 140u | (196u << 8) | (253u << 16)},
        {"Purple", 217u | (180u << 8) | (228u << 16)},
        {"Gray", 198u | (198u << 8) | (198u << 16)},
        {"red", std::nullopt}, {"None", std::nullopt}, {"", std::nullopt}, {"Grey", std::nullopt},
        {"Red ", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ColourLabelBackground(c.color), c.rgb) << c.color;
}

TEST(RowPaint, IconRowsAreCapitalisedAndIndented) {
    const auto program = PaintRowOf("calc|c:\\calc.exe|||||||SW_SHOWNORMAL|Program|||Red||1", true);
    EXPECT_TRUE(program.show_icon);
    EXPECT_EQ(program.text, "Calc");
    EXPECT_EQ(program.text_x, 24);
    EXPECT_EQ(program.text_y, 2);
    EXPECT_TRUE(program.background.has_value());

    for (const char* ty : {"URL", "MultiShortcut", "Other"}) {
        const auto row = PaintRowOf(std::string("web|x|||||||SW_SHOWNORMAL|") + ty, true);
        EXPECT_FALSE(row.show_icon) << ty;
        EXPECT_EQ(row.text, "web") << ty;
        EXPECT_EQ(row.text_x, 3) << ty;
        EXPECT_EQ(row.text_y, 1) << ty;
    }
    // Without the setting no row has an icon and names stay as stored.
    EXPECT_FALSE(PaintRowOf("calc|c:\\calc.exe|||||||SW_SHOWNORMAL|Program", false).show_icon);
    EXPECT_EQ(PaintRowOf("calc|c:\\calc.exe|||||||SW_SHOWNORMAL|Program", false).text, "calc");
    // Only "a" to "z" is capitalised.
    EXPECT_EQ(PaintRowOf("\xe9t\xe9|x|||||||SW_SHOWNORMAL|File", true).text, "\xe9t\xe9");
    EXPECT_EQ(PaintRowOf("1st|x|||||||SW_SHOWNORMAL|File", true).text, "1st");
}

}  // namespace
}  // namespace vtx
