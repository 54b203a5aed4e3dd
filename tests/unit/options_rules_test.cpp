#include "dialogs/options_rules.h"

#include <gtest/gtest.h>

#include "dialogs/about_rules.h"
#include "fake_platform.h"
#include "recording_view.h"
#include "themes/theme_file.h"

namespace vtx {
namespace {

const std::string kProgram = "C:\\Program Files\\Vantrix\\";
const std::string kData = "C:\\Users\\tester\\AppData\\Roaming\\Orvane\\VTX\\";
const std::string kThemes = kProgram + "themes\\";

// A started program with the given settings lines and its options dialog.
struct Options {
    explicit Options(const Lines& settings, int version_code = 10) {
        p.system.version_code = version_code;
        p.files.PutFolder(kData);
        p.files.Put(kData + "set.set", JoinLines(settings));
        app.FormCreate(view, view, view);
        view.Clear();
    }
    [[nodiscard]] std::string Saved(std::string_view key) const {
        return ValueOf(SplitLines(p.files.Get(kData + "set.set")), key);
    }
    fake::FakePlatform p;
    fake::RecordingView view;
    AppSession app{p.platform};
    OptionsRules rules{app};
};

const Lines kUsual = {"firstrun=0", "hotkey=Win+Z", "Opacity=200", "HAE=1", "stayontop=1"};

TEST(OptionsRulesTest, ShowingSplitsTheHotkeyAndReadsTheSettings) {
    Options o({"firstrun=0", "hotkey=Ctrl+Shift+F12", "Opacity=30", "quickadd=1", "showicons=1"});
    const OptionsForm f = o.rules.FormShow({});
    EXPECT_TRUE(f.ctrl && f.shift);
    EXPECT_FALSE(f.alt || f.win);
    EXPECT_EQ(o.rules.KeyName(f.key), "F12");
    EXPECT_EQ(f.slider, 255) << "an opacity under 50 shows the slider at 255";
    EXPECT_TRUE(f.quickadd && f.showicons);
    EXPECT_FALSE(f.hae || f.stayontop || f.udnavlist);
}

TEST(OptionsRulesTest, OkAppliesAndSavesInOneGo) {
    struct Case {
        const char* what;
        OptionsForm form;
        bool system_takes_it;
        int version_code;
        const char* saved_hotkey;
        std::vector<std::string> messages;
        bool run_entry;
    };
    OptionsForm ctrl_alt_j;
    ctrl_alt_j.ctrl = ctrl_alt_j.alt = true;
    ctrl_alt_j.key = 'J';
    ctrl_alt_j.slider = 120;
    ctrl_alt_j.startonstartup = true;
    OptionsForm f12 = ctrl_alt_j;
    f12.ctrl = f12.alt = false;
    f12.key = 0x7B;
    f12.startonstartup = false;
    OptionsForm no_key = ctrl_alt_j;
    no_key.key = 0;
    const Case cases[] = {
        {"modifiers and key", ctrl_alt_j, true, 10, "Ctrl+Alt+J", {}, true},
        {"a plain F12", f12, true, 10, "F12", {}, false},
        {"refused by the system", ctrl_alt_j, false, 10, "Ctrl+Alt+J", {std::string(kHotkeyRefused)}, true},
        {"an empty key field keeps the old hotkey", no_key, true, 10, "Win+Z",
         {"No key was chosen for the global hotkey, so it stays Win+Z."}, true},
        {"version code 8 leaves the Run entry alone", f12, true, 8, "F12", {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Options o(kUsual, c.version_code);
        o.p.registry.local_machine_run["ovvtx"] = "old";
        o.view.register_result = c.system_takes_it;
        o.rules.OKBTNClick(c.form);
        EXPECT_EQ(o.Saved("hotkey"), c.saved_hotkey);
        EXPECT_EQ(o.app.hotkey_text(), c.saved_hotkey);
        EXPECT_EQ(o.p.prompts.messages, c.messages);
        EXPECT_EQ(o.p.registry.local_machine_run.count("ovvtx") == 1, c.run_entry);
        EXPECT_EQ(o.view.Has("ReplaceHotkey"), c.form.key != 0);
        EXPECT_EQ(o.Saved("opacity"), "120");
        EXPECT_TRUE(o.view.Has("SetOpacity(120)"));
        EXPECT_EQ(o.Saved("HAE"), "0") << "every box is taken as it stands";
        EXPECT_EQ(o.Saved("stayontop"), "0");
        EXPECT_TRUE(o.view.Has("ApplyStayOnTop(0)"));
        EXPECT_TRUE(o.view.Has("SetItemHeight(16)"));
    }
}

TEST(OptionsRulesTest, CancelUndoesOnlyTheOpacityPreview) {
    Options o(kUsual);
    const int writes = o.p.files.writes;
    (void)o.rules.FormShow({});
    o.rules.SliderChange(120);
    EXPECT_EQ(o.app.window_opacity(), 120);
    ASSERT_TRUE(o.rules.ThemeSelected(std::string(kDefaultThemeFile)));
    o.rules.CancelBTNClick();
    EXPECT_EQ(o.app.window_opacity(), 200);
    EXPECT_EQ(o.p.files.writes, writes) << "Cancel writes nothing";
    EXPECT_EQ(o.app.settings().opacity, 200);
    EXPECT_EQ(o.app.layout()->theme_name(), kDefaultThemeFile) << "a theme picked before Cancel stays";
}

TEST(OptionsRulesTest, ThemeListAndThemeInfo) {
    Options o(kUsual);
    o.p.files.Put(kThemes + "blue.TH2", "title=Blue\r\nauthor=Me\r\n");
    o.p.files.Put(kThemes + "notes.txt", "");
    o.p.files.PutFolder(kThemes + "Cobalt.th2");
    EXPECT_EQ(o.rules.ThemeFiles(), (std::vector<std::string>{"blue.TH2", "Default Theme.th2"}));

    EXPECT_EQ(o.rules.ThemeSelected("Default Theme.th2"),
              (ThemeInfo{"Default Theme", "Orvane", "This is the default theme."}));
    EXPECT_EQ(o.rules.ThemeSelected("blue.TH2"), (ThemeInfo{"Blue", "Me", ""}));
    EXPECT_EQ(o.app.layout()->theme_name(), "blue.TH2");
    for (const char* gone : {"gone.th2", "..\\..\\outside\\x.th2", ""}) {
        EXPECT_FALSE(o.rules.ThemeSelected(gone)) << gone;
    }
    EXPECT_EQ(o.app.layout()->theme_name(), "blue.TH2") << "a missing theme changes nothing";

    EXPECT_TRUE(o.rules.ThemeEditorKey("blue.TH2"));
    EXPECT_FALSE(o.rules.ThemeEditorKey("gone.th2"));
    EXPECT_EQ(o.p.prompts.messages, std::vector<std::string>(2, std::string(kThemeEditorWarning)));
}

TEST(OptionsRulesTest, GarbageSettingsGiveSaneValues) {
    Options o({"firstrun=0", "hotkey=Hyper+Qwerty+", "Opacity=ff", "theme=..\\..\\outside\\x.th2"});
    const OptionsForm shown = o.rules.FormShow({});
    EXPECT_EQ(shown.key, 0);
    EXPECT_EQ(shown.slider, 255);
    o.rules.OKBTNClick(shown);
    EXPECT_EQ(o.Saved("opacity"), "255");
    EXPECT_EQ(o.Saved("theme"), kDefaultThemeFile);
    EXPECT_EQ(o.p.prompts.messages.size(), 1u) << "the empty key field is explained";
}

TEST(OptionsRulesTest, CtrlF9SwitchesTheIconRowsOffAndOnAgain) {
    Options o({"firstrun=0", "showicons=1"});
    EXPECT_FALSE(o.rules.ToggleIcons());
    EXPECT_FALSE(o.app.settings().showicons);
    EXPECT_TRUE(o.view.Has("SetItemHeight(16)"));
    o.view.calls.clear();
    // Nothing else in the program turns them on: the same key does.
    EXPECT_TRUE(o.rules.ToggleIcons());
    EXPECT_TRUE(o.app.settings().showicons);
    EXPECT_TRUE(o.view.Has("SetItemHeight(18)"));
    // "OK" with the box as the key left it keeps them on.
    OptionsForm form = o.rules.FormShow({});
    EXPECT_TRUE(form.showicons);
    o.rules.OKBTNClick(form);
    EXPECT_EQ(o.Saved("showicons"), "1");
}

TEST(AboutRulesTest, VersionShowsMajorMinorAndBuild) {
    EXPECT_EQ(AboutVersionText({2, 0, 1, 17}), "2.0.17");
    EXPECT_EQ(AboutVersionText({2, 1, 5, 300}), "2.1.300");
    EXPECT_EQ(AboutVersionText({65535, 0, 0, 0}), "65535.0.0");
}

}  // namespace
}  // namespace vtx
