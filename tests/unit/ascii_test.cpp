#include "platform/ascii.h"

#include <gtest/gtest.h>

namespace vtx {
namespace {

TEST(Ascii, TrimsBlanksAndControlCharacters) {
    EXPECT_EQ(TrimBlanks("  calc \t\r\n"), "calc");
    EXPECT_EQ(TrimBlanks("\x01 a b \x1f"), "a b");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks("\xe9t\xe9"), "\xe9t\xe9");  // high characters are not blanks
}

TEST(Ascii, ParsesDecimalIntegersOnly) {
    struct Case { const char* text; bool ok; int value; };
    const Case cases[] = {
        {"0", true, 0}, {"200", true, 200}, {"-50", true, -50}, {"+7", true, 7},
        {"", false, 0}, {"-", false, 0}, {"12a", false, 0}, {" 12", false, 0}, {"0x10", false, 0},
        {"2147483647", true, 2147483647}, {"-2147483648", true, -2147483647 - 1}, {"2147483648", false, 0},
        {"99999999999999999999", false, 0},
    };
    for (const auto& c : cases) {
        int v = 0;
        EXPECT_EQ(ParseInt(c.text, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(v, c.value) << c.text;
        }
    }
}

}  // namespace
}  // namespace vtx
