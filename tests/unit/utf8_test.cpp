#include "platform/utf8.h"

#include <gtest/gtest.h>

#include "fake_platform.h"
#include "platform/text_file.h"

namespace vtx {
namespace {

TEST(Utf8, ReadsUtf8AsItIsAndOtherBytesAsTheAnsiCodePage) {
    struct Case {
        std::string bytes;
        Lines text;
    };
    const Case cases[] = {
        {"calc|x\r\n", {"calc|x"}},                                     // ASCII, byte for byte
        {"Caf\xC3\xA9\r\n\xCE\xA3\r\n", {"Caf\xC3\xA9", "\xCE\xA3"}},  // UTF-8 without BOM
        {"\xEF\xBB\xBF" "Caf\xC3\xA9\r\n", {"Caf\xC3\xA9"}},          // the BOM dropped
        {"\xEF\xBB\xBF", {}},                                          // nothing but a BOM
        {"Caf\xE9\r\n", {"Caf\xC3\xA9"}},                              // Windows-1252 of older files
        {"\x80 \x9C\r\n", {"\xE2\x82\xAC \xC5\x93"}},                  // 1252's own letters: euro, oe
        {"\xC3\xA9 \xE9\n", {"\xC3\x83\xC2\xA9 \xC3\xA9"}},            // one bad byte: all of it is 1252
        {"\xC0\xAF\n", {"\xC3\x80\xC2\xAF"}},                          // overlong "/"
        {"\xED\xA0\x80\n", {"\xC3\xAD\xC2\xA0\xE2\x82\xAC"}},          // a surrogate
        {"\xF0\x9F\x98\n", {"\xC3\xB0\xC5\xB8\xCB\x9C"}},              // a cut 4-byte sequence
        {"\xF0\x9F\x98\x80\n", {"\xF0\x9F\x98\x80"}},                  // an emoji
        {std::string("a\0\xC3\xA9\n", 5), {std::string("a\0\xC3\xA9", 4)}},  // a NUL stays
    };
    for (const Case& c : cases) {
        fake::FakeFiles files;
        files.Put("C:\\x.ini", c.bytes);
        EXPECT_EQ(ReadLines(files, "C:\\x.ini").lines, c.text) << testing::PrintToString(c.bytes);
    }
}

TEST(Utf8, WritesUtf8WithoutBom) {
    fake::FakeFiles files;
    files.Put("C:\\x.ini", "\xEF\xBB\xBF" "a\r\n");
    ASSERT_TRUE(WriteLines(files, "C:\\x.ini", ReadLines(files, "C:\\x.ini").lines));
    EXPECT_EQ(files.Get("C:\\x.ini"), "a\r\n");
    files.Put("C:\\y.ini", "Caf\xE9\r\n");
    ASSERT_TRUE(WriteLines(files, "C:\\y.ini", ReadLines(files, "C:\\y.ini").lines));
    EXPECT_EQ(files.Get("C:\\y.ini"), "Caf\xC3\xA9\r\n");
}

TEST(Utf8, CountsAndCutsWholeCharacters) {
    struct Case {
        std::string text;
        std::size_t length;
        std::size_t chars;
        std::string prefix;  // of `chars` characters
        std::size_t bytes;
        std::string cut;     // at most `bytes` bytes
    };
    const Case cases[] = {
        {"abc", 3, 2, "ab", 2, "ab"},
        {"Caf\xC3\xA9!", 5, 4, "Caf\xC3\xA9", 4, "Caf"},
        {"\xCE\xA3\xCE\xA3", 2, 1, "\xCE\xA3", 3, "\xCE\xA3"},
        {"\xE4\xB8\xAD\xE6\x96\x87", 2, 1, "\xE4\xB8\xAD", 5, "\xE4\xB8\xAD"},
        {"\xF0\x9F\x98\x80x", 2, 1, "\xF0\x9F\x98\x80", 3, ""},
        {"x\x80\x80y", 4, 2, "x\x80", 2, "x\x80"},  // stray bytes count one each
        {"", 0, 5, "", 5, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8Length(c.text), c.length) << c.text;
        EXPECT_EQ(Utf8Prefix(c.text, c.chars), c.prefix) << c.text;
        EXPECT_EQ(Utf8CutBytes(c.text, c.bytes), c.cut) << c.text;
    }
    EXPECT_TRUE(IsAscii("plain text 123"));
    EXPECT_FALSE(IsAscii("plain text caf\xC3\xA9"));
}

// The host's stand-in for the user's locale: what the portable code relies on.
TEST(Utf8, LowersAndOrdersEveryScript) {
    fake::FakeText text;
    const std::pair<std::string, std::string> lower[] = {
        {"Éclair", "éclair"}, {"ΣΟΦΊΑ", "σοφία"}, {"Москва ЁЖ", "москва ёж"}, {"Œuvre Šárka", "œuvre šárka"},
        {"中文 ABC 😀", "中文 abc 😀"},
        {"A\xC9Z", "a\xC9z"},  // a byte that is no UTF-8 stays as it is
    };
    for (const auto& [upper, lowered] : lower) {
        EXPECT_EQ(text.ToLower(upper), lowered) << upper;
        EXPECT_EQ(text.ToLower(text.ToUpper(lowered)), lowered) << lowered;
    }
    // Sorted without regard to case; the sort key never contradicts the comparison.
    const std::string sorted[] = {"", " x", "1", "abc", "Éclair", "éclair2", "Σα", "σβ", "А", "б", "中", "😀"};
    for (const std::string& a : sorted)
        for (const std::string& b : sorted) {
            const int c = text.CompareNoCase(a, b);
            const int expected = (&a > &b) - (&a < &b);
            EXPECT_EQ((c > 0) - (c < 0), expected) << a << " / " << b;
            EXPECT_EQ((text.SortKey(a) > text.SortKey(b)) - (text.SortKey(a) < text.SortKey(b)), expected) << a << " / " << b;
        }
    EXPECT_EQ(text.CompareNoCase("ÉCLAIR", "éclair"), 0);
    EXPECT_EQ(text.SortKey("Σα"), text.SortKey("σΑ"));
}

}  // namespace
}  // namespace vtx
