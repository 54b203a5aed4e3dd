#include "app/app_session.h"
#include "catalogue/web_addresses.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>

#include "catalogue/shortcut_record.h"
#include "fake_dialogs.h"
#include "fake_platform.h"
#include "platform/ascii.h"
#include "platform/trace.h"
#include "recording_view.h"
#include "session_fixture.h"
#include "themes/builtin_images.h"
#include "themes/theme_file.h"

namespace vtx {
namespace {

using namespace fake;
using AppSessionTest = SessionTest;

// ---------------------------------------------------------------- first start and shutdown

TEST_F(AppSessionTest, FirstStartWithNoFiles) {
    struct Case {
        const char* name;
        bool guide;
        std::string browser;       // what the system reports as the default browser
        bool shipped_browsers;     // browsers.ini with two lines beside the program
        Lines expected_browsers;
    };
    const Case cases[] = {
        {"nothing at all", false, kFirefox, false, {"firefox|" + kFirefox}},
        {"guide and shipped browsers", true, kFirefox, true, {"firefox|" + kFirefox}},
        {"no default browser found", false, "", true, {"opera|c:\\opera\\opera.exe", "ie|c:\\ie\\iexplore.exe"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Machine fresh;
        fresh.shell.default_browser = c.browser;
        if (c.guide) fresh.files.Put(kProgram + "qsg.exe", "MZ");
        if (c.shipped_browsers)
            fresh.files.Put(kProgram + "browsers.ini", "opera|c:\\opera\\opera.exe\r\nie|c:\\ie\\iexplore.exe\r\n");
        Session run(fresh);
        run.Start();

        EXPECT_TRUE(fresh.files.FolderExists(kData));
        EXPECT_EQ(run.rules.RowCount(), 4);
        EXPECT_TRUE(run.view.Has("RefillResultList(4)"));
        for (const std::string& folder : {kProgram + "themes\\", kProgram + "themes\\Default Theme\\"})
            for (BuiltinImage image : kBuiltinImages)
                EXPECT_TRUE(fresh.files.Has(folder + BuiltinImageFileName(image))) << BuiltinImageFileName(image);
        EXPECT_TRUE(fresh.files.Has(kProgram + "themes\\Default Theme.th2"));
        EXPECT_EQ(run.view.Count("ShowBalloon("), 1);
        EXPECT_TRUE(run.view.Has("ShowBalloon(Ready to go!|Click its tray icon to open VTX!|10)"));
        if (c.guide) {
            EXPECT_EQ(fresh.shell.executed, (std::vector<ShellRequest>{{"open", kProgram + "qsg.exe", "", "", 5}}));
        } else {
            EXPECT_TRUE(fresh.shell.executed.empty());
        }
        EXPECT_EQ(run.app.lists().browsers, c.expected_browsers);
        // The browser found is kept without a visit to Define Browsers; with none found the
        // shipped list is left as it is.
        run.app.FormClose();
        const FileRead kept = fresh.files.ReadFile(kData + "browsers.ini");
        if (c.browser.empty()) {
            EXPECT_FALSE(kept.ok());
        } else {
            EXPECT_EQ(kept.bytes, JoinLines(c.expected_browsers));
        }
        EXPECT_EQ(fresh.registry.local_machine_run["ovvtx"], "\"" + kExe + "\" ns");
        EXPECT_TRUE(fresh.prompts.messages.empty());
    }
}

TEST_F(AppSessionTest, FormCloseWritesSettingsCatalogueAndThreeLists) {
    m.shell.default_browser = kFirefox;
    Session run(m);
    run.Start();
    m.files.written.clear();
    run.app.FormClose();

    EXPECT_EQ(WrittenInData(), (std::vector<std::string>{"set.set", "list2.ini", "colorlabels.ini", "cpapplets.ini",
                                                         "defprogs.ini"}));
    const Lines saved = Saved();
    EXPECT_EQ(saved.size(), 23u);
    EXPECT_TRUE(HasLine(saved, "firstrun=0"));
    EXPECT_TRUE(HasLine(saved, "startonstartup=1"));
    EXPECT_EQ(SplitLines(m.files.Get(kData + "list2.ini")).size(), 4u);
    // The browser list is not among them: the first run wrote it when it found the browser.
    EXPECT_TRUE(m.files.Has(kData + "browsers.ini"));
}

TEST_F(AppSessionTest, EndSessionWritesSettingsCatalogueAndBrowsers) {
    m.shell.default_browser = kFirefox;
    Session run(m);
    run.Start();
    m.files.written.clear();
    run.app.EndSession();

    EXPECT_EQ(WrittenInData(), (std::vector<std::string>{"set.set", "list2.ini", "browsers.ini"}));
    EXPECT_EQ(SplitLines(m.files.Get(kData + "browsers.ini")), Lines{"firefox|" + kFirefox});
    EXPECT_FALSE(m.files.Has(kData + "colorlabels.ini"));
}

TEST_F(AppSessionTest, SecondStartRunsNoFirstRunActions) {
    m.shell.default_browser = kFirefox;
    m.files.Put(kProgram + "qsg.exe", "MZ");
    PutSettings({"firstrun=0"});
    m.files.Put(kData + "browsers.ini", "opera|c:\\opera.exe\r\n");
    Session run(m);
    run.Start();

    EXPECT_FALSE(run.view.Has("ShowBalloon("));
    EXPECT_TRUE(m.shell.executed.empty());
    EXPECT_EQ(run.app.lists().browsers, Lines{"opera|c:\\opera.exe"});
}

// ---------------------------------------------------------------- start-up order

TEST_F(AppSessionTest, StartUpStepsInTheirOrder) {
    Session run(m);
    TraceInto(run.view);
    run.Start();

    ASSERT_GE(run.view.calls.size(), 2u);
    EXPECT_EQ(run.view.calls[0], "trace Form1.FormCreate");
    EXPECT_EQ(run.view.calls[1], "HideTaskbarButton()");
    EXPECT_TRUE(InOrder(run.view, {
                                      "HideTaskbarButton()",
                                      "trace Form1.LoadSTRLs",
                                      "trace Form1.FillListbox1Default",
                                      "RefillResultList(4)",
                                      "trace Form1.CheckDefaultThemeFiles",
                                      "trace Form1.LoadSettings",
                                      "SetOpacity(255)",
                                      "SetItemHeight(16)",
                                      "trace Form1.AddToStartup",
                                      "SetWindowFrame(0)",
                                      "SetPosition(512,369)",  // half the work area
                                      "trace Form1.FirstRun",
                                      "ShowBalloon(Ready to go!",
                                      "trace Form1.EnterNormalMode",
                                      "SetWindowSize(141,200)",
                                      "trace Form1.loadthm(",
                                      "ApplyLook()",
                                      "ApplyGeometry(normal)",
                                      "KeepOnScreen(0)",  // nothing saved: placed fresh, once laid out
                                      "RegisterHotkey(" + std::to_string(kWinZ) + ")",
                                      "ShowLabels(|||)",
                                      "ApplyStayOnTop(0)",
                                      "AcceptDroppedFiles()",
                                      "CreateProgramMutex()",
                                  }));
    EXPECT_EQ(run.view.calls.back(), "CreateProgramMutex()");
    // The theme is applied once, after the list was filled.
    EXPECT_EQ(run.view.Count("ApplyLook()"), 1);
    EXPECT_LT(run.view.IndexOf("RefillResultList("), run.view.IndexOf("ApplyLook()"));
}

TEST_F(AppSessionTest, CoolModeStartLaysTheWindowOutInCoolMode) {
    PutSettings({"firstrun=0", "coolmode=1", "stayontop=1", "showicons=1"});
    Session run(m);
    run.Start();

    EXPECT_TRUE(InOrder(run.view, {"SetItemHeight(18)", "ApplyLook()", "SetWindowSize(300,60)",
                                   "ApplyGeometry(cool)", "RegisterHotkey(", "ApplyStayOnTop(1)"}));
    EXPECT_FALSE(run.view.Has("ApplyGeometry(normal)"));
    EXPECT_TRUE(run.app.settings().coolmode);
    ASSERT_TRUE(run.app.layout().has_value());
    EXPECT_TRUE(run.app.layout()->cool_mode());
}

TEST_F(AppSessionTest, ShowAtStart) {
    struct Case {
        const char* showprogram;
        const char* parameter;
        bool shown;
    };
    const Case cases[] = {
        {"showprogram=1", "", true},
        {"showprogram=1", "ns", false},  // started through the Run key
        {"showprogram=0", "", false},
        {"showprogram=", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.showprogram) + " parameter " + c.parameter);
        Machine machine;
        machine.system.first_parameter = c.parameter;
        machine.files.PutFolder(kData);
        machine.files.Put(kData + "set.set", JoinLines({"firstrun=0", c.showprogram}));
        Session run(machine);
        run.Start();
        EXPECT_EQ(run.app.ShowAtStart(), c.shown);
    }
}

// ---------------------------------------------------------------- the hotkey

TEST_F(AppSessionTest, HotkeyRegistration) {
    struct Case {
        const char* name;
        std::optional<std::string> line;  // the Hotkey line of set.set
        int version_code;
        bool accepted;
        int expected_value;
        const char* named;  // the hotkey text the balloon names; null: no balloon
    };
    const Case cases[] = {
        {"default accepted", std::nullopt, 0, true, kWinZ, nullptr},
        {"default refused", std::nullopt, 0, false, kWinZ, "Win+Z"},
        {"stored hotkey refused", "hotkey=Ctrl+F10", 0, false, 16384 + 0x79, "Ctrl+F10"},
        {"Win+1 kept", "hotkey=Win+1", 0, true, 65536 + '1', nullptr},
        {"Win+1 replaced on code 8", "hotkey=Win+1", 8, true, kWinZ, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Machine machine;
        machine.system.version_code = c.version_code;
        machine.files.PutFolder(kData);
        Lines lines{"firstrun=0"};
        if (c.line) lines.push_back(*c.line);
        machine.files.Put(kData + "set.set", JoinLines(lines));
        Session run(machine);
        run.view.register_result = c.accepted;
        run.Start();

        EXPECT_EQ(run.view.Count("RegisterHotkey("), 1);
        EXPECT_TRUE(run.view.Has("RegisterHotkey(" + std::to_string(c.expected_value) + ")"));
        const int balloon = run.view.IndexOf("ShowBalloon(");
        if (!c.named) {
            EXPECT_LT(balloon, 0);
            continue;
        }
        ASSERT_GE(balloon, 0);
        const std::string& shown = run.view.calls[static_cast<std::size_t>(balloon)];
        EXPECT_NE(shown.find(std::string("|") + c.named + " "), std::string::npos) << shown;
        EXPECT_NE(shown.find("in Settings"), std::string::npos) << shown;
        EXPECT_GT(balloon, run.view.IndexOf("RegisterHotkey("));
    }
}

TEST_F(AppSessionTest, WakeUpsCheckTheHotkeyAndTellARefusalOnce) {
    PutSettings({"firstrun=0"});
    Session run(m);
    run.Start();
    ASSERT_EQ(run.view.Count("ShowBalloon("), 0);

    // A wake-up while the hotkey works: checked, nothing said.
    run.app.CheckHotkey();
    EXPECT_TRUE(run.view.Has("EnsureHotkey(" + std::to_string(kWinZ) + ")"));
    EXPECT_EQ(run.view.Count("ShowBalloon(Hotkey not available"), 0);

    // Lost and taken by another program: told at the first wake-up only.
    run.view.register_result = false;
    for (int i = 0; i < 3; ++i) run.app.CheckHotkey();
    EXPECT_EQ(run.view.Count("EnsureHotkey("), 4);
    EXPECT_EQ(run.view.Count("ShowBalloon(Hotkey not available"), 1);

    // Back again, then lost again: that is news.
    run.view.register_result = true;
    run.app.CheckHotkey();
    run.view.register_result = false;
    run.app.CheckHotkey();
    run.app.CheckHotkey();
    EXPECT_EQ(run.view.Count("ShowBalloon(Hotkey not available"), 2);

    // A hotkey refused in Settings was told there; a wake-up does not tell it again.
    EXPECT_FALSE(run.app.ReplaceHotkey(kCtrl + 'Q'));
    run.app.CheckHotkey();
    EXPECT_EQ(run.view.Count("ShowBalloon(Hotkey not available"), 2);
}

TEST_F(AppSessionTest, ARefusalAtStartIsNotToldAgainAtTheFirstWakeUp) {
    PutSettings({"firstrun=0"});
    Session run(m);
    run.view.register_result = false;
    run.Start();
    run.app.CheckHotkey();
    run.app.CheckHotkey();
    EXPECT_EQ(run.view.Count("ShowBalloon(Hotkey not available"), 1);
}

// ---------------------------------------------------------------- start with Windows

TEST_F(AppSessionTest, RunKeyEntry) {
    using Values = std::map<std::string, std::string>;
    const std::string entry = "\"" + kExe + "\" ns";
    struct Case {
        const char* name;
        int version_code;
        std::optional<Lines> settings;  // nullopt: no set.set at all
        bool local_machine_writable;
        Values hklm_before, hkcu_before;
        Values hklm_after, hkcu_after;
        const char* saved;  // the startonstartup line at exit; null: not checked
    };
    const Case cases[] = {
        {"code 8 leaves an entry alone", 8, Lines{"firstrun=0", "startonstartup=0"}, true, {{"ovvtx", "old"}}, {},
         {{"ovvtx", "old"}}, {}, nullptr},
        {"code 8 adds none on the first start", 8, std::nullopt, true, {}, {}, {}, {}, "startonstartup=1"},
        {"missing value adds it", 0, Lines{"firstrun=0"}, true, {}, {}, {{"ovvtx", entry}}, {}, "startonstartup=1"},
        {"an entry of the old unquoted form is written quoted", 0, Lines{"firstrun=0", "startonstartup=1"}, true,
         {{"ovvtx", kExe + " ns"}}, {}, {{"ovvtx", entry}}, {}, "startonstartup=1"},
        {"no file at all adds it", 7, std::nullopt, true, {}, {}, {{"ovvtx", entry}}, {}, "startonstartup=1"},
        {"no rights: the user's hive", 0, Lines{"firstrun=0", "startonstartup=1"}, false, {}, {}, {},
         {{"ovvtx", entry}}, "startonstartup=1"},
        {"off removes it everywhere", 0, Lines{"firstrun=0", "startonstartup=0"}, true,
         {{"ovvtx", "old"}, {"other", "x"}}, {{"ovvtx", "old"}}, {{"other", "x"}}, {}, "startonstartup=0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Machine machine;
        machine.system.version_code = c.version_code;
        machine.registry.local_machine_writable = c.local_machine_writable;
        machine.registry.local_machine_run = c.hklm_before;
        machine.registry.current_user_run = c.hkcu_before;
        if (c.settings) {
            machine.files.PutFolder(kData);
            machine.files.Put(kData + "set.set", JoinLines(*c.settings));
        }
        Session run(machine);
        run.Start();

        EXPECT_EQ(machine.registry.local_machine_run, c.hklm_after);
        EXPECT_EQ(machine.registry.current_user_run, c.hkcu_after);
        run.app.FormClose();
        if (c.saved) {
            EXPECT_TRUE(HasLine(SplitLines(machine.files.Get(kData + "set.set")), c.saved));
        }
    }
}

// ---------------------------------------------------------------- a catalogue that cannot be read

TEST_F(AppSessionTest, UnreadableCatalogueIsKeptAsItIs) {
    PutSettings({"firstrun=0"});
    m.files.Put(kData + "list2.ini", "precious|c:\\p.exe\r\n");
    m.files.MakeUnreadable(kData + "list2.ini");
    Session run(m);
    run.Start();

    EXPECT_EQ(run.rules.RowCount(), 0);
    EXPECT_TRUE(run.view.Has("RefillResultList(0)"));
    EXPECT_EQ(m.prompts.messages, (std::vector<std::string>{std::string(kCatalogueUnreadableMessage)}));
    EXPECT_FALSE(m.files.Has(kData + "previous-list2.ini"));

    m.files.written.clear();
    run.app.FormClose();
    EXPECT_EQ(m.files.Get(kData + "list2.ini"), "precious|c:\\p.exe\r\n");
    const auto written = WrittenInData();
    EXPECT_EQ(written.front(), "set.set");
    EXPECT_EQ(std::count(written.begin(), written.end(), "list2.ini"), 0);
    EXPECT_EQ(m.prompts.messages.size(), 1u);
}

TEST_F(AppSessionTest, UnreadableSettingsFileIsKeptAsItIs) {
    PutSettings({"firstrun=0", "hotkey=Ctrl+Alt+V"});
    const std::string before = m.files.Get(kData + "set.set");
    m.files.MakeUnreadable(kData + "set.set");
    Session run(m);
    run.Start();
    EXPECT_EQ(m.prompts.messages, (std::vector<std::string>{std::string(kSettingsUnreadableMessage)}));

    m.files.written.clear();
    run.app.FormClose();
    run.app.EndSession();
    EXPECT_EQ(m.files.Get(kData + "set.set"), before);
    const auto written = WrittenInData();
    EXPECT_EQ(std::count(written.begin(), written.end(), "set.set"), 0);
    EXPECT_EQ(std::count(written.begin(), written.end(), "list2.ini"), 2);
}

// An unreadable set.set (here a folder, as a user or a tool may leave it) is no first run:
// no quick-start guide, no browser detection, no balloon, no Run entry; the browser list,
// the Run key and set.set stay as they are through the end of the session and the exit.
TEST_F(AppSessionTest, UnreadableSettingsFileRunsNoFirstRunActions) {
    for (const bool as_folder : {true, false}) {
        SCOPED_TRACE(as_folder ? "set.set is a folder" : "set.set cannot be opened");
        Machine machine;
        machine.system.version_code = 0;  // a current Windows: the Run entry would be written
        machine.shell.default_browser = kFirefox;
        machine.files.Put(kProgram + "qsg.exe", "MZ");
        machine.files.PutFolder(kData);
        if (as_folder) {
            machine.files.PutFolder(kData + "set.set");
        } else {
            machine.files.Put(kData + "set.set", "firstrun=0\r\nstartonstartup=0\r\n");
            machine.files.MakeUnreadable(kData + "set.set");
        }
        const std::string browsers = "opera|c:\\opera\\opera.exe\r\nie|c:\\ie\\iexplore.exe\r\n";
        machine.files.Put(kData + "browsers.ini", browsers);
        Session run(machine);
        run.Start();

        EXPECT_EQ(machine.prompts.messages, (std::vector<std::string>{std::string(kSettingsUnreadableMessage)}));
        EXPECT_TRUE(machine.shell.executed.empty());
        EXPECT_FALSE(run.view.Has("ShowBalloon(Ready to go!"));
        EXPECT_TRUE(machine.registry.local_machine_run.empty());
        EXPECT_EQ(run.app.lists().browsers, (Lines{"opera|c:\\opera\\opera.exe", "ie|c:\\ie\\iexplore.exe"}));

        run.app.EndSession();
        run.app.FormClose();
        EXPECT_EQ(machine.files.Get(kData + "browsers.ini"), browsers);
        EXPECT_TRUE(machine.registry.local_machine_run.empty());
        if (as_folder) {
            EXPECT_TRUE(machine.files.FolderExists(kData + "set.set"));
        }
        for (const auto& path : machine.files.written) EXPECT_FALSE(EndsWith(path, "set.set")) << path;
    }
}

TEST_F(AppSessionTest, ManagerPlaceIsBroughtIntoRange) {
    PutSettings({"firstrun=0", "f2top=-2147483648", "f2left=2147483647"});
    Session run(m);
    run.Start();
    run.app.FormClose();
    EXPECT_TRUE(HasLine(Saved(), "f2top=-32000"));
    EXPECT_TRUE(HasLine(Saved(), "f2left=32000"));
}

// ---------------------------------------------------------------- layouts

TEST_F(AppSessionTest, ToggleCoolModeTwice) {
    PutSettings({"firstrun=0"});
    Session run(m);
    run.Start();
    const int looks = run.view.Count("ApplyLook()");

    run.app.ToggleCoolMode();
    EXPECT_TRUE(run.view.geometry.cool);
    EXPECT_TRUE(run.app.settings().coolmode);
    run.app.EndSession();
    EXPECT_TRUE(HasLine(Saved(), "coolmode=1"));

    run.app.ToggleCoolMode();
    EXPECT_FALSE(run.view.geometry.cool);
    EXPECT_EQ(run.view.Count("ApplyLook()"), looks + 2);  // the theme is read again each time
    run.app.FormClose();
    EXPECT_TRUE(HasLine(Saved(), "coolmode=0"));
}

TEST_F(AppSessionTest, ResetAppearance) {
    PutSettings({"firstrun=0", "opacity=100", "coolmode=1", "height=300", "theme=Blue.th2"});
    m.files.PutFolder(kProgram + "themes");
    m.files.Put(kProgram + "themes\\Blue.th2", "formbackcolor=0000FF\r\n");
    m.files.Put(kProgram + "themes\\Default Theme.th2", "formbackcolor=000000\r\n");  // changed by hand
    Session run(m);
    run.Start();
    EXPECT_TRUE(run.view.Has("SetOpacity(100)"));
    run.view.Clear();

    run.app.ResetAppearance();
    EXPECT_TRUE(InOrder(run.view, {"SetWindowSize(141,200)", "ApplyGeometry(normal)", "SetOpacity(255)"}));
    EXPECT_NE(m.files.Get(kProgram + "themes\\Default Theme.th2"), "formbackcolor=000000\r\n");
    run.app.FormClose();
    const Lines saved = Saved();
    for (const char* line : {"opacity=255", "coolmode=0", "height=200", "width=141", "theme=Default Theme.th2"})
        EXPECT_TRUE(HasLine(saved, line)) << line;
}

// A default theme that cannot be rewritten and holds a bad value stops the reset before the
// opacity step: the window stays as it was, and so does the opacity saved for it.
TEST_F(AppSessionTest, ResetAppearanceStoppedByTheThemeKeepsTheOpacity) {
    PutSettings({"firstrun=0", "opacity=100", "theme=Blue.th2"});
    m.files.PutFolder(kProgram + "themes");
    m.files.Put(kProgram + "themes\\Blue.th2", "formbackcolor=0000FF\r\n");
    m.files.Put(kProgram + "themes\\Default Theme.th2", "formbackcolor=XYZXYZ\r\n");
    m.files.MakeReadOnly(kProgram + "themes\\Default Theme.th2");
    Session run(m);
    run.Start();
    run.view.Clear();

    run.app.ResetAppearance();
    EXPECT_TRUE(run.view.Has("ShowError("));
    EXPECT_FALSE(run.view.Has("SetOpacity("));
    run.app.FormClose();
    EXPECT_TRUE(HasLine(Saved(), "opacity=100"));
}

// ---------------------------------------------------------------- a Program folder that cannot be written

// The program alone in a place the user may not write to: nothing is created there and nothing
// is reported; the built-in default theme stands in, and what the user owns goes to the Data folder.
TEST_F(AppSessionTest, ProgramFolderThatCannotBeWrittenIsNotReported) {
    m.files.MakeReadOnly(kProgram + "themes");
    m.files.MakeReadOnly(kProgram + "themes\\Default Theme");
    Session run(m);
    run.Start();
    EXPECT_EQ(m.prompts.messages, std::vector<std::string>{});
    EXPECT_FALSE(run.view.Has("ShowError("));
    EXPECT_TRUE(run.view.Has("ApplyGeometry(normal)"));
    EXPECT_TRUE(run.view.Has("ShowBalloon(Ready to go!"));
    EXPECT_EQ(run.view.look.cool_width, 300);  // the default theme's lines are applied
    run.app.ToggleCoolMode();
    EXPECT_TRUE(run.view.Has("ApplyGeometry(cool)"));
    run.app.ResetAppearance();
    EXPECT_FALSE(run.view.Has("ShowError("));
    run.app.FormClose();
    EXPECT_EQ(m.prompts.messages, std::vector<std::string>{});
    EXPECT_FALSE(WrittenInData().empty());  // and none of it in the Program folder
    EXPECT_TRUE(HasLine(Saved(), "theme=Default Theme.th2"));
}

// The packages' content in such a place: the themes are read from it, and nothing is written there.
TEST_F(AppSessionTest, ThemesAreReadFromAProgramFolderThatCannotBeWritten) {
    PutSettings({"firstrun=0", "theme=Blue.th2"});
    m.files.PutFolder(kProgram + "themes");
    m.files.PutFolder(kProgram + "themes\\Default Theme");
    ASSERT_TRUE(CheckDefaultThemeFiles(m.files, kProgram));
    m.files.Put(kProgram + "themes\\Blue.th2", "formbackcolor=0000FF\r\n");
    for (const FolderEntry& e : m.files.ListFolder(kProgram + "themes")) m.files.MakeReadOnly(kProgram + "themes\\" + e.name);
    for (const FolderEntry& e : m.files.ListFolder(kProgram + "themes\\Default Theme"))
        m.files.MakeReadOnly(kProgram + "themes\\Default Theme\\" + e.name);
    m.files.written.clear();

    Session run(m);
    run.Start();
    EXPECT_EQ(m.prompts.messages, std::vector<std::string>{});
    EXPECT_FALSE(run.view.Has("ShowError("));
    EXPECT_EQ(run.view.look.form_color, 0xFF0000u);  // blue
    run.app.FormClose();
    EXPECT_FALSE(WrittenInData().empty());
    EXPECT_TRUE(HasLine(Saved(), "theme=Blue.th2"));
}

// An installer whose "Start Vantrix when Windows starts" was left unticked puts a set.set saying
// "startonstartup=0" in the Program folder: the first run keeps it off, and still greets the user.
TEST_F(AppSessionTest, FirstRunKeepsStartWithWindowsOffWhenTheSuppliedSettingsSaySo) {
    m.system.version_code = 0;
    m.registry.current_user_run = {{"ovvtx", kExe + " ns"}};
    m.files.PutFolder(kProgram);
    m.files.Put(kProgram + "set.set", "startonstartup=0\r\n");
    Session run(m);
    run.Start();
    EXPECT_TRUE(run.view.Has("ShowBalloon(Ready to go!"));
    EXPECT_TRUE(m.registry.current_user_run.empty());
    EXPECT_TRUE(m.registry.local_machine_run.empty());
    run.app.FormClose();
    for (const char* line : {"firstrun=0", "startonstartup=0"}) EXPECT_TRUE(HasLine(Saved(), line)) << line;
    EXPECT_EQ(m.files.Get(kProgram + "set.set"), "startonstartup=0\r\n");
}

// ---------------------------------------------------------------- settings across two runs

TEST_F(AppSessionTest, SettingsSurviveARestart) {
    PutSettings({"firstrun=0", "height=321", "theme=Blue.th2", "opacity=180", "hotkey=Ctrl+Alt+K", "top=40",
                 "left=60", "HAE=1", "stayontop=1", "showicons=1", "quickadd=1", "lastthemeauthor=Ann"});
    m.files.PutFolder(kProgram + "themes");
    m.files.Put(kProgram + "themes\\Blue.th2", "formbackcolor=0000FF\r\n");
    const std::string hotkey_call = "RegisterHotkey(" + std::to_string(16384 + 32768 + 'K') + ")";

    Session first(m);
    first.Start();
    EXPECT_TRUE(first.view.Has("SetPosition(60,40)"));
    EXPECT_TRUE(first.view.Has(hotkey_call));
    first.view.position = {70, 90};  // the user moved the window
    first.app.FormClose();
    const std::string written = m.files.Get(kData + "set.set");

    Session second(m);
    second.Start();
    const Settings& s = second.app.settings();
    EXPECT_EQ(s.height, 321);
    EXPECT_EQ(s.theme, "Blue.th2");
    EXPECT_EQ(s.opacity, 180);
    EXPECT_EQ(s.lastthemeauthor, "Ann");
    EXPECT_TRUE(s.hae && s.stayontop && s.showicons && s.quickadd);
    EXPECT_EQ(second.app.hotkey_text(), "Ctrl+Alt+K");
    EXPECT_TRUE(InOrder(second.view, {"SetOpacity(180)", "SetItemHeight(18)", "SetPosition(70,90)",
                                      "SetWindowSize(141,321)", "KeepOnScreen(1)", hotkey_call, "ApplyStayOnTop(1)"}));
    EXPECT_EQ(second.view.look.form_color, 0xFF0000u);  // Blue.th2, platform colour

    // Nothing drifts: the second run writes what the first wrote.
    second.app.FormClose();
    EXPECT_EQ(m.files.Get(kData + "set.set"), written);
}

}  // namespace
}  // namespace vtx
