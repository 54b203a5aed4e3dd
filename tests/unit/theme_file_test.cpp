#include "themes/theme_file.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "fake_platform.h"
#include "themes/builtin_images.h"

namespace vtx {
namespace {

const std::string kProgram = "C:\\Program Files\\Vantrix\\";
const std::string kThemes = kProgram + "themes\\";
const std::string kDefaultPath = kThemes + "Default Theme.th2";

TEST(ThemeFile, HexToColorReadsRedFirst) {
    EXPECT_EQ(HexToColor("FF0000"), 255u);
    EXPECT_EQ(HexToColor("646464"), 0x646464u);
    EXPECT_EQ(HexToColor("00ff80"), 0x80FF00u);
    EXPECT_EQ(HexToColor("0000FF"), 0xFF0000u);
    // Any other length is white, whatever the characters.
    for (const char* text : {"", "FFF", "#FFFFFF", "0000000", "zz"}) EXPECT_EQ(HexToColor(text), kWhite) << text;
    // Six characters that are not all hexadecimal digits cannot be converted.
    for (const char* text : {"GG0000", "#FFFFF", "12345 ", "-12345", "0x1234"}) EXPECT_EQ(HexToColor(text), std::nullopt) << text;
}

TEST(ThemeFile, ColorToHexIsTheInverse) {
    EXPECT_EQ(ColorToHex(255), "FF0000");
    EXPECT_EQ(ColorToHex(0xFF00FF), "FF00FF");
    EXPECT_EQ(ColorToHex(0x0A0B0C), "0C0B0A");
    EXPECT_EQ(ColorToHex(0xFF123456), "563412");  // only the three colour bytes
    for (std::uint32_t c : {0u, 0x646464u, 0x80FF00u, 0xFFFFFFu, 0x010203u}) EXPECT_EQ(HexToColor(ColorToHex(c)), c);
}

TEST(ThemeFile, PlatformColorTakesNamesAndIntegers) {
    EXPECT_EQ(PlatformColor("clRed"), 255u);
    EXPECT_EQ(PlatformColor("CLRED"), 255u);
    EXPECT_EQ(PlatformColor("255"), 255u);
    EXPECT_EQ(PlatformColor("$0000FF"), 255u);
    EXPECT_EQ(PlatformColor("$ff0000"), 0xFF0000u);  // blue: the high byte
    EXPECT_EQ(PlatformColor("clGray"), kGray);
    EXPECT_EQ(PlatformColor("clNavy"), 0x800000u);
    const auto face = PlatformColor("clBtnFace");
    ASSERT_TRUE(face.has_value());
    EXPECT_EQ(SystemColorIndex(*face), 15);
    EXPECT_EQ(SystemColorIndex(255u), std::nullopt);
    EXPECT_EQ(PlatformColor("-16777201"), *face);  // the same colour spelt as an integer
    for (const char* text : {"FF0000", "", "$", "$123456789", "clNoSuchColour", "12x", " 255", "99999999999"})
        EXPECT_EQ(PlatformColor(text), std::nullopt) << text;
}

TEST(ThemeFile, OtherValueForms) {
    EXPECT_EQ(ThemeInt("-12"), -12);
    EXPECT_EQ(ThemeInt("2147483647"), 2147483647);
    const std::string huge(5000, '9');
    for (std::string_view text : {std::string_view(""), std::string_view("12x"), std::string_view("1.5"),
                                  std::string_view(" 8"), std::string_view("8 "), std::string_view("2147483648"),
                                  std::string_view("$10"), std::string_view(huge)})
        EXPECT_EQ(ThemeInt(text), std::nullopt) << text.substr(0, 20);
    EXPECT_TRUE(ThemeFlag("1"));
    for (const char* text : {"", "0", "true", "Yes", "01", " 1"}) EXPECT_FALSE(ThemeFlag(text)) << text;
    EXPECT_FALSE(ThemeBorder("0"));
    for (const char* text : {"", "1", "no", "false", "00"}) EXPECT_TRUE(ThemeBorder(text)) << text;
    EXPECT_EQ(ThemeAlignment("left"), Align::Left);
    EXPECT_EQ(ThemeAlignment("center"), Align::Center);
    EXPECT_EQ(ThemeAlignment("right"), Align::Right);
    for (const char* text : {"Center", "RIGHT", "centre", "", " left"}) EXPECT_EQ(ThemeAlignment(text), std::nullopt) << text;
}

TEST(ThemeFile, BareFileNames) {
    for (const char* name : {"back1.bmp", "My Theme", "a..b.bmp", ".hidden.bmp", "console.bmp", "COM10.bmp", "LPT0",
                             "COMé.bmp"})
        EXPECT_TRUE(IsBareFileName(name)) << name;
    for (const char* name : {"", ".", "..", "...", ". .", "..\\x.bmp", "../x.bmp", "a\\b.bmp", "a/b.bmp", "C:x.bmp",
                             "x.bmp:stream", "\\\\server\\share\\x.bmp", "CON", "con.bmp", "NUL", "Nul.txt", "AUX",
                             "PRN.bmp", "COM1", "com9.bmp", "LPT1", "lpt5.bmp", "CON .bmp", "CONOUT$", "x?.bmp",
                             "x*.bmp", "a|b", "tab\there", "COM¹.bmp", "lpt³"})
        EXPECT_FALSE(IsBareFileName(name)) << name;
}

TEST(ThemeFile, DefaultThemeByteForByte) {
    const std::string expected =
        "title=Default Theme\r\nauthor=Orvane\r\nnotes=This is the default theme.\r\nthmfolder=Default Theme\r\n"
        "formbackcolor=FFFFFF\r\ncooltransparentcolor=FF00FF\r\nframecolor=646464\r\n"
        "editfontname=MS Sans Serif\r\neditfontsize=8\r\neditfontcolor=000000\r\neditfontbold=0\r\n"
        "editfontitalic=0\r\neditfontunderline=0\r\neditbackcolor=FFFFFF\r\neditshowborder=1\r\n"
        "listfontname=MS Sans Serif\r\nlistfontsize=8\r\nlistfontcolor=000000\r\nlistfontbold=0\r\n"
        "listfontunderline=0\r\nlistbackcolor=FFFFFF\r\nlistshowborder=1\r\n"
        "titlefontname=Tahoma\r\ntitlefontsize=8\r\ntitlefontcolor=FFFFFF\r\ntitlefontbold=0\r\n"
        "titlefontitalic=0\r\ntitlefontunderline=0\r\n"
        "menubuttoncolor=646464\r\nmenubuttonimage=menu1.bmp\r\nmenubuttonimage2=menu2.bmp\r\n"
        "hidebuttoncolor=646464\r\nhidebuttonimage=close1.bmp\r\nhidebuttonimage2=close2.bmp\r\n"
        "coolbackimage=back1.bmp\r\ncoolheight=60\r\ncoolwidth=300\r\n"
        "cooltext1fontname=Tahoma\r\ncooltext1fontsize=14\r\ncooltext1fontcolor=FFFFFF\r\ncooltext1fontbold=0\r\n"
        "cooltext1fontitalic=0\r\ncooltext1fontunderline=0\r\ncooltext1alignment=center\r\ncooltext1top=8\r\n"
        "cooltext1left=8\r\ncooltext1height=25\r\ncooltext1width=281\r\n"
        "cooltext2fontname=Tahoma\r\ncooltext2fontsize=8\r\ncooltext2fontcolor=FFFFFF\r\ncooltext2fontbold=0\r\n"
        "cooltext2fontitalic=0\r\ncooltext2fontunderline=0\r\ncooltext2alignment=center\r\ncooltext2top=40\r\n"
        "cooltext2left=83\r\ncooltext2height=17\r\ncooltext2width=134\r\n"
        "cooltext3fontname=Tahoma\r\ncooltext3fontsize=8\r\ncooltext3fontcolor=FFFFFF\r\ncooltext3fontbold=0\r\n"
        "cooltext3fontitalic=0\r\ncooltext3fontunderline=0\r\ncooltext3alignment=left\r\ncooltext3top=40\r\n"
        "cooltext3left=11\r\ncooltext3height=17\r\ncooltext3width=78\r\n"
        "cooltext4fontname=Tahoma\r\ncooltext4fontsize=8\r\ncooltext4fontcolor=FFFFFF\r\ncooltext4fontbold=0\r\n"
        "cooltext4fontitalic=0\r\ncooltext4fontunderline=0\r\ncooltext4alignment=right\r\ncooltext4top=40\r\n"
        "cooltext4left=208\r\ncooltext4height=17\r\ncooltext4width=81\r\n";
    EXPECT_EQ(DefaultThemeLines().size(), 81u);

    fake::FakeFiles files;
    files.PutFolder(kThemes);
    files.Put(kDefaultPath, "changed by hand\r\n");
    createdefaulttheme(files, kProgram);
    EXPECT_EQ(files.Get(kDefaultPath), expected);
}

TEST(ThemeFile, CreateDefaultThemeIsSilentWhenItCannotWrite) {
    fake::FakeFiles files;  // no themes folder
    createdefaulttheme(files, kProgram);
    EXPECT_FALSE(files.Has(kDefaultPath));
}

TEST(ThemeFile, CheckDefaultThemeFilesWritesOnlyWhatIsMissing) {
    fake::FakeFiles files;
    files.PutFolder(kThemes);
    files.PutFolder(kThemes + "Default Theme");
    files.Put(kDefaultPath, "title=Mine\r\n");
    files.Put(kThemes + "Default Theme\\menu2.bmp", "my own bitmap");
    ASSERT_TRUE(CheckDefaultThemeFiles(files, kProgram));

    EXPECT_EQ(files.Get(kDefaultPath), "title=Mine\r\n");
    EXPECT_EQ(files.Get(kThemes + "Default Theme\\menu2.bmp"), "my own bitmap");
    for (BuiltinImage image : kBuiltinImages) {
        const std::string name = BuiltinImageFileName(image);
        EXPECT_EQ(files.Get(kThemes + name), BuiltinBitmapFile(image)) << name;
        if (image != BuiltinImage::MenuHot) {
            EXPECT_EQ(files.Get(kThemes + "Default Theme\\" + name), BuiltinBitmapFile(image)) << name;
        }
    }

    // Everything in place: a second check writes nothing.
    const int writes = files.writes;
    ASSERT_TRUE(CheckDefaultThemeFiles(files, kProgram));
    EXPECT_EQ(files.writes, writes);

    // A missing theme file is recreated.
    files.DeleteFile(kDefaultPath);
    ASSERT_TRUE(CheckDefaultThemeFiles(files, kProgram));
    EXPECT_EQ(SplitLines(files.Get(kDefaultPath)), DefaultThemeLines());
}

TEST(ThemeFile, CheckDefaultThemeFilesReportsABitmapItCannotWrite) {
    fake::FakeFiles files;
    files.PutFolder(kThemes);
    files.PutFolder(kThemes + "Default Theme");
    files.MakeReadOnly(kThemes + "Default Theme\\menu1.bmp");
    EXPECT_FALSE(CheckDefaultThemeFiles(files, kProgram));
    EXPECT_TRUE(files.Has(kThemes + "close2.bmp"));
    EXPECT_TRUE(files.Has(kThemes + "Default Theme\\back1.bmp"));
    EXPECT_FALSE(files.Has(kThemes + "Default Theme\\menu2.bmp"));  // the check stopped at menu1.bmp
}

// A Program folder that cannot be written: start-up could not create the folders, so there is
// nothing to write to and nothing to report; the built-in design stands in.
TEST(ThemeFile, CheckDefaultThemeFilesSkipsFoldersThatAreMissing) {
    fake::FakeFiles files;
    EXPECT_TRUE(CheckDefaultThemeFiles(files, kProgram));
    EXPECT_EQ(files.writes, 0);

    files.PutFolder(kThemes);  // "Default Theme" missing: only the loose copies are written
    EXPECT_TRUE(CheckDefaultThemeFiles(files, kProgram));
    EXPECT_TRUE(files.Has(kThemes + "back1.bmp"));
    EXPECT_FALSE(files.Has(kThemes + "Default Theme\\back1.bmp"));
}

}  // namespace
}  // namespace vtx
