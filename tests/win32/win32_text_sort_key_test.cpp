// The catalogue is sorted by LCMapStringA sort keys instead of CompareStringA calls; the
// two must never disagree about which of two texts comes first.
#include "platform/win32/win32_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"

namespace vtx {
namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

TEST(Win32TextSortKey, KeysOrderLikeTheCollation) {
    win32::Win32Text text;
    const std::vector<std::string> samples{
        "",      "a",    "A",      "b",      "calc",     "Calc",    "calc|x",  "calc2|x", "calculator|x",
        "co-op", "coop", "co op",  "it's",   "its",      "1",       "10",      "9",       "|",
        "a|b",   "a b",  "ab",     "_x",     "-x",       "x-",      "c:\\",    "C:\\a",   "www.x",
        "été", "ete", "ÉTÉ", "über", "uber", "ß", "ss", "z", "Z", "zz", "æ", "ae",
        "Éclair", "eclair", "Σοφία", "σοφια", "ΣΟΦΊΑ", "Москва", "москва", "Ёж", "中文", "中", "😀", "😀x", "a😀"};
    for (const auto& a : samples) {
        for (const auto& b : samples) {
            const int collation = Sign(text.CompareNoCase(a, b));
            const int keys = Sign(text.SortKey(a).compare(text.SortKey(b)));
            // Texts the collation calls equal may still get different keys; an order it gives may not flip.
            if (collation != 0) {
                EXPECT_EQ(keys, collation) << "'" << a << "' vs '" << b << "'";
            }
        }
    }
}

TEST(Win32TextSortKey, SortedCatalogueIsInCollationOrder) {
    win32::Win32Text text;
    std::mt19937 rng(11);
    // Whole characters of several scripts, so every line is UTF-8.
    const std::vector<std::string> alphabet{"a", "A", "b", "B", "e", "E", "0", "9", " ", "|", "-", "'", "_", ".",
                                            "\\", "é", "É", "ü", "ß", "σ", "Σ", "ж", "Ж", "中", "😀"};
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1), len(0, 7);
    Catalogue c;
    for (int i = 0; i < 3000; ++i) {
        std::string line;
        for (std::size_t n = len(rng); n > 0; --n) line += alphabet[pick(rng)];
        c.Append(line);
    }
    c.Sort(text);
    for (int i = 1; i < c.size(); ++i)
        ASSERT_LE(text.CompareNoCase(c.line(i - 1), c.line(i)), 0) << "'" << c.line(i - 1) << "' > '" << c.line(i) << "'";
}

}  // namespace
}  // namespace vtx
