#include "platform/win32/win32_text.h"

#include <gtest/gtest.h>

#include "platform/win32/windows_api.h"

namespace vtx::win32 {
namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

TEST(Win32Text, ComparesByLocaleIgnoringCase) {
    Win32Text text;
    struct Case {
        const char* a;
        const char* b;
        int order;
    } const cases[] = {
        {"a", "A", 0},
        {"Notepad|x", "NOTEPAD|X", 0},
        {"calc|x", "calculator|x", -1},  // "|" sorts before letters
        {"|", "a", -1},
        {"|", "0", -1},                  // and before digits
        {"0", "a", -1},
        {"alpha", "Zeta", -1},
        {"Zeta", "alpha", 1},
        {"", "a", -1},
        {"ab", "a", 1},
    };
    for (const auto& c : cases) EXPECT_EQ(Sign(text.CompareNoCase(c.a, c.b)), c.order) << c.a << " vs " << c.b;
}

TEST(Win32Text, ComparesOnlyTheGivenCharacters) {
    Win32Text text;
    const std::string_view whole = "abcdef";
    EXPECT_EQ(text.CompareNoCase(whole.substr(0, 3), "ABC"), 0);  // views need no terminating NUL
}

TEST(Win32Text, ChangesCaseOfWindows1252Letters) {
    if (GetACP() != 1252) GTEST_SKIP() << "ANSI code page is " << GetACP();
    Win32Text text;
    // A with grave, E with acute, O with diaeresis, S with caron, Y with diaeresis.
    EXPECT_EQ(text.ToLower("\xC0\xC9\xD6\x8A\x9F Vantrix"), "\xE0\xE9\xF6\x9A\xFF vantrix");
    EXPECT_EQ(text.ToUpper("\xE0\xE9\xF6\x9A\xFF vantrix"), "\xC0\xC9\xD6\x8A\x9F VANTRIX");
    EXPECT_EQ(text.ToLower("\xD7|1"), "\xD7|1");  // the multiplication sign is no letter
    EXPECT_EQ(text.ToLower(""), "");
}

}  // namespace
}  // namespace vtx::win32
