#include "editors/theme_editor.h"

#include <gtest/gtest.h>

#include "fake_platform.h"
#include "themes/builtin_images.h"

namespace vtx {
namespace {

const std::string kProgram = "C:\\Program Files\\Vantrix\\";
const std::string kThemes = kProgram + "themes\\";
const std::string kDefaultFolder = kThemes + "Default Theme\\";

TEST(CleanThemeTitle, EveryForbiddenCharacterBecomesABlank) {
    EXPECT_EQ(CleanThemeTitle("a/b:c"), "a b c");
    EXPECT_EQ(CleanThemeTitle("1:2\\3/4*5?6\"7<8>9|0"), "1 2 3 4 5 6 7 8 9 0");
    EXPECT_EQ(CleanThemeTitle("::"), "  ");
    EXPECT_EQ(CleanThemeTitle("Blue Sky. v2"), "Blue Sky. v2");
}

TEST(BitmapFileSize, ReadsTheHeaderAndRefusesOtherFiles) {
    EXPECT_EQ(BitmapFileSize(BuiltinBitmapFile(BuiltinImage::Back)), (Size{300, 60}));
    EXPECT_EQ(BitmapFileSize(BuiltinBitmapFile(BuiltinImage::Close)), (Size{14, 14}));
    std::string top_down = BuiltinBitmapFile(BuiltinImage::Menu);
    top_down[22] = static_cast<char>(-14), top_down[23] = top_down[24] = top_down[25] = '\xFF';
    EXPECT_EQ(BitmapFileSize(top_down), (Size{14, 14}));
    for (std::string_view bad : {std::string_view(""), std::string_view("BM"), std::string_view("GIF89a and more bytes...")})
        EXPECT_EQ(BitmapFileSize(bad), std::nullopt) << bad;
    std::string zero_width = BuiltinBitmapFile(BuiltinImage::Back);
    zero_width[18] = zero_width[19] = 0;
    EXPECT_EQ(BitmapFileSize(zero_width), std::nullopt);
}

class ThemeEditorTest : public ::testing::Test {
protected:
    ThemeEditorTest() {
        f.files.PutFolder(kProgram);
        f.files.PutFolder(kThemes);
        f.files.PutFolder(kDefaultFolder);
        EXPECT_TRUE(CheckDefaultThemeFiles(f.files, kProgram));
        editor.FormCreate();
        f.files.writes = 0;
    }
    [[nodiscard]] Lines Saved(const std::string& title) const { return SplitLines(f.files.Get(kThemes + title + ".th2")); }
    void PutTheme(const std::string& file, const Lines& lines) { f.files.Put(kThemes + file, JoinLines(lines)); }

    fake::FakePlatform f;
    AppSession app{f.platform};
    ThemeEditorRules editor{app};
};

TEST_F(ThemeEditorTest, DefaultThemeLoadedAndSavedUnchangedGainsListItalicAndCopiesNothing) {
    editor.LoadThemeIntoEditor("Default Theme.th2");
    EXPECT_EQ(editor.general(), (GeneralFields{"Default Theme", "Orvane", "This is the default theme."}));
    ASSERT_TRUE(editor.SaveThemeBTNClick());

    Lines expected = DefaultThemeLines();
    expected.insert(expected.begin() + 19, "listfontitalic=0");
    EXPECT_EQ(Saved("Default Theme"), expected);
    EXPECT_EQ(expected.size(), 82u);
    EXPECT_EQ(f.files.writes, 1);  // the theme file only
    EXPECT_TRUE(f.prompts.messages.empty());
    EXPECT_EQ(app.settings().lastthemeauthor, "Orvane");
}

TEST_F(ThemeEditorTest, SavedLinesReadBackThroughLoadthmToTheEditedLook) {
    PutTheme("Bold.th2", {"title=Bold", "thmfolder=Default Theme", "titlefontbold=1", "editfontitalic=1",
                          "listshowborder=0", "framecolor=102030", "cooltext3fontcolor=00FF00",
                          "cooltext3alignment=right", "cooltext2top=77", "coolshapevisible=1", "coolwidth=999"});
    editor.LoadThemeIntoEditor("Bold.th2");
    EXPECT_TRUE(editor.look().title.font.bold);
    ASSERT_TRUE(editor.SaveThemeBTNClick());
    const Lines saved = Saved("Bold");
    EXPECT_EQ(saved.size(), 82u);
    EXPECT_EQ(ValueOf(saved, "titlefontbold"), "1");
    EXPECT_EQ(ValueOf(saved, "coolwidth"), "300");  // remade from the bitmap
    EXPECT_EQ(ValueOf(saved, "coolshapevisible"), "");

    ThemeLook read;
    Lines current;
    std::string name;
    ASSERT_TRUE(loadthm("Bold.th2", f.files, kProgram, read, current, name).ok);
    ThemeLook expected = editor.look();
    expected.cool_height = 60, expected.cool_width = 300;
    // Image paths now point into the new theme's folder.
    for (auto [held, file] : {std::pair{&expected.menu_button.image, "menu1.bmp"}, {&expected.menu_button.image_hot, "menu2.bmp"},
                              {&expected.hide_button.image, "close1.bmp"}, {&expected.hide_button.image_hot, "close2.bmp"},
                              {&expected.cool_back_image, "back1.bmp"}})
        *held = kThemes + "Bold\\" + file;
    EXPECT_EQ(read, expected);
}

TEST_F(ThemeEditorTest, TitleIsCleanedAndBitmapsAreCopiedIntoTheThemesOwnFolder) {
    editor.LoadThemeIntoEditor("Default Theme.th2");
    editor.general().title = "a/b:c";
    editor.general().author = "Ann";
    ASSERT_TRUE(editor.SaveThemeBTNClick());
    EXPECT_EQ(editor.general().title, "a b c");
    EXPECT_EQ(ValueOf(Saved("a b c"), "thmfolder"), "a b c");
    EXPECT_EQ(ValueOf(Saved("a b c"), "author"), "Ann");
    EXPECT_EQ(app.settings().lastthemeauthor, "Ann");
    for (BuiltinImage image : kBuiltinImages)
        EXPECT_EQ(f.files.Get(kThemes + "a b c\\" + BuiltinImageFileName(image)), BuiltinBitmapFile(image));
}

TEST_F(ThemeEditorTest, TitlesThatCannotNameAFileAreRefusedAndNothingIsWritten) {
    struct Case {
        const char* title;
        std::string_view message;
    };
    for (const Case& c : {Case{"", kEmptyTitleMessage}, Case{"CON", kBadTitleMessage}, Case{"nul.txt", kBadTitleMessage},
                          Case{"com1", kBadTitleMessage}, Case{"...", kBadTitleMessage}, Case{"<>", kBadTitleMessage},
                          Case{" . ", kBadTitleMessage}}) {
        f.prompts.messages.clear();
        const TitleCheck check = editor.TitleChanged(c.title);
        EXPECT_EQ(check.warning, *c.title != '\0') << c.title;
        if (*c.title) {
            EXPECT_EQ(check.warning_text, kBadNameWarning) << c.title;
        }
        EXPECT_FALSE(editor.SaveThemeBTNClick()) << c.title;
        EXPECT_EQ(f.prompts.messages, std::vector<std::string>{std::string(c.message)}) << c.title;
    }
    EXPECT_EQ(f.files.writes, 0);
}

TEST_F(ThemeEditorTest, TitleCheckWarnsOfAnExistingTheme) {
    EXPECT_EQ(editor.TitleChanged("Default Theme").warning_text, kSameNameWarning);
    EXPECT_EQ(editor.TitleChanged("Default:Theme").warning_text, kSameNameWarning);  // cleaned before the check
    EXPECT_FALSE(editor.TitleChanged("Blue").warning);
    EXPECT_FALSE(editor.TitleChanged("").warning);
}

TEST_F(ThemeEditorTest, MissingBitmapsAreReportedOnceEachAndTheThemeIsStillWritten) {
    f.files.DeleteFile(kThemes + "menu2.bmp");
    f.files.DeleteFile(kThemes + "back1.bmp");
    editor.general().title = "Fresh";  // nothing loaded: the default paths of the themes folder
    ASSERT_TRUE(editor.SaveThemeBTNClick());
    EXPECT_EQ(f.prompts.messages,
              (std::vector<std::string>{"Can not copy " + kThemes + "menu2.bmp", "Can not copy " + kThemes + "back1.bmp"}));
    EXPECT_EQ(f.files.Get(kThemes + "Fresh\\menu1.bmp"), BuiltinBitmapFile(BuiltinImage::Menu));
    EXPECT_EQ(ValueOf(Saved("Fresh"), "menubuttonimage2"), "menu2.bmp");
    EXPECT_EQ(ValueOf(Saved("Fresh"), "cooltransparentcolor"), "FF00FF");
}

TEST_F(ThemeEditorTest, AFailedWriteKeepsTheOldThemeAndTheEditorOpen) {
    editor.LoadThemeIntoEditor("Default Theme.th2");
    const std::string before = f.files.Get(kThemes + "Default Theme.th2");
    f.files.MakeReadOnly(kThemes + "Default Theme.th2");
    EXPECT_FALSE(editor.SaveThemeBTNClick());
    EXPECT_EQ(f.prompts.messages, std::vector<std::string>{"ERROR! Can not save theme file " + kThemes + "Default Theme.th2"});
    EXPECT_EQ(f.files.Get(kThemes + "Default Theme.th2"), before);
}

TEST_F(ThemeEditorTest, AbsentKeysAndMissingImagesKeepWhatTheEditorHeld) {
    editor.LoadThemeIntoEditor("Default Theme.th2");
    PutTheme("Sparse.th2", {"title=Sparse", "thmfolder=Nowhere", "menubuttonimage=gone.bmp", "editfontsize=oops",
                            "framecolor=ABCDEF"});
    editor.LoadThemeIntoEditor("Sparse.th2");
    EXPECT_EQ(editor.look().menu_button.image, kDefaultFolder + "menu1.bmp");
    EXPECT_EQ(editor.see_through_text(), "FF00FF");
    EXPECT_EQ(editor.look().frame_color, *HexToColor("ABCDEF"));  // keys before the bad value stay applied
    EXPECT_EQ(editor.general().author, "");
    ASSERT_EQ(f.prompts.messages.size(), 1u);
    EXPECT_NE(f.prompts.messages[0].find("'oops'"), std::string::npos);

    // A file that is nowhere: every key absent.
    editor.LoadThemeIntoEditor("None.th2");
    EXPECT_EQ(editor.general(), GeneralFields{});
    EXPECT_EQ(editor.look().frame_color, kButtonGrey);
}

TEST_F(ThemeEditorTest, PicksEnableTheirGroupsAndFillTheFields) {
    editor.LoadThemeIntoEditor("Default Theme.th2");
    struct Case {
        NormalObject object;
        bool general, font, images, borders;
    };
    for (const Case& c : {Case{NormalObject::None, false, false, false, false}, Case{NormalObject::Form, true, false, false, false},
                          Case{NormalObject::EditBox, true, true, false, true}, Case{NormalObject::ListBox, true, true, false, true},
                          Case{NormalObject::Frame, true, false, false, false}, Case{NormalObject::TitleText, false, true, false, false},
                          Case{NormalObject::MenuButton, true, false, true, false}, Case{NormalObject::HideButton, true, false, true, false}}) {
        const NormalFields n = editor.PickNormal(c.object);
        EXPECT_EQ((std::array{n.general, n.font, n.images, n.borders_visible}), (std::array{c.general, c.font, c.images, c.borders}))
            << static_cast<int>(c.object);
    }
    EXPECT_EQ(editor.PickNormal(NormalObject::Frame).color_hex, "646464");
    EXPECT_EQ(editor.PickNormal(NormalObject::TitleText).font_fields->name, "Tahoma");
    EXPECT_EQ(editor.PickNormal(NormalObject::HideButton).image_hot, kDefaultFolder + "close2.bmp");

    const CoolFields none = editor.PickCool(CoolObject::None);
    EXPECT_FALSE(none.general || none.font || none.position);
    const CoolFields form = editor.PickCool(CoolObject::Form);
    EXPECT_TRUE(form.general && !form.font && !form.position && form.description.empty());
    EXPECT_EQ(form.see_through_hex, "FF00FF");
    EXPECT_EQ(form.back_image, kDefaultFolder + "back1.bmp");
    ASSERT_EQ(editor.ColorEntered(ColorField::CoolFont, "00FF00").ok, true);  // no text picked: nothing changes
    const CoolFields t3 = editor.PickCool(CoolObject::Text3);
    EXPECT_EQ(t3.description, "Previous item in the shortcuts list.");
    EXPECT_EQ(t3.font_fields->color_hex, "FFFFFF");
    EXPECT_EQ(t3.font_fields->color, kWhite);
    EXPECT_EQ(t3.align, Align::Left);
    EXPECT_EQ((std::array{t3.top, t3.left, t3.height, t3.width}), (std::array{40, 11, 17, 78}));
}

TEST_F(ThemeEditorTest, HexFieldsConvertOrReportAndChangeNothing) {
    editor.PickNormal(NormalObject::EditBox);
    struct Case {
        const char* hex;
        bool ok;
        std::uint32_t back;  // the edit box background afterwards
    };
    for (const Case& c : {Case{"00ff00", true, 0x00FF00}, Case{"GGGGGG", false, 0x00FF00}, Case{"FFF", true, kWhite},
                          Case{"12345Z", false, kWhite}, Case{"0000FF", true, 0xFF0000}}) {
        f.prompts.messages.clear();
        EXPECT_EQ(editor.ColorEntered(ColorField::NormalGeneral, c.hex).ok, c.ok) << c.hex;
        EXPECT_EQ(editor.look().edit.back, c.back) << c.hex;
        EXPECT_EQ(f.prompts.messages.size(), c.ok ? 0u : 1u) << c.hex;
    }
    // The see-through colour is held as typed; a bad one is refused like the others.
    editor.PickCool(CoolObject::Form);
    EXPECT_TRUE(editor.ColorEntered(ColorField::CoolTransparent, "abc").ok);
    EXPECT_FALSE(editor.ColorEntered(ColorField::CoolTransparent, "zzzzzz").ok);
    EXPECT_EQ(editor.see_through_text(), "abc");
    EXPECT_TRUE(editor.ColorEntered(ColorField::CoolTransparent, "").ok);
    editor.general().title = "T";
    ASSERT_TRUE(editor.SaveThemeBTNClick());
    EXPECT_EQ(ValueOf(Saved("T"), "cooltransparentcolor"), "FF00FF");
    EXPECT_EQ(ValueOf(Saved("T"), "editbackcolor"), "0000FF");
}

TEST_F(ThemeEditorTest, StyleButtonsAlternateByThemselvesAcrossObjects) {
    editor.PickNormal(NormalObject::ListBox);
    editor.ColorEntered(ColorField::NormalFont, "000000");
    EXPECT_TRUE(editor.StyleClicked(EditorPage::Normal, FontStyle::Italic));
    editor.PickNormal(NormalObject::EditBox);
    EXPECT_TRUE(editor.StyleClicked(EditorPage::Normal, FontStyle::Bold));
    EXPECT_TRUE(editor.look().edit.font.bold);
    editor.PickNormal(NormalObject::ListBox);  // not bold: the button clears all the same
    EXPECT_FALSE(editor.StyleClicked(EditorPage::Normal, FontStyle::Bold));
    EXPECT_FALSE(editor.look().list.font.bold);
    EXPECT_TRUE(editor.StyleClicked(EditorPage::Normal, FontStyle::Bold));
    EXPECT_TRUE(editor.look().list.font.bold);
    EXPECT_TRUE(editor.look().list.font.italic);
    // The Cool page's buttons are buttons of their own.
    editor.PickCool(CoolObject::Text1);
    EXPECT_TRUE(editor.StyleClicked(EditorPage::Cool, FontStyle::Bold));
    EXPECT_TRUE(editor.look().cool_texts[0].font.bold);
}

TEST_F(ThemeEditorTest, CoolTextEditsAndTheOpaqueRectangle) {
    editor.PickCool(CoolObject::Text2);
    EXPECT_EQ(editor.PositionChanged(PositionField::Top, 1500), 1000);
    EXPECT_EQ(editor.PositionChanged(PositionField::Width, -3), 0);
    editor.PositionChanged(PositionField::Left, 12);
    editor.AlignClicked(Align::Right);
    editor.FontNamePicked(EditorPage::Cool, "Arial");
    editor.FontSizePicked(EditorPage::Cool, 22);
    // Typed sizes: only a usable whole number applies.
    for (const char* bad : {"", "0", "abc", "12x", " 9", "201", "99999999999"})
        EXPECT_FALSE(editor.FontSizeTyped(EditorPage::Cool, bad)) << bad;
    EXPECT_EQ(editor.look().cool_texts[1].font.size, 22);
    EXPECT_TRUE(editor.FontSizeTyped(EditorPage::Cool, "23"));
    EXPECT_EQ(editor.look().cool_texts[1].font.size, 23);
    EXPECT_TRUE(editor.FontSizeTyped(EditorPage::Cool, "22"));
    const TextElement& t = editor.look().cool_texts[1];
    EXPECT_EQ((std::array{t.top, t.left, t.width}), (std::array{1000, 12, 0}));
    EXPECT_EQ(t.align, Align::Right);
    EXPECT_EQ(t.font.name, "Arial");
    EXPECT_EQ(t.font.size, 22);
    editor.PositionFocus(true);
    EXPECT_EQ(editor.opaque_text(), 1);
    editor.PositionFocus(false);
    EXPECT_EQ(editor.opaque_text(), -1);
}

TEST_F(ThemeEditorTest, TypedFontNamesAndPositionsApplyOnlyWhenUsable) {
    editor.SetInstalledFonts({"Arial", "Courier New", "Tahoma"});
    editor.PickCool(CoolObject::Text2);
    const FontSpec& font = editor.look().cool_texts[1].font;
    editor.FontNamePicked(EditorPage::Cool, "Before");
    struct Name {
        std::string typed;
        bool named;
        std::string applied;
    };
    for (const auto& c : std::vector<Name>{{"", false, "Before"}, {"Aria", false, "Before"},
                                           {"Arial ", false, "Before"}, {"courier NEW", true, "Courier New"},
                                           {"TAHOMA", true, "Tahoma"}}) {
        EXPECT_EQ(editor.FontNameTyped(EditorPage::Cool, c.typed), c.named) << c.typed;
        EXPECT_EQ(font.name, c.applied) << c.typed;
    }
    const TextElement& text = editor.look().cool_texts[1];
    struct Position {
        std::string typed;
        std::optional<int> shown;
    };
    for (const auto& c : std::vector<Position>{
             {"", std::nullopt}, {"12", 12}, {"0012", 12}, {"1200", 1000}, {"1234567", 1000}, {"000001999", 1}}) {
        EXPECT_EQ(editor.PositionTyped(PositionField::Top, c.typed), c.shown) << c.typed;
        if (c.shown) {
            EXPECT_EQ(text.top, *c.shown) << c.typed;
        }
    }
}

TEST_F(ThemeEditorTest, BordersAndPickedImages) {
    editor.PickNormal(NormalObject::EditBox);
    EXPECT_FALSE(editor.ShowBordersClicked());
    EXPECT_TRUE(editor.ShowBordersClicked());
    f.files.Put("C:\\pics\\wide.bmp", BuiltinBitmapFile(BuiltinImage::Back));
    f.files.Put("C:\\pics\\not.bmp", "text");
    EXPECT_FALSE(editor.ImagePicked(ImageSlot::Normal, "C:\\pics\\wide.bmp"));  // the edit box has no image
    editor.PickNormal(NormalObject::MenuButton);
    EXPECT_FALSE(editor.ImagePicked(ImageSlot::Normal, "C:\\pics\\not.bmp"));
    EXPECT_TRUE(editor.ImagePicked(ImageSlot::MouseOver, "C:\\pics\\wide.bmp"));
    EXPECT_EQ(editor.look().menu_button.image_hot, "C:\\pics\\wide.bmp");
    editor.general().title = "Pics";
    ASSERT_TRUE(editor.SaveThemeBTNClick());
    EXPECT_EQ(ValueOf(Saved("Pics"), "menubuttonimage2"), "wide.bmp");
    EXPECT_TRUE(f.files.Has(kThemes + "Pics\\wide.bmp"));
}

TEST_F(ThemeEditorTest, ShowingTakesTheLastAuthorAndClosingEmptiesTheGeneralFields) {
    app.settings().lastthemeauthor = "Bo";
    editor.LoadThemeIntoEditor("Default Theme.th2");
    editor.FormShow();
    EXPECT_EQ(editor.general(), (GeneralFields{"Default Theme", "Bo", "This is the default theme."}));
    editor.FormClose();
    EXPECT_EQ(editor.general(), GeneralFields{});
    EXPECT_EQ(editor.look().menu_button.image, kDefaultFolder + "menu1.bmp");  // the previews stay
}

}  // namespace
}  // namespace vtx
