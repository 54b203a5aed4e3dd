#include "catalogue/shortcut_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace vtx {
namespace {

TEST(ShortcutRecord, ReadsFieldsOfShortAndLongLines) {
    const std::string two = "calc|c:\\windows\\calc.exe";
    EXPECT_EQ(FieldOf(two, kName), "calc");
    EXPECT_EQ(FieldOf(two, kAddr), "c:\\windows\\calc.exe");
    for (int col = 2; col < kFieldCount; ++col) EXPECT_EQ(FieldOf(two, col), "") << col;
    // One extra "|" at the end reads exactly like it.
    for (int col = 0; col < kFieldCount; ++col) EXPECT_EQ(FieldOf(two + "|", col), FieldOf(two, col)) << col;
    EXPECT_EQ(FieldOf(two, -1), "");
    EXPECT_EQ(FieldOf("", 0), "");
    EXPECT_EQ(FieldOf("", 23), "");
    EXPECT_EQ(FieldOf(" a | b ", 1), " b ");  // blanks belong to the field
}

TEST(ShortcutRecord, WritingAFieldGivesTheFullForm) {
    const std::string line = WithField("n|a", kHk, "x");
    EXPECT_EQ(std::count(line.begin(), line.end(), '|'), 23);
    EXPECT_EQ(line, "n|a||||x||||||||||||||||||");
    // Fields beyond the 24th are dropped.
    std::string long_line;
    for (int i = 0; i < 30; ++i) long_line += std::to_string(i) + "|";
    const std::string rewritten = WithField(long_line, 0, "zero");
    EXPECT_EQ(FieldOf(rewritten, 23), "23");
    EXPECT_EQ(std::count(rewritten.begin(), rewritten.end(), '|'), 23);
    EXPECT_EQ(FieldOf(rewritten, 0), "zero");
    // A column outside 0..23 changes nothing but the form.
    EXPECT_EQ(WithField("n|a", 24, "x"), WithField("n|a", 0, "n"));
}

TEST(ShortcutRecord, CountsAndCutsMembers) {
    EXPECT_EQ(CountPos(";", "a;b;"), 2);
    EXPECT_EQ(CountPos(";", "a;b"), 1);
    EXPECT_EQ(CountPos(";", ""), 0);
    EXPECT_EQ(CountPos("", "abc"), 0);
    EXPECT_EQ(CountPos("ab", "ababab"), 3);
    EXPECT_EQ(MemberOf("a;b;", 1), "a");
    EXPECT_EQ(MemberOf("a;b;", 2), "b");
    EXPECT_EQ(MemberOf("a;b", 2), "b");
    EXPECT_EQ(MemberOf("a;b;", 3), "");
}

TEST(ShortcutRecord, MemberNamesKeepALastNameWithoutItsSemicolon) {
    struct Case {
        std::string_view ms;
        std::vector<std::string> names;
        std::string joined;  // what a save writes back
    };
    const Case cases[] = {
        {"", {}, ""},
        {"a;b;", {"a", "b"}, "a;b;"},
        {"a;b", {"a", "b"}, "a;b;"},
        {"a", {"a"}, "a;"},
        {";", {""}, ";"},
        {"a;;b;", {"a", "", "b"}, "a;;b;"},
        {"one two;x y", {"one two", "x y"}, "one two;x y;"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MemberNames(c.ms), c.names) << c.ms;
        EXPECT_EQ(JoinMembers(MemberNames(c.ms)), c.joined) << c.ms;
    }
}

TEST(ShortcutRecord, ShowStateCodes) {
    EXPECT_EQ(ShowStateCode("SW_SHOWMAXIMIZED"), 3);
    EXPECT_EQ(ShowStateCode("SW_SHOWMINIMIZED"), 2);
    EXPECT_EQ(ShowStateCode("sw_showminimized"), 1);
    EXPECT_EQ(ShowStateCode(""), 1);
    EXPECT_EQ(ShowStateCode("SW_SHOWNORMAL"), 1);
}

TEST(ShortcutRecord, NewRecordHasTheDefaults) {
    EXPECT_EQ(JoinRecord(NewRecord("c", "c:\\", "Folder")), "c|c:\\|||||||SW_SHOWNORMAL|Folder|||None||1|||||||||0");
}

}  // namespace
}  // namespace vtx
