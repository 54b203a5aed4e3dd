#include "platform/text_file.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace vtx {
namespace {

TEST(TextFile, AcceptsEveryLineEnd) {
    const Lines expected{"a", "", "b", "c"};
    EXPECT_EQ(SplitLines("a\r\n\r\nb\r\nc\r\n"), expected);
    EXPECT_EQ(SplitLines("a\n\nb\nc"), expected);
    EXPECT_EQ(SplitLines("a\r\rb\rc\r"), expected);
    EXPECT_EQ(SplitLines("a\r\n\nb\rc"), expected);
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("\r\n"), Lines{""});
    EXPECT_EQ(SplitLines(std::string("x\0y\n", 4)), Lines{std::string("x\0y", 3)});
}

TEST(TextFile, WritesCrLfAfterEveryLine) {
    EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(JoinLines({}), "");
    const Lines round{"x|y", "", "z"};
    EXPECT_EQ(SplitLines(JoinLines(round)), round);
}

TEST(TextFile, LooksUpKeysWithoutRegardToCase) {
    const Lines lines{"noequals", "Height=300", "height=100", "top =5", "empty="};
    EXPECT_EQ(ValueOf(lines, "HEIGHT"), "300");
    EXPECT_EQ(ValueOf(lines, "top"), "");  // the key is "top " with its blank
    EXPECT_EQ(ValueOf(lines, "empty"), "");
    EXPECT_EQ(ValueOf(lines, "noequals"), "");
}

TEST(TextFile, ReadTellsMissingFromUnreadable) {
    fake::FakeFiles files;
    EXPECT_EQ(ReadLines(files, "C:\\x.ini").status, ReadStatus::Missing);
    files.Put("C:\\x.ini", "a\r\n");
    EXPECT_EQ(ReadLines(files, "c:\\X.INI").lines, Lines{"a"});
    files.MakeUnreadable("C:\\x.ini");
    EXPECT_EQ(ReadLines(files, "C:\\x.ini").status, ReadStatus::Unreadable);
}

}  // namespace
}  // namespace vtx
