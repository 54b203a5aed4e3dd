#include "themes/theme_apply.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "fake_platform.h"

namespace vtx {
namespace {

const std::string kProgram = "C:\\Program Files\\Vantrix\\";
const std::string kThemes = kProgram + "themes\\";
const std::string kDefaultPath = kThemes + "Default Theme.th2";

class LoadThemeTest : public ::testing::Test {
protected:
    LoadThemeTest() {
        files.PutFolder(kThemes);
        files.PutFolder(kThemes + "Default Theme");
    }
    ThemeLoadResult Load(const std::string& name) {
        return loadthm(name, files, kProgram, look, current, current_name);
    }
    // Loads a theme made of the given lines from "themes\t.th2".
    ThemeLoadResult LoadLines(const Lines& lines) {
        files.Put(kThemes + "t.th2", JoinLines(lines));
        return Load("t.th2");
    }

    fake::FakeFiles files;
    ThemeLook look;
    Lines current;
    std::string current_name;
};

TEST_F(LoadThemeTest, ValueForms) {
    struct Case {
        const char* line;
        std::function<void(ThemeLook&)> before;  // a value the line may change
        std::function<bool(const ThemeLook&)> expect;
    };
    const Case cases[] = {
        {"titlefontsize=10", [](ThemeLook&) {}, [](const ThemeLook& l) { return l.title.font.size == 10; }},
        {"TitleFontSize=10", [](ThemeLook&) {}, [](const ThemeLook& l) { return l.title.font.size == 10; }},
        // The key is "titlefontsize " with its blank: absent, so the size is the default.
        {"titlefontsize = 10", [](ThemeLook& l) { l.title.font.size = 30; },
         [](const ThemeLook& l) { return l.title.font.size == 8; }},
        {"editfontbold=1", [](ThemeLook&) {}, [](const ThemeLook& l) { return l.edit.font.bold; }},
        {"editfontbold=true", [](ThemeLook& l) { l.edit.font.bold = true; },
         [](const ThemeLook& l) { return !l.edit.font.bold; }},
        {"editfontbold=Yes", [](ThemeLook&) {}, [](const ThemeLook& l) { return !l.edit.font.bold; }},
        {"editshowborder=no", [](ThemeLook&) {}, [](const ThemeLook& l) { return l.edit.border; }},
        {"editshowborder=0", [](ThemeLook&) {}, [](const ThemeLook& l) { return !l.edit.border; }},
        {"listshowborder=", [](ThemeLook& l) { l.list.border = false; }, [](const ThemeLook& l) { return l.list.border; }},
        {"cooltext2alignment=Center", [](ThemeLook& l) { l.cool_texts[1].align = Align::Right; },
         [](const ThemeLook& l) { return l.cool_texts[1].align == Align::Right; }},
        {"cooltext2alignment=center", [](ThemeLook&) {},
         [](const ThemeLook& l) { return l.cool_texts[1].align == Align::Center; }},
        {"formbackcolor=FFF", [](ThemeLook& l) { l.form_color = 0; }, [](const ThemeLook& l) { return l.form_color == kWhite; }},
        {"formbackcolor=#FFFFFF", [](ThemeLook& l) { l.form_color = 0; },
         [](const ThemeLook& l) { return l.form_color == kWhite; }},
        {"formbackcolor=", [](ThemeLook& l) { l.form_color = 0; }, [](const ThemeLook& l) { return l.form_color == kWhite; }},
        {"framecolor=", [](ThemeLook& l) { l.frame_color = 0; },
         [](const ThemeLook& l) { return l.frame_color == kButtonGrey; }},
        {"coolshapecolor=clRed", [](ThemeLook&) {}, [](const ThemeLook& l) { return l.shape.color == 255; }},
        {"coolshapecolor=255", [](ThemeLook&) {}, [](const ThemeLook& l) { return l.shape.color == 255; }},
        {"cooltransparentcolor=00FF00", [](ThemeLook&) {}, [](const ThemeLook& l) { return l.see_through == 0x00FF00; }},
        // Absent: the window keeps its see-through colour.
        {"title=x", [](ThemeLook& l) { l.see_through = 0x123456; }, [](const ThemeLook& l) { return l.see_through == 0x123456; }},
        {"editfontname=Tahoma", [](ThemeLook&) {}, [](const ThemeLook& l) { return l.edit.font.name == "Tahoma"; }},
        {"title=x", [](ThemeLook& l) { l.cool_texts[3].top = 1; },
         [](const ThemeLook& l) {
             const TextElement& t = l.cool_texts[3];
             return t.top == 35 && t.left == 18 && t.height == 41 && t.width == 377 && l.cool_height == 146 &&
                    l.cool_width == 421 && l.shape.color == kGray && !l.shape.visible;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        look = ThemeLook{};
        c.before(look);
        EXPECT_TRUE(LoadLines({c.line}).ok);
        EXPECT_TRUE(c.expect(look));
    }
}

TEST_F(LoadThemeTest, PixelValuesAreBoundedSoTheWindowsSumsCannotOverflow) {
    ASSERT_TRUE(LoadLines({"cooltext1left=2147483647", "cooltext1width=2147483647", "coolheight=-2147483648",
                           "coolwidth=2147483647", "coolshapetop=-2147483648", "coolshapeheight=-40000",
                           "coolshapewidth=32767", "cooltext2fontsize=1000000"})
                    .ok);
    EXPECT_EQ(look.cool_texts[0].left, kMaxThemePixels);
    EXPECT_EQ(look.cool_texts[0].width, kMaxThemePixels);
    EXPECT_EQ(look.cool_height, -kMaxThemePixels);
    EXPECT_EQ(look.cool_width, kMaxThemePixels);
    EXPECT_EQ(look.shape.top, -kMaxThemePixels);
    EXPECT_EQ(look.shape.height, -kMaxThemePixels);
    EXPECT_EQ(look.shape.width, 32767);
    EXPECT_EQ(look.cool_texts[1].font.size, 1000000);  // font sizes are the window's to bound
    const LayoutGeometry g = CoolLayout(look);
    EXPECT_EQ(g.width, kMaxThemePixels);
    EXPECT_EQ(g.region.right, kMaxThemePixels + 1);
}

TEST_F(LoadThemeTest, FirstLineForAKeyWins) {
    ASSERT_TRUE(LoadLines({"coolwidth=500", "COOLWIDTH=600"}).ok);
    EXPECT_EQ(look.cool_width, 500);
}

TEST_F(LoadThemeTest, StopsAtTheFirstBadValueWithEarlierKeysApplied) {
    look.edit.font.size = 20;
    look.edit.font.color = 0x111111;
    const auto r = LoadLines({"formbackcolor=000000", "editfontname=Arial", "editfontsize=12x", "editfontcolor=FF0000",
                              "coolwidth=77"});
    ASSERT_FALSE(r.ok);
    EXPECT_NE(r.error.find("'12x' is not a valid integer value"), std::string::npos) << r.error;
    EXPECT_EQ(look.form_color, 0u);
    EXPECT_EQ(look.edit.font.name, "Arial");
    EXPECT_EQ(look.edit.font.size, 20);          // the bad key
    EXPECT_EQ(look.edit.font.color, 0x111111u);  // after it
    EXPECT_EQ(look.cool_width, 421);
    // The theme was read: its lines and name are current.
    EXPECT_EQ(current.size(), 5u);
    EXPECT_EQ(current_name, "t.th2");
}

// Sweep: each convertible key in turn carries a bad value; every key before it is applied,
// none after it.
TEST_F(LoadThemeTest, KeysApplyInOrder) {
    struct Key {
        std::string key;
        std::function<long long(const ThemeLook&)> get;
    };
    using L = const ThemeLook&;
    std::vector<Key> keys = {
        {"formbackcolor", [](L l) { return l.form_color; }},
        {"cooltransparentcolor", [](L l) { return l.see_through; }},
        {"framecolor", [](L l) { return l.frame_color; }},
        {"editfontsize", [](L l) { return l.edit.font.size; }},
        {"editfontcolor", [](L l) { return l.edit.font.color; }},
        {"editbackcolor", [](L l) { return l.edit.back; }},
        {"listfontsize", [](L l) { return l.list.font.size; }},
        {"listfontcolor", [](L l) { return l.list.font.color; }},
        {"listbackcolor", [](L l) { return l.list.back; }},
        {"titlefontsize", [](L l) { return l.title.font.size; }},
        {"titlefontcolor", [](L l) { return l.title.font.color; }},
        {"titlebackcolor", [](L l) { return l.title.back; }},
        {"menubuttoncolor", [](L l) { return l.menu_button.color; }},
        {"hidebuttoncolor", [](L l) { return l.hide_button.color; }},
    };
    for (std::size_t t = 0; t < 4; ++t) {
        const std::string p = "cooltext" + std::to_string(t + 1);
        keys.push_back({p + "fontsize", [t](L l) { return l.cool_texts[t].font.size; }});
        keys.push_back({p + "fontcolor", [t](L l) { return l.cool_texts[t].font.color; }});
        keys.push_back({p + "backcolor", [t](L l) { return l.cool_texts[t].back; }});
        keys.push_back({p + "top", [t](L l) { return l.cool_texts[t].top; }});
        keys.push_back({p + "left", [t](L l) { return l.cool_texts[t].left; }});
        keys.push_back({p + "height", [t](L l) { return l.cool_texts[t].height; }});
        keys.push_back({p + "width", [t](L l) { return l.cool_texts[t].width; }});
    }
    keys.push_back({"coolheight", [](L l) { return l.cool_height; }});
    keys.push_back({"coolwidth", [](L l) { return l.cool_width; }});
    keys.push_back({"coolshapecolor", [](L l) { return l.shape.color; }});
    keys.push_back({"coolshapeleft", [](L l) { return l.shape.left; }});
    keys.push_back({"coolshapetop", [](L l) { return l.shape.top; }});
    keys.push_back({"coolshapeheight", [](L l) { return l.shape.height; }});
    keys.push_back({"coolshapewidth", [](L l) { return l.shape.width; }});

    // "000003" is 0x030000 as a colour; "3" is 3 as an integer: both differ from every default.
    auto good = [](const std::string& key) {
        return key.find("color") != std::string::npos && key != "coolshapecolor" ? "000003" : "3";
    };
    for (std::size_t bad = 0; bad < keys.size(); ++bad) {
        SCOPED_TRACE(keys[bad].key);
        Lines lines;
        // Written in reverse so that the file order cannot be what decides.
        for (std::size_t i = keys.size(); i-- > 0;)
            lines.push_back(keys[i].key + "=" + (i == bad ? std::string("GGGGGG") : std::string(good(keys[i].key))));
        look = ThemeLook{};
        ASSERT_FALSE(LoadLines(lines).ok);
        const ThemeLook initial;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const long long expected = i < bad ? (std::string(good(keys[i].key)) == "3" ? 3 : 0x030000)
                                               : keys[i].get(initial);
            EXPECT_EQ(keys[i].get(look), expected) << keys[i].key;
        }
    }
}

// A theme that names no key at all: every element takes the value it has when absent.
TEST_F(LoadThemeTest, AbsentKeysTakeTheirDefaults) {
    look.edit.font.color = look.list.font.color = look.title.font.color = 0x123456;
    for (auto& t : look.cool_texts) t.font.color = 0x123456;
    look.form_color = look.edit.back = look.list.back = look.frame_color = 0x123456;
    ASSERT_TRUE(LoadLines({"title=Bare"}).ok);
    for (const FontSpec* f : {&look.edit.font, &look.list.font, &look.title.font, &look.cool_texts[0].font,
                              &look.cool_texts[3].font}) {
        EXPECT_EQ(f->color, kBlack);
        EXPECT_EQ(f->name, "MS Sans Serif");
        EXPECT_EQ(f->size, 8);
    }
    EXPECT_EQ(look.form_color, kWhite);
    EXPECT_EQ(look.edit.back, kWhite);
    EXPECT_EQ(look.list.back, kWhite);
    EXPECT_EQ(look.frame_color, kButtonGrey);
    EXPECT_EQ(look.cool_height, 146);
    EXPECT_EQ(look.cool_width, 421);
    EXPECT_EQ(look.cool_texts[2].top, 35);
    EXPECT_EQ(look.cool_texts[2].width, 377);
}

TEST_F(LoadThemeTest, ConversionErrorsNameTheirValue) {
    struct Case {
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {"framecolor=GG0000", "'GG0000' is not a valid colour value"},
        {"coolshapecolor=FF0000", "'FF0000' is not a valid colour value"},
        {"cooltext3top=99999999999999999999", "'99999999999999999999' is not a valid integer value"},
        {"coolshapewidth=", nullptr},
    };
    for (const Case& c : cases) {
        const auto r = LoadLines({c.line});
        EXPECT_EQ(r.ok, c.message == nullptr) << c.line;
        if (c.message) {
            EXPECT_NE(r.error.find(c.message), std::string::npos) << r.error;
        }
    }
    // A value of any length gives a message of reasonable length.
    const auto r = LoadLines({"coolheight=" + std::string(100000, 'x')});
    EXPECT_FALSE(r.ok);
    EXPECT_LT(r.error.size(), 200u);
    // Cut after whole characters: 60 of them, then "...".
    std::string greek;
    for (int i = 0; i < 100; ++i) greek += "Ω";
    const auto cut = LoadLines({"coolheight=x" + greek});
    EXPECT_NE(cut.error.find("'x" + greek.substr(0, 59 * 2) + "...'"), std::string::npos) << cut.error;
}

TEST_F(LoadThemeTest, FallbackChain) {
    files.Put(kThemes + "Blue.th2", "title=Blue\r\n");
    ASSERT_TRUE(Load("Blue.th2").ok);
    EXPECT_EQ(current_name, "Blue.th2");
    EXPECT_EQ(current, Lines{"title=Blue"});

    // A full path outside the themes folder: loaded, known by its file name.
    files.Put("D:\\Elsewhere\\Red.th2", "title=Red\r\n");
    ASSERT_TRUE(Load("D:\\Elsewhere\\Red.th2").ok);
    EXPECT_EQ(current_name, "Red.th2");
    EXPECT_EQ(current, Lines{"title=Red"});

    // A name that names no file: the default theme as it stands on disk.
    files.Put(kDefaultPath, "title=Edited default\r\n");
    ASSERT_TRUE(Load("Missing.th2").ok);
    EXPECT_EQ(current_name, "Default Theme.th2");
    EXPECT_EQ(current, Lines{"title=Edited default"});

    // No default theme either: written afresh and loaded.
    files.DeleteFile(kDefaultPath);
    ASSERT_TRUE(Load("Missing.th2").ok);
    EXPECT_EQ(current_name, "Default Theme.th2");
    EXPECT_EQ(current, DefaultThemeLines());
    EXPECT_EQ(SplitLines(files.Get(kDefaultPath)), DefaultThemeLines());
    EXPECT_EQ(look.cool_width, 300);
    EXPECT_EQ(look.cool_texts[0].font.size, 14);
}

TEST_F(LoadThemeTest, UnreadableThemeAppliesNothing) {
    files.Put(kThemes + "Locked.th2", "formbackcolor=000000\r\n");
    files.MakeUnreadable(kThemes + "Locked.th2");
    current = {"old=1"};
    current_name = "Old.th2";
    const auto r = Load("Locked.th2");
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(look, ThemeLook{});
    EXPECT_EQ(current, Lines{"old=1"});
    EXPECT_EQ(current_name, "Old.th2");

}

// A Program folder that cannot be written has no default theme file and cannot get one: the
// built-in default theme is applied instead, without an error, and its images stay built in.
TEST_F(LoadThemeTest, BuiltInDefaultThemeStandsInForAFileThatCannotBeWritten) {
    fake::FakeFiles empty;
    const auto r = loadthm("x.th2", empty, kProgram, look, current, current_name);
    EXPECT_TRUE(r.ok) << r.error;
    EXPECT_EQ(empty.writes, 0);
    EXPECT_EQ(current, DefaultThemeLines());
    EXPECT_EQ(current_name, "Default Theme.th2");
    EXPECT_EQ(look.cool_width, 300);  // the default theme's, not the window's own 421
    EXPECT_EQ(look.menu_button.image, "");
    EXPECT_EQ(look.cool_back_image, "");

    // The same when the file is there but cannot be read.
    files.Put(kThemes + "Default Theme.th2", "formbackcolor=000000\r\n");
    files.MakeUnreadable(kThemes + "Default Theme.th2");
    EXPECT_TRUE(Load("Default Theme.th2").ok);
    EXPECT_EQ(current, DefaultThemeLines());
}

TEST_F(LoadThemeTest, ImagesComeFromTheThemeFolderWhenTheyExist) {
    files.Put(kThemes + "Mine\\menu.bmp", "bmp");
    files.Put(kThemes + "loose.bmp", "bmp");
    look.hide_button.image = "previous";
    ASSERT_TRUE(LoadLines({"thmfolder=Mine", "menubuttonimage=menu.bmp", "menubuttonimage2=absent.bmp",
                           "hidebuttonimage=loose.bmp"})
                    .ok);
    EXPECT_EQ(look.menu_button.image, kThemes + "Mine\\menu.bmp");
    EXPECT_EQ(look.menu_button.image_hot, "");   // the file does not exist
    EXPECT_EQ(look.hide_button.image, "previous");  // not in the theme's folder

    // Without thmfolder images are looked for directly in "themes\".
    ASSERT_TRUE(LoadLines({"hidebuttonimage=loose.bmp", "coolbackimage="}).ok);
    EXPECT_EQ(look.hide_button.image, kThemes + "loose.bmp");
    EXPECT_EQ(look.cool_back_image, "");
}

TEST_F(LoadThemeTest, ValuesThatWouldLeaveTheThemeFolderLoadNothing) {
    // Each file exists under the very path the value would make, so only the check stops it.
    for (const std::string value : {"..\\evil.bmp", "../evil.bmp", "..", ".", "C:evil.bmp", "\\evil.bmp",
                                    "sub\\evil.bmp", "CON", "con.bmp", "NUL", "AUX.bmp", "PRN", "COM1", "LPT9.bmp",
                                    "evil.bmp:stream"}) {
        SCOPED_TRACE(value);
        files.Put(kThemes + "Safe\\" + value, "bmp");
        look = ThemeLook{};
        ASSERT_TRUE(LoadLines({"thmfolder=Safe", "coolbackimage=" + value}).ok);
        EXPECT_EQ(look.cool_back_image, "");

        files.Put(kThemes + value + "\\back.bmp", "bmp");
        ASSERT_TRUE(LoadLines({"thmfolder=" + value, "coolbackimage=back.bmp"}).ok);
        EXPECT_EQ(look.cool_back_image, "");
    }
}

// ------------------------------------------------------------------ layouts

class RecordingView : public LayoutView {
public:
    std::vector<std::string> calls;
    ThemeLook last_look;
    LayoutGeometry last_geometry;
    ListPlacement last_list;
    int width = 0, height = 0, opacity = -1, client_offset = 0;
    bool showing = true;
    std::vector<std::string> errors;

    void ApplyLook(const ThemeLook& look) override {
        last_look = look;
        calls.push_back("look");
    }
    void SetWindowSize(int w, int h) override {
        width = w;
        height = h;
        calls.push_back("size " + std::to_string(w) + "x" + std::to_string(h));
    }
    void PlaceList(const ListPlacement& p) override {
        last_list = p;
        calls.push_back("list top " + std::to_string(p.rect.top));
    }
    void ApplyGeometry(const LayoutGeometry& g) override {
        last_geometry = g;
        calls.push_back(g.cool ? "geometry cool" : "geometry normal");
    }
    bool IsShowing() override { return showing; }
    void FocusEdit() override { calls.push_back("focus"); }
    void SetOpacity(int o) override {
        opacity = o;
        calls.push_back("opacity " + std::to_string(o));
    }
    void ShowError(const std::string& text) override {
        errors.push_back(text);
        calls.push_back("error");
    }
    int ClientHeightOffset() override { return client_offset; }
};

class LayoutTest : public ::testing::Test {
protected:
    LayoutTest() {
        files.PutFolder(kThemes);
        files.PutFolder(kThemes + "Default Theme");
        EXPECT_TRUE(CheckDefaultThemeFiles(files, kProgram));
    }
    fake::FakeFiles files;
    RecordingView view;
    LayoutState state{files, kProgram, view};
};

TEST_F(LayoutTest, CoolModeWithTheDefaultTheme) {
    ASSERT_TRUE(state.EnterCoolMode());
    EXPECT_EQ(view.calls, (std::vector<std::string>{"list top 0", "look", "size 300x60", "geometry cool", "focus"}));
    EXPECT_TRUE(state.cool_mode());
    const LayoutGeometry& g = view.last_geometry;
    EXPECT_TRUE(g.see_through);
    EXPECT_EQ(g.window_color, 0xFF00FFu);
    EXPECT_EQ(g.edit_left, -150);
    EXPECT_FALSE(g.list_visible || g.list_tab_stop || g.frame_visible);
    EXPECT_TRUE(g.back_image_visible && g.cool_texts_visible);
    EXPECT_EQ(g.region, (RegionRect{0, 0, 301, 61, 9, 9}));
    EXPECT_FALSE(view.last_list.whole || view.last_list.anchored);

    const TextElement& t1 = view.last_look.cool_texts[0];
    EXPECT_EQ(t1.font, (FontSpec{"Tahoma", 14, kWhite, false, false, false}));
    EXPECT_EQ(t1.align, Align::Center);
    EXPECT_EQ((Rect{t1.left, t1.top, t1.width, t1.height}), (Rect{8, 8, 281, 25}));
    EXPECT_EQ(view.last_look.cool_back_image, kThemes + "Default Theme\\back1.bmp");
    EXPECT_EQ(state.current_theme(), DefaultThemeLines());

    // Not showing: the edit box is not focused.
    view.calls.clear();
    view.showing = false;
    ASSERT_TRUE(state.EnterCoolMode());
    EXPECT_EQ(view.calls.back(), "geometry cool");
}

TEST_F(LayoutTest, NormalModeListFollowsTheWindowHeight) {
    ASSERT_TRUE(state.EnterNormalMode());
    EXPECT_EQ(view.calls, (std::vector<std::string>{"size 141x200", "list top 40", "look", "geometry normal"}));
    EXPECT_EQ(view.last_list, (ListPlacement{{5, 40, 131, 152}, true, true}));
    const LayoutGeometry& g = view.last_geometry;
    EXPECT_FALSE(g.see_through || g.back_image_visible || g.cool_texts_visible || g.shape_visible);
    EXPECT_TRUE(g.list_visible && g.list_tab_stop && g.frame_visible);
    EXPECT_EQ(g.edit_left, 5);
    EXPECT_EQ(g.window_color, kWhite);
    EXPECT_EQ(g.region, (RegionRect{2, 2, 140, 199, 9, 9}));

    view.client_offset = 10;
    state.set_normal_height(300);
    state.set_normal_width(60);  // never narrower than 100
    ASSERT_TRUE(state.EnterNormalMode());
    EXPECT_EQ(view.width, 100);
    EXPECT_EQ(view.last_list.rect.height, 300 - 10 - 48);
}

TEST_F(LayoutTest, ToggleTwiceReturnsAndRereadsTheTheme) {
    files.Put(kThemes + "t.th2", "coolwidth=250\r\ncoolheight=50\r\n");
    state.set_theme_name("t.th2");
    ASSERT_TRUE(state.EnterNormalMode());
    ASSERT_TRUE(state.ToggleCoolMode());
    EXPECT_TRUE(state.cool_mode());
    EXPECT_EQ(view.width, 250);

    files.Put(kThemes + "t.th2", "coolwidth=260\r\nformbackcolor=0000FF\r\n");  // edited on disk
    ASSERT_TRUE(state.ToggleCoolMode());
    EXPECT_FALSE(state.cool_mode());
    EXPECT_EQ(view.last_geometry.window_color, 0xFF0000u);
    EXPECT_EQ(state.look().cool_width, 260);
    ASSERT_TRUE(state.ToggleCoolMode());
    EXPECT_EQ(view.width, 260);
    EXPECT_EQ(view.height, 146);  // no coolheight any more
}

TEST_F(LayoutTest, ThemeWithoutCoolSizeGivesTheDesignSize) {
    files.Put(kThemes + "t.th2", "title=No size\r\n");
    state.set_theme_name("t.th2");
    ASSERT_TRUE(state.EnterCoolMode());
    EXPECT_EQ(view.width, 421);
    EXPECT_EQ(view.height, 146);
}

TEST_F(LayoutTest, MissingThemeFallsBackToTheDefaultName) {
    state.set_theme_name("Gone.th2");
    ASSERT_TRUE(state.EnterNormalMode());
    EXPECT_EQ(state.theme_name(), "Default Theme.th2");
}

TEST_F(LayoutTest, ABadValueStopsTheLayoutOperation) {
    files.Put(kThemes + "t.th2", "coolwidth=wide\r\n");
    state.set_theme_name("t.th2");
    EXPECT_FALSE(state.EnterCoolMode());
    EXPECT_EQ(view.calls, (std::vector<std::string>{"list top 0", "look", "error"}));
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_NE(view.errors[0].find("'wide'"), std::string::npos);
    EXPECT_TRUE(state.cool_mode());
}

TEST_F(LayoutTest, ResetAppearanceFromCoolMode) {
    files.Put(kDefaultPath, "coolwidth=222\r\nformbackcolor=000000\r\n");  // changed by hand
    state.set_normal_height(350);
    state.set_normal_width(180);
    state.set_opacity(120);
    ASSERT_TRUE(state.EnterCoolMode());
    view.calls.clear();

    ASSERT_TRUE(state.ResetAppearance());
    EXPECT_EQ(view.calls,
              (std::vector<std::string>{"size 141x200", "list top 40", "look", "geometry normal", "opacity 255"}));
    EXPECT_FALSE(state.cool_mode());
    EXPECT_EQ(state.normal_width(), 141);
    EXPECT_EQ(state.normal_height(), 200);
    EXPECT_EQ(state.opacity(), 255);
    EXPECT_EQ(state.theme_name(), "Default Theme.th2");
    EXPECT_EQ(state.current_theme(), DefaultThemeLines());
    EXPECT_EQ(view.last_look.cool_width, 300);
    EXPECT_EQ(view.last_look.form_color, kWhite);
}

TEST_F(LayoutTest, ResetAppearanceRepairsABrokenTheme) {
    files.Put(kThemes + "broken.th2", "coolheight=tall\r\n");
    state.set_theme_name("broken.th2");
    state.set_opacity(120);
    EXPECT_FALSE(state.EnterNormalMode());  // the broken theme stops the layout
    view.calls.clear();

    ASSERT_TRUE(state.ResetAppearance());
    EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), "error"), 0) << "the broken theme was applied again";
    EXPECT_EQ(state.theme_name(), "Default Theme.th2");
    EXPECT_EQ(state.current_theme(), DefaultThemeLines());
    EXPECT_EQ(state.opacity(), 255);
    EXPECT_EQ(view.calls.back(), "opacity 255");
}

TEST_F(LayoutTest, ResetAppearanceStopsWhenTheDefaultThemeFailsToApply) {
    files.Put(kThemes + "t.th2", "title=fine\r\n");
    files.Put(kDefaultPath, "coolheight=tall\r\n");
    files.MakeReadOnly(kDefaultPath);  // cannot be rewritten
    state.set_theme_name("t.th2");
    state.set_opacity(120);
    EXPECT_FALSE(state.ResetAppearance());
    EXPECT_EQ(view.calls.back(), "error");
    EXPECT_EQ(view.opacity, -1);
    EXPECT_EQ(state.opacity(), 120);
}

}  // namespace
}  // namespace vtx
