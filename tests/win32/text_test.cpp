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

TEST(Win32Text, ChangesCaseOfEveryScript) {
    Win32Text text;
    struct Case {
        std::string text, lower, upper;
    };
    const Case cases[] = {
        {"ÀÉÖŠŸ Vantrix", "àéöšÿ vantrix", "ÀÉÖŠŸ VANTRIX"},
        {"Éclair", "éclair", "ÉCLAIR"},
        {"Σοφία", "σοφία", "ΣΟΦΊΑ"},
        {"Москва Ёж", "москва ёж", "МОСКВА ЁЖ"},
        {"中文 😀 Abc", "中文 😀 abc", "中文 😀 ABC"},
        {"×|1", "×|1", "×|1"},  // the multiplication sign is no letter
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text.ToLower(c.text), c.lower) << c.text;
        EXPECT_EQ(text.ToUpper(c.text), c.upper) << c.text;
    }
    EXPECT_EQ(text.ToLower(""), "");
}

}  // namespace
}  // namespace vtx::win32
