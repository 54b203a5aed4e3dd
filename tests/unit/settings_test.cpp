#include "app/settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "fake_platform.h"
#include "platform/ascii.h"

namespace vtx {
namespace {

const std::string kProgram = "C:\\Program Files\\Vantrix\\";
const std::string kData = "C:\\Users\\tester\\AppData\\Roaming\\Orvane\\VTX\\";

class SettingsTest : public ::testing::Test {
protected:
    fake::FakeKeys keys;
    HotkeyText hk{keys};
    std::set<std::string> themes{"Default Theme.th2", "Blue.th2"};
    LoadSettingsContext ctx{6, "", Size{1024, 738}, kProgram,
                            [this](const std::string& name) { return themes.count(name) != 0; }};

    LoadedSettings Load(const Lines& lines, Settings& s) { return LoadSettings(lines, s, hk, ctx); }
    LoadedSettings Load(const Lines& lines) {
        Settings s;
        return Load(lines, s);
    }
    Settings Loaded(const Lines& lines) {
        Settings s;
        (void)Load(lines, s);
        return s;
    }
};

TEST_F(SettingsTest, SavesTheTwentyThreeLinesInOrder) {
    Settings s;
    s.hotkey = kCtrl + kShift + 0x79;
    s.opacity = 30;
    s.theme = "Blue.th2";
    s.lastthemeauthor = "Ann";
    s.top = -50;
    s.left = 12;
    s.height = 300;
    s.f2top = 1;
    s.f2left = 2;
    s.f2height = 3;
    s.f2width = 4;
    s.coolmode = s.showicons = s.hae = s.startonstartup = true;
    const Lines expected{"program=vtx",  "firstrun=0",     "theme=Blue.th2",      "lastthemeauthor=Ann",
                         "top=-50",      "left=12",        "height=300",          "width=141",
                         "opacity=30",   "hotkey=Ctrl+Shift+F10", "f2top=1",      "f2left=2",
                         "f2height=3",   "f2width=4",      "showwindow=0",        "coolmode=1",
                         "quickadd=0",   "showprogram=0",  "showicons=1",         "udnavlist=0",
                         "HAE=1",        "stayontop=0",    "startonstartup=1"};
    EXPECT_EQ(SaveSettingsLines(s, hk), expected);
}

TEST_F(SettingsTest, WhatIsSavedLoadsBack) {
    Settings saved;
    saved.hotkey = kAlt + kWin + 0x7B;
    saved.opacity = 200;
    saved.quickadd = saved.showprogram = saved.stayontop = saved.coolmode = true;
    saved.udnavlist = true;
    saved.startonstartup = false;
    saved.theme = "Blue.th2";
    saved.lastthemeauthor = "Ann Author";
    saved.top = 100;
    saved.left = -20;
    saved.height = 333;
    saved.width = 400;  // not restored: always 141 after start-up

    Settings s;
    const LoadedSettings out = Load(SaveSettingsLines(saved, hk), s);
    EXPECT_EQ(out.window_opacity, 200);
    EXPECT_EQ(out.window_top, 100);
    EXPECT_EQ(out.window_left, -20);
    EXPECT_EQ(out.window_height, 333);
    EXPECT_EQ(out.window_width, 141);
    EXPECT_TRUE(out.show_at_start);
    EXPECT_EQ(out.startup_entry, StartupEntry::Remove);
    EXPECT_FALSE(out.first_run);
    EXPECT_TRUE(out.cool_mode);
    EXPECT_FALSE(s.udnavlist);

    // Saving again gives the same file, but for the width and up/down navigation.
    saved.width = 141;
    saved.udnavlist = false;
    EXPECT_EQ(SaveSettingsLines(s, hk), SaveSettingsLines(saved, hk));
}

TEST_F(SettingsTest, OpacityKeepsItsLowByteAndTheWindowStaysVisible) {
    const struct {
        const char* line;
        int setting;  // -1: left as it was
        int window;
    } cases[] = {
        {"opacity=200", 200, 200}, {"opacity=50", 50, 50},   {"opacity=49", 49, 255},  {"opacity=30", 30, 255},
        {"opacity=300", 44, 255},  {"opacity=511", 255, 255}, {"opacity=306", 50, 50}, {"opacity=-1", 255, 255},
        {"opacity=", -1, 255},     {"opacity=abc", -1, 255},  {"other=1", -1, 255},
    };
    for (const auto& c : cases) {
        Settings s;
        s.opacity = 7;
        const LoadedSettings out = Load({c.line}, s);
        EXPECT_EQ(s.opacity, c.setting < 0 ? 7 : c.setting) << c.line;
        EXPECT_EQ(out.window_opacity, c.window) << c.line;
    }
    // No key: "opacity=0" at the next save.
    EXPECT_EQ(SaveSettingsLines(Loaded({}), hk)[8], "opacity=0");
}

TEST_F(SettingsTest, WinOneGivesWayToWinZOnlyOnCodeEight) {
    for (int code : {0, 1, 4, 6, 7}) {
        ctx.windows_version_code = code;
        EXPECT_EQ(Loaded({"hotkey=Win+1"}).hotkey, kWin + '1') << code;
    }
    ctx.windows_version_code = 8;
    const Settings s = Loaded({"hotkey=Win+1"});
    EXPECT_EQ(s.hotkey, kWin + 'Z');
    EXPECT_EQ(SaveSettingsLines(s, hk)[9], "hotkey=Win+Z");
    EXPECT_EQ(Loaded({"hotkey=win+1"}).hotkey, kWin + '1');  // the text is compared exactly
    EXPECT_EQ(Loaded({"hotkey=Ctrl+Alt+Q"}).hotkey, kCtrl + kAlt + 'Q');
    EXPECT_EQ(Loaded({"hotkey=Foo+Q"}).hotkey, 0);  // kept unusable, no fallback
}

TEST_F(SettingsTest, ThemeFallsBackToTheDefault) {
    EXPECT_EQ(Loaded({"theme=Blue.th2"}).theme, "Blue.th2");
    EXPECT_EQ(Loaded({"theme=Blue.th"}).theme, "Default Theme.th2");
    EXPECT_EQ(Loaded({"theme=Blue.TH2"}).theme, "Default Theme.th2");  // the ending is compared exactly
    EXPECT_EQ(Loaded({"theme="}).theme, "Default Theme.th2");
    // A missing file: the full path of the default theme, which loading the theme turns back into a name.
    EXPECT_EQ(Loaded({"theme=Gone.th2"}).theme, kProgram + "themes\\Default Theme.th2");
    themes.clear();
    EXPECT_EQ(Loaded({}).theme, kProgram + "themes\\Default Theme.th2");
}

TEST_F(SettingsTest, ThemeIsABareFileNameInsideTheThemesFolder) {
    // Each of these names a file that exists, but not as a bare name inside "themes\".
    for (const std::string name : {"..\\..\\outside\\x.th2", "..\\Blue.th2", "sub\\Blue.th2", "sub/Blue.th2",
                                   "C:\\Windows\\Blue.th2", "\\\\server\\share\\Blue.th2", "C:Blue.th2", "..th2\\.th2"}) {
        themes.insert(name);
        EXPECT_EQ(Loaded({"theme=" + name}).theme, "Default Theme.th2") << name;
    }
    themes.insert("My..Theme.th2");
    EXPECT_EQ(Loaded({"theme=My..Theme.th2"}).theme, "My..Theme.th2");
}

TEST_F(SettingsTest, PositionStaysInsideTheWorkArea) {
    ctx.work_area = {1024, 738};
    const struct {
        Lines lines;
        int top, left;
        bool saved;
    } cases[] = {
        {{}, 369, 512, false},
        {{"top=100", "left=200"}, 100, 200, true},
        {{"top=738", "left=1024"}, 738, 1024, true},  // the edge itself is kept
        {{"top=739", "left=1025"}, 369, 512, true},
        {{"top=-50", "left=-5000"}, -50, -5000, true},  // only positions beyond the area are corrected
        {{"top=x", "left=1e3"}, 369, 512, false},
        {{"TOP=10", "Left=20"}, 10, 20, true},
        {{"left=20"}, 369, 20, true},
    };
    for (const auto& c : cases) {
        const LoadedSettings out = Load(c.lines);
        EXPECT_EQ(out.window_top, c.top) << testing::PrintToString(c.lines);
        EXPECT_EQ(out.window_left, c.left) << testing::PrintToString(c.lines);
        EXPECT_EQ(out.position_saved, c.saved) << testing::PrintToString(c.lines);
    }
}

TEST_F(SettingsTest, PositionsAndHeightNoScreenCanShowAreBroughtIntoRange) {
    ctx.work_area = {1024, 738};
    const struct {
        Lines lines;
        int top, left, height;
    } cases[] = {
        {{"top=-2147483648", "left=-2147483648", "height=2147483647"}, -kMaxPosition, -kMaxPosition, kMaxWindowHeight},
        {{"top=-32000", "left=-32000", "height=16000"}, -32000, -32000, 16000},
        {{"top=-32001", "left=-99999", "height=16001"}, -32000, -32000, 16000},
        {{"top=-1200", "left=-3840", "height=2000"}, -1200, -3840, 2000},  // a monitor above, one on the left
        {{"top=2147483647", "left=2147483647"}, 369, 512, 200},  // beyond the work area: as before
    };
    for (const auto& c : cases) {
        Settings s;
        const LoadedSettings out = Load(c.lines, s);
        EXPECT_EQ(out.window_top, c.top) << testing::PrintToString(c.lines);
        EXPECT_EQ(out.window_left, c.left) << testing::PrintToString(c.lines);
        EXPECT_EQ(out.window_height, c.height) << testing::PrintToString(c.lines);
        // What is saved is what was brought into range, and reads back the same.
        s.top = out.window_top;
        s.left = out.window_left;
        const Lines saved = SaveSettingsLines(s, hk);
        EXPECT_EQ(saved[4], "top=" + std::to_string(c.top));
        EXPECT_EQ(saved[5], "left=" + std::to_string(c.left));
        EXPECT_EQ(saved[6], "height=" + std::to_string(c.height));
        EXPECT_EQ(Loaded(saved).height, c.height);
    }
    EXPECT_EQ(ClampPosition(-2147483647 - 1), -kMaxPosition);
    EXPECT_EQ(ClampPosition(2147483647), kMaxPosition);
    EXPECT_EQ(ClampPosition(-5), -5);
}

TEST_F(SettingsTest, HeightDefaultsTo200AndWidthIsAlways141) {
    const struct {
        const char* line;
        int height;
    } cases[] = {{"HEIGHT=300", 300}, {"height=1", 1}, {"height=0", 200}, {"height=-7", 200},
                 {"height=tall", 200}, {"height=", 200}, {"width=500", 200}};
    for (const auto& c : cases) {
        Settings s;
        const LoadedSettings out = Load({c.line, "width=500"}, s);
        EXPECT_EQ(s.height, c.height) << c.line;
        EXPECT_EQ(out.window_height, c.height) << c.line;
        EXPECT_EQ(s.width, 141) << c.line;
        EXPECT_EQ(out.window_width, 141) << c.line;
    }
}

TEST_F(SettingsTest, ShowAtStartUnlessStartedWithWindows) {
    EXPECT_TRUE(Load({"showprogram=1"}).show_at_start);
    EXPECT_FALSE(Load({"showprogram=0"}).show_at_start);
    EXPECT_FALSE(Load({"showprogram=yes"}).show_at_start);
    ctx.first_parameter = "ns";
    Settings s;
    EXPECT_FALSE(Load({"showprogram=1"}, s).show_at_start);
    EXPECT_TRUE(s.showprogram);  // still saved as on
    ctx.first_parameter = "NS";
    EXPECT_TRUE(Load({"showprogram=1"}).show_at_start);
}

TEST_F(SettingsTest, StartWithWindowsTouchesNoRegistryOnCodeEight) {
    const struct {
        int code;
        const char* line;
        bool before, after;
        StartupEntry entry;
    } cases[] = {
        {6, "startonstartup=1", false, true, StartupEntry::Add},
        {6, "startonstartup=yes", false, true, StartupEntry::Add},
        {6, "other=1", false, true, StartupEntry::Add},
        {6, "startonstartup=0", true, false, StartupEntry::Remove},
        {0, "startonstartup=0", true, false, StartupEntry::Remove},
        // Code 8 touches no registry, but keeps the stored choice so that saving does not lose it.
        {8, "startonstartup=0", true, false, StartupEntry::None},
        {8, "startonstartup=1", false, true, StartupEntry::None},
        {8, "other=1", true, true, StartupEntry::None},
        {8, "other=1", false, false, StartupEntry::None},
    };
    for (const auto& c : cases) {
        ctx.windows_version_code = c.code;
        Settings s;
        s.startonstartup = c.before;
        const LoadedSettings out = Load({c.line, "firstrun=0"}, s);
        EXPECT_EQ(s.startonstartup, c.after) << c.code << " " << c.line;
        EXPECT_EQ(out.startup_entry, c.entry) << c.code << " " << c.line;
    }
}

TEST_F(SettingsTest, FirstRunTurnsStartWithWindowsOn) {
    ctx.windows_version_code = 8;
    Settings s;
    EXPECT_TRUE(Load({"firstrun=1"}, s).first_run);
    EXPECT_TRUE(s.startonstartup);
    Settings later;
    EXPECT_FALSE(Load({"firstrun=0"}, later).first_run);
    EXPECT_FALSE(later.startonstartup);
}

TEST_F(SettingsTest, AnUnreadableFileIsNoFirstRunAndLeavesTheStartupEntryAlone) {
    ctx.settings_unreadable = true;
    for (const int code : {0, 6, 8}) {
        ctx.windows_version_code = code;
        // Nothing was read, or only the Program folder's copy.
        for (const Lines& lines : {Lines{}, Lines{"firstrun=1", "startonstartup=0"}}) {
            const LoadedSettings out = Load(lines);
            EXPECT_FALSE(out.first_run) << code;
            EXPECT_EQ(out.startup_entry, StartupEntry::None) << code;
        }
    }
}

// Settings supplied with the program that turn starting with Windows off keep it off on the first run.
TEST_F(SettingsTest, FirstRunKeepsAnExplicitOff) {
    for (int code : {0, 8}) {
        ctx.windows_version_code = code;
        Settings s;
        const LoadedSettings out = Load({"startonstartup=0"}, s);
        EXPECT_TRUE(out.first_run) << code;
        EXPECT_FALSE(s.startonstartup) << code;
        EXPECT_EQ(out.startup_entry, code == 8 ? StartupEntry::None : StartupEntry::Remove) << code;
    }
}

TEST_F(SettingsTest, FirstMatchingLineWinsAndExtraLinesDisappear) {
    const Lines lines{"garbage without equals", "QuickAdd=1", "quickadd=0", "=1", "unknown=5", "HAE=1"};
    const Settings s = Loaded(lines);
    EXPECT_TRUE(s.quickadd);
    EXPECT_TRUE(s.hae);
    const Lines saved = SaveSettingsLines(s, hk);
    EXPECT_EQ(saved.size(), 23u);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), "unknown=5"), 0);
}

// Each key read at start-up, dropped from a file that sets everything away from its default.
TEST_F(SettingsTest, EachMissingKeyTakesItsDefault) {
    const Lines full{"hotkey=Ctrl+Q",      "opacity=100",    "quickadd=1",  "showprogram=1",   "showicons=1",
                     "HAE=1",              "stayontop=1",    "startonstartup=0", "showwindow=1", "coolmode=1",
                     "lastthemeauthor=Ann", "theme=Blue.th2", "top=10",      "left=20",         "height=300",
                     "firstrun=0"};
    using Check = std::function<bool(const Settings&, const LoadedSettings&)>;
    const std::map<std::string, Check> is_default{
        {"hotkey", [](const Settings& s, const LoadedSettings&) { return s.hotkey == kWin + 'Z'; }},
        {"opacity", [](const Settings& s, const LoadedSettings& o) { return s.opacity == 0 && o.window_opacity == 255; }},
        {"quickadd", [](const Settings& s, const LoadedSettings&) { return !s.quickadd; }},
        {"showprogram", [](const Settings& s, const LoadedSettings& o) { return !s.showprogram && !o.show_at_start; }},
        {"showicons", [](const Settings& s, const LoadedSettings& o) { return !s.showicons && o.item_height == 16; }},
        {"HAE", [](const Settings& s, const LoadedSettings&) { return !s.hae; }},
        {"stayontop", [](const Settings& s, const LoadedSettings&) { return !s.stayontop; }},
        {"startonstartup",
         [](const Settings& s, const LoadedSettings& o) { return s.startonstartup && o.startup_entry == StartupEntry::Add; }},
        {"showwindow", [](const Settings&, const LoadedSettings& o) { return !o.window_frame; }},
        {"coolmode", [](const Settings& s, const LoadedSettings& o) { return !s.coolmode && !o.cool_mode; }},
        {"lastthemeauthor", [](const Settings& s, const LoadedSettings&) { return s.lastthemeauthor.empty(); }},
        {"theme", [](const Settings& s, const LoadedSettings&) { return s.theme == "Default Theme.th2"; }},
        {"top", [](const Settings& s, const LoadedSettings& o) { return s.top == 369 && o.window_top == 369; }},
        {"left", [](const Settings& s, const LoadedSettings& o) { return s.left == 512 && o.window_left == 512; }},
        {"height", [](const Settings& s, const LoadedSettings& o) { return s.height == 200 && o.window_height == 200; }},
        {"firstrun", [](const Settings&, const LoadedSettings& o) { return o.first_run; }},
    };
    ASSERT_EQ(is_default.size(), full.size());
    for (const auto& [key, check] : is_default) {
        Settings all;
        EXPECT_FALSE(check(all, Load(full, all))) << key << " is at its default in the full file";
        for (const std::string& empty_or_gone : {std::string("drop"), key + "="}) {
            Lines lines;
            for (const auto& l : full)
                if (!EqualsNoCaseAscii(l.substr(0, l.find('=')), key)) lines.push_back(l);
            ASSERT_EQ(lines.size(), full.size() - 1) << key;
            if (empty_or_gone != "drop") lines.push_back(empty_or_gone);
            Settings s;
            EXPECT_TRUE(check(s, Load(lines, s))) << key << " " << empty_or_gone;
        }
    }
}

// ---------------------------------------------------------------- file

TEST_F(SettingsTest, SaveWritesDataFolderFileAndRebuildsTheList) {
    fake::FakePlatform p;
    Lines list{"old=1"};
    Settings s = Loaded({});
    // No Data folder: the user is told, and the list is rebuilt all the same.
    EXPECT_FALSE(SaveSettings(s, list, hk, p.platform, kData));
    EXPECT_EQ(list, SaveSettingsLines(s, hk));
    EXPECT_EQ(p.prompts.messages, std::vector<std::string>{"ERROR! Can not save settings file!"});
    p.prompts.messages.clear();

    p.files.PutFolder(kData);
    list = {"old=1"};
    EXPECT_TRUE(SaveSettings(s, list, hk, p.platform, kData));
    EXPECT_EQ(list, SaveSettingsLines(s, hk));
    EXPECT_EQ(p.files.Get(kData + "set.set"), JoinLines(list));
    EXPECT_TRUE(p.prompts.messages.empty());

    p.files.MakeReadOnly(kData + "set.set");
    s.hae = true;
    EXPECT_FALSE(SaveSettings(s, list, hk, p.platform, kData));
    EXPECT_EQ(p.prompts.messages, std::vector<std::string>{"ERROR! Can not save settings file!"});
    EXPECT_EQ(p.files.Get(kData + "set.set").find("HAE=1"), std::string::npos);  // old file intact
}

TEST_F(SettingsTest, ReadsTheDataFolderCopyBeforeTheProgramFolderCopy) {
    fake::FakePlatform p;
    bool found = true;
    EXPECT_TRUE(ReadSettingsFile(p.platform, kData, kProgram, found).empty());
    EXPECT_FALSE(found);

    p.files.Put(kProgram + "set.set", "theme=Shipped.th2\r\n");
    EXPECT_EQ(ReadSettingsFile(p.platform, kData, kProgram, found), Lines{"theme=Shipped.th2"});
    EXPECT_TRUE(found);

    p.files.Put(kData + "set.set", "theme=Mine.th2\nHAE=1");
    found = false;
    EXPECT_EQ(ReadSettingsFile(p.platform, kData, kProgram, found), (Lines{"theme=Mine.th2", "HAE=1"}));
    EXPECT_TRUE(found);

    p.files.MakeUnreadable(kData + "set.set");
    EXPECT_EQ(ReadSettingsFile(p.platform, kData, kProgram, found), Lines{"theme=Shipped.th2"});
    EXPECT_TRUE(found);
}

}  // namespace
}  // namespace vtx
