#include "launcher/launch.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "catalogue/shortcut_record.h"
#include "fake_platform.h"
#include "platform/trace.h"

namespace vtx {
namespace {

using std::nullopt;

std::string Rec(std::string_view name, std::string_view ty1, std::string_view addr,
                std::initializer_list<std::pair<int, std::string_view>> fields = {}) {
    Fields f = NewRecord(name, addr, ty1);
    for (const auto& [col, value] : fields) f[static_cast<std::size_t>(col)] = std::string(value);
    return JoinRecord(f);
}

class LaunchTest : public ::testing::Test {
protected:
    LaunchTest() {
        SetTraceSink([this](std::string_view label, int level) {
            if (level == 4) traces.emplace_back(label);
        });
    }
    ~LaunchTest() override { SetTraceSink(nullptr); }

    void Load(std::initializer_list<std::string> lines) {
        for (const auto& l : lines) catalogue.Append(l);
        FillMainListBox(catalogue, p.text, list);
    }
    int Row(std::string_view name) const {
        for (int r = 0; r < list.size(); ++r)
            if (list.Name(r) == name) return r;
        ADD_FAILURE() << "no row " << name;
        return -1;
    }
    int Line(std::string_view name) const {
        for (int i = 0; i < catalogue.size(); ++i)
            if (FieldOf(catalogue.line(i), kName) == name) return i;
        ADD_FAILURE() << "no line " << name;
        return -1;
    }
    // Go on the named row with HAE on.
    std::vector<ShellRequest> GoOn(std::string_view name) {
        EXPECT_TRUE(launcher.Go(Row(name), "", true));
        return p.shell.executed;
    }
    std::vector<ShellRequest> ElseGo(const std::string& typed) {
        p.shell.executed.clear();
        p.shell.win_execs.clear();
        launcher.ElseGo(typed);
        return p.shell.executed;
    }

    fake::FakePlatform p;
    Catalogue catalogue;
    ResultList list;
    Lines browsers;
    Launcher launcher{p.platform, catalogue, list, browsers};
    std::vector<std::string> traces;
};

TEST_F(LaunchTest, ProgramStartsWithItsFieldsAndLinksWithoutThem) {
    p.files.Put("c:\\tools\\ed.exe", "");
    p.files.Put("c:\\links\\ed.lnk", "");
    p.files.Put("c:\\links\\caps.LNK", "");
    const std::initializer_list<std::pair<int, std::string_view>> extra = {
        {kParam, "-n file.txt"}, {kWdir, "c:\\work\\"}, {kSwst, "SW_SHOWMAXIMIZED"}};
    Load({Rec("ed", "Program", "c:\\tools\\ed.exe", extra), Rec("link", "Program", "c:\\links\\ed.lnk", extra),
          Rec("caps", "Program", "c:\\links\\caps.LNK", extra), Rec("gone", "Program", "c:\\none.exe")});

    EXPECT_EQ(GoOn("ed"), (std::vector<ShellRequest>{{"open", "c:\\tools\\ed.exe", "-n file.txt", "c:\\work\\", 3}}));
    EXPECT_EQ(traces.back(), "Form1.ProgGo(index:" + std::to_string(Row("ed")) + "; tip:0)");
    p.shell.executed.clear();
    EXPECT_EQ(GoOn("link"), (std::vector<ShellRequest>{{nullopt, "c:\\links\\ed.lnk", nullopt, nullopt, 3}}));
    p.shell.executed.clear();
    // ".LNK" is a link too: it carries its own parameters and folder.
    EXPECT_EQ(GoOn("caps"), (std::vector<ShellRequest>{{nullopt, "c:\\links\\caps.LNK", nullopt, nullopt, 3}}));
    p.shell.executed.clear();
    EXPECT_TRUE(GoOn("gone").empty());  // nothing launched, the window still hides
    EXPECT_FALSE(launcher.Go(Row("gone"), "", false));
}

TEST_F(LaunchTest, FileAndFolderNeedAnExistingTarget) {
    p.files.Put("c:\\doc\\a.txt", "");
    p.files.Put("c:\\doc\\b.lnk", "");
    p.files.Put("c:\\doc\\C.LNK", "");
    p.files.PutFolder("c:\\doc");
    Load({Rec("a", "File", "c:\\doc\\a.txt", {{kSwst, "SW_SHOWMINIMIZED"}, {kParam, "ignored"}}),
          Rec("b", "File", "c:\\doc\\b.lnk", {{kSwst, "sw_showminimized"}}), Rec("nofile", "File", "c:\\doc"),
          Rec("dir", "Folder", "c:\\doc", {{kWdir, "ignored"}}), Rec("nodir", "Folder", "c:\\doc\\a.txt"),
          Rec("zcaps", "File", "c:\\doc\\C.LNK")});
    EXPECT_EQ(GoOn("zcaps"), (std::vector<ShellRequest>{{nullopt, "c:\\doc\\C.LNK", nullopt, nullopt, 1}}));
    p.shell.executed.clear();
    traces.clear();
    EXPECT_EQ(GoOn("a"), (std::vector<ShellRequest>{{"open", "c:\\doc\\a.txt", nullopt, nullopt, 2}}));
    p.shell.executed.clear();
    EXPECT_EQ(GoOn("b"), (std::vector<ShellRequest>{{nullopt, "c:\\doc\\b.lnk", nullopt, nullopt, 1}}));
    p.shell.executed.clear();
    EXPECT_TRUE(GoOn("nofile").empty());
    EXPECT_EQ(GoOn("dir"), (std::vector<ShellRequest>{{"open", "c:\\doc", nullopt, nullopt, 1}}));
    p.shell.executed.clear();
    EXPECT_TRUE(GoOn("nodir").empty());
    EXPECT_EQ(traces, (std::vector<std::string>{
                          "Form1.FileGo(index:0; tip:0)", "Form1.FileGo(index:1; tip:0)",
                          "Form1.FileGo(index:4; tip:0)", "Form1.FolderGo(index:2; tip:0)",
                          "Form1.FolderGo(index:3; tip:0)"}));
}

TEST_F(LaunchTest, UrlOpensInTheLastNamedBrowserOrTheDefaultHandler) {
    browsers = {"firefox|c:\\ff\\old.exe", "opera|c:\\opera.exe", "firefox|c:\\ff\\new.exe", "broken"};
    Load({Rec("ff", "URL", "https://a.example/", {{kOsw, "firefox"}, {kSwst, "SW_SHOWMAXIMIZED"}}),
          Rec("none", "URL", "https://b.example/", {{kOsw, "chrome"}}),
          Rec("case", "URL", "https://c.example/", {{kOsw, "Firefox"}}), Rec("empty", "URL", "https://d.example/")});
    EXPECT_EQ(GoOn("ff"), (std::vector<ShellRequest>{{"open", "c:\\ff\\new.exe", "https://a.example/", nullopt, 3}}));
    p.shell.executed.clear();
    EXPECT_EQ(GoOn("none"), (std::vector<ShellRequest>{{"open", "https://b.example/", nullopt, nullopt, 1}}));
    p.shell.executed.clear();
    EXPECT_EQ(GoOn("case"), (std::vector<ShellRequest>{{"open", "https://c.example/", nullopt, nullopt, 1}}));
    p.shell.executed.clear();
    EXPECT_EQ(GoOn("empty"), (std::vector<ShellRequest>{{"open", "https://d.example/", nullopt, nullopt, 1}}));
}

TEST_F(LaunchTest, OtherAppletAndInertTypes) {
    Load({Rec("np", "Other", "notepad c:\\readme.txt", {{kSwst, "SW_SHOWMINIMIZED"}}), Rec("calc", "Other", "calc"),
          Rec("desk", "Control Panel Applet", "desk.cpl"), Rec("w", "Widget", "clock"),
          Rec("s", "Search", "", {{kUrlp1, "https://s.example/?q="}}), Rec("cmd", "Command", "shutdown"),
          Rec("odd", "program", "c:\\x.exe"), Rec("blank", "", "calc")});
    EXPECT_EQ(GoOn("np"), (std::vector<ShellRequest>{{"open", "notepad", "c:\\readme.txt", nullopt, 2}}));
    p.shell.executed.clear();
    EXPECT_EQ(GoOn("calc"), (std::vector<ShellRequest>{{"open", "calc", nullopt, nullopt, 1}}));
    p.shell.executed.clear();
    traces.clear();

    EXPECT_TRUE(GoOn("desk").empty());
    EXPECT_EQ(p.shell.win_execs,
              (std::vector<fake::FakeShell::WinExecCall>{{"rundll32.exe shell32.dll,Control_RunDLL desk.cpl", 1}}));
    for (const char* inert : {"w", "s", "cmd", "odd", "blank"}) EXPECT_TRUE(GoOn(inert).empty()) << inert;
    EXPECT_EQ(p.shell.win_execs.size(), 1u);
    EXPECT_EQ(traces, (std::vector<std::string>{"Form1.CPAppletGo", "Form1.WidgetGo", "Form1.SearchGo",
                                                "Form1.CommandGo"}));
    EXPECT_EQ(kControlPanelCommand.size(), 40u);
}

TEST_F(LaunchTest, MultiShortcutStartsEveryMemberByExactName) {
    p.files.Put("c:\\a.exe", "");
    p.files.Put("c:\\b.txt", "");
    Load({Rec("a", "Program", "c:\\a.exe"), Rec("b", "File", "c:\\b.txt", {{kVis, "0"}}), Rec("b", "Other", "calc"),
          Rec("A", "Other", "never"), Rec("cp", "Control Panel Applet", "desk.cpl"),
          Rec("nest", "MultiShortcut", "", {{kMs, "a;"}}), Rec("both", "MultiShortcut", "", {{kMs, "a;b;cp;nest;"}}),
          Rec("one", "MultiShortcut", "", {{kMs, "b;a"}}), Rec("zero", "MultiShortcut", "", {{kMs, "a"}})});
    traces.clear();
    const std::vector<ShellRequest> both = GoOn("both");
    ASSERT_EQ(both.size(), 3u);
    EXPECT_EQ(both[0].file, "c:\\a.exe");
    // Both lines named "b", the invisible one included, in Catalogue order.
    const int b_file = Line("b");
    const int b_other = b_file + 1;
    ASSERT_EQ(FieldOf(catalogue.line(b_other), kName), "b");
    EXPECT_EQ(both[1].file, FieldOf(catalogue.line(b_file), kAddr));
    EXPECT_EQ(both[2].file, FieldOf(catalogue.line(b_other), kAddr));
    EXPECT_TRUE(p.shell.win_execs.empty());  // the applet member is skipped

    const auto go = [](std::string_view ty, int i) {
        return "Form1." + std::string(ty) + "(index:" + std::to_string(i) + "; tip:1)";
    };
    const std::string b_go_first = FieldOf(catalogue.line(b_file), kTy1) == "File" ? "FileGo" : "OtherGo";
    const std::string b_go_second = b_go_first == "FileGo" ? "OtherGo" : "FileGo";
    EXPECT_EQ(traces, (std::vector<std::string>{"Form1.MultiShortcutGo", go("ProgGo", Line("a")),
                                                go(b_go_first, b_file), go(b_go_second, b_other)}));

    p.shell.executed.clear();
    // A last name without its ";" is a member all the same.
    const std::vector<ShellRequest> one = GoOn("one");  // "b;a": both lines named b, then a
    ASSERT_EQ(one.size(), 3u);
    EXPECT_EQ(one[2].file, "c:\\a.exe");
    p.shell.executed.clear();
    const std::vector<ShellRequest> zero = GoOn("zero");  // "a", no ";" at all
    ASSERT_EQ(zero.size(), 1u);
    EXPECT_EQ(zero[0].file, "c:\\a.exe");
}

TEST_F(LaunchTest, TypedTextRunsInFiveSteps) {
    p.files.Put("c:\\program files\\tool\\run me.exe", "");
    p.files.PutFolder("c:\\program files\\tool");

    EXPECT_TRUE(ElseGo("Desk.CPL").empty());
    EXPECT_EQ(p.shell.win_execs,
              (std::vector<fake::FakeShell::WinExecCall>{{"rundll32.exe shell32.dll,Control_RunDLL desk.cpl", 1}}));
    EXPECT_EQ(ElseGo("C:\\Links\\My App.LNK"),
              (std::vector<ShellRequest>{{nullopt, "c:\\links\\my app.lnk", nullopt, nullopt, 1}}));
    // An existing path with blanks is opened whole, quotes or not.
    EXPECT_EQ(ElseGo("C:\\Program Files\\Tool"),
              (std::vector<ShellRequest>{{nullopt, "c:\\program files\\tool", nullopt, nullopt, 1}}));
    EXPECT_EQ(ElseGo("\"c:\\program files\\tool\\run me.exe\""),
              (std::vector<ShellRequest>{{nullopt, "c:\\program files\\tool\\run me.exe", nullopt, nullopt, 1}}));
    EXPECT_EQ(ElseGo("\"c:\\program files\\tool"),
              (std::vector<ShellRequest>{{nullopt, "c:\\program files\\tool", nullopt, nullopt, 1}}));
    // Otherwise a command line: an unquoted program ends at the first blank, a quoted one
    // at its closing quote; the directory is an empty text.
    EXPECT_EQ(ElseGo("Notepad C:\\A.TXT"), (std::vector<ShellRequest>{{"open", "notepad", "c:\\a.txt", "", 1}}));
    EXPECT_EQ(ElseGo("\"c:\\no such\\x.exe\" -q"),
              (std::vector<ShellRequest>{{"open", "c:\\no such\\x.exe", "-q", "", 1}}));
    EXPECT_EQ(ElseGo("CALC"), (std::vector<ShellRequest>{{"open", "calc", nullopt, nullopt, 1}}));
    EXPECT_EQ(ElseGo("\"calc\""), (std::vector<ShellRequest>{{"open", "calc", nullopt, "", 1}}));
    // An empty text names nothing to run (the shell would open some folder instead).
    EXPECT_TRUE(ElseGo("").empty());
    EXPECT_TRUE(p.shell.win_execs.empty());

    // Nothing selected: Go runs the typed text and still reports the hide.
    p.shell.executed.clear();
    EXPECT_TRUE(launcher.Go(-1, "calc", true));
    EXPECT_EQ(p.shell.executed, (std::vector<ShellRequest>{{"open", "calc", nullopt, nullopt, 1}}));
    EXPECT_EQ(traces.back(), "Form1.ElseGo");
}

TEST(CommandLineSplit, QuotedProgramsKeepTheirBlanks) {
    struct Case {
        const char* text;
        CommandLine expected;
    };
    const Case cases[] = {
        {"\"C:\\Program Files\\App\\app.exe\" -x", {"C:\\Program Files\\App\\app.exe", "-x"}},
        {"\"C:\\Program Files\\App\\app.exe\"", {"C:\\Program Files\\App\\app.exe", nullopt}},
        {"  \"C:\\A B\\app.exe\"   -x  -y  ", {"C:\\A B\\app.exe", "-x  -y"}},
        {"\"C:\\A B\\app.exe\"-x", {"C:\\A B\\app.exe", "-x"}},
        {"notepad c:\\readme.txt", {"notepad", "c:\\readme.txt"}},
        {"notepad   c:\\readme.txt", {"notepad", "c:\\readme.txt"}},
        {"calc", {"calc", nullopt}},
        {"calc   ", {"calc", nullopt}},
        {"\"C:\\A B\\app.exe -x", {"C:\\A B\\app.exe -x", nullopt}},  // unclosed: to the end
        {"\"", {"", nullopt}},
        {"\"\" -x", {"", "-x"}},
        {"   ", {"", nullopt}},
        {"", {"", nullopt}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitCommandLine(c.text), c.expected) << "[" << c.text << "]";
}

TEST_F(LaunchTest, OtherCommandLinesWithQuotedProgramsAndBlanks) {
    p.files.Put("C:\\Program Files\\App\\app.exe", "");
    Load({Rec("q", "Other", "\"C:\\Program Files\\App\\app.exe\" -x"),
          Rec("qa", "Other", "\"C:\\Program Files\\App\\app.exe\""),
          Rec("whole", "Other", "C:\\Program Files\\App\\app.exe"), Rec("blanks", "Other", "   "),
          Rec("open", "Other", "\"C:\\Program Files\\App\\app.exe -x")});
    EXPECT_EQ(GoOn("q"),
              (std::vector<ShellRequest>{{"open", "C:\\Program Files\\App\\app.exe", "-x", nullopt, 1}}));
    p.shell.executed.clear();
    EXPECT_EQ(GoOn("qa"),
              (std::vector<ShellRequest>{{"open", "C:\\Program Files\\App\\app.exe", nullopt, nullopt, 1}}));
    p.shell.executed.clear();
    // An existing program path with blanks is one program even without quotes.
    EXPECT_EQ(GoOn("whole"),
              (std::vector<ShellRequest>{{"open", "C:\\Program Files\\App\\app.exe", nullopt, nullopt, 1}}));
    p.shell.executed.clear();
    EXPECT_TRUE(GoOn("blanks").empty());  // nothing to run
    EXPECT_EQ(GoOn("open"),
              (std::vector<ShellRequest>{{"open", "C:\\Program Files\\App\\app.exe -x", nullopt, nullopt, 1}}));
}

TEST_F(LaunchTest, EnvironmentVariablesAreExpandedAtLaunchOnly) {
    p.system.environment["LOCALAPPDATA"] = "C:\\Users\\tester\\AppData\\Local";
    p.files.Put("C:\\Users\\tester\\Notes.txt", "");
    p.files.Put("C:\\Users\\tester\\AppData\\Local\\Programs\\ed\\ed.exe", "");
    p.files.PutFolder("C:\\Users\\tester");
    Load({Rec("notes", "File", "%USERPROFILE%\\Notes.txt"),
          Rec("ed", "Program", "%LocalAppData%\\Programs\\ed\\ed.exe",
              {{kParam, "%USERPROFILE%\\a.txt %NOSUCHVAR%"}, {kWdir, "%USERPROFILE%\\"}}),
          Rec("home", "Folder", "%USERPROFILE%"), Rec("gone", "File", "%NOSUCHVAR%\\Notes.txt"),
          Rec("other", "Other", "notepad %USERPROFILE%\\Notes.txt"),
          Rec("web", "URL", "https://x.example/%USERPROFILE%/a%20b"),
          Rec("cp", "Control Panel Applet", "%USERPROFILE%\\my.cpl")});
    const Lines stored = catalogue.lines();

    EXPECT_EQ(GoOn("notes"), (std::vector<ShellRequest>{{"open", "C:\\Users\\tester\\Notes.txt", nullopt, nullopt, 1}}));
    p.shell.executed.clear();
    // An unknown variable stays as written.
    EXPECT_EQ(GoOn("ed"), (std::vector<ShellRequest>{{"open", "C:\\Users\\tester\\AppData\\Local\\Programs\\ed\\ed.exe",
                                                      "C:\\Users\\tester\\a.txt %NOSUCHVAR%", "C:\\Users\\tester\\", 1}}));
    p.shell.executed.clear();
    EXPECT_EQ(GoOn("home"), (std::vector<ShellRequest>{{"open", "C:\\Users\\tester", nullopt, nullopt, 1}}));
    p.shell.executed.clear();
    EXPECT_TRUE(GoOn("gone").empty());
    EXPECT_EQ(GoOn("other"),
              (std::vector<ShellRequest>{{"open", "notepad", "C:\\Users\\tester\\Notes.txt", nullopt, 1}}));
    p.shell.executed.clear();
    // Web addresses are left alone: "%" belongs to them.
    EXPECT_EQ(GoOn("web").front().file, "https://x.example/%USERPROFILE%/a%20b");
    (void)GoOn("cp");
    EXPECT_EQ(p.shell.win_execs.back().command_line,
              "rundll32.exe shell32.dll,Control_RunDLL C:\\Users\\tester\\my.cpl");
    // Typed text too.
    EXPECT_EQ(ElseGo("%USERPROFILE%\\Notes.txt"),
              (std::vector<ShellRequest>{{nullopt, "c:\\users\\tester\\notes.txt", nullopt, nullopt, 1}}));
    // The catalogue keeps the variables, and so does the copied address.
    EXPECT_EQ(catalogue.lines(), stored);
    launcher.GoCopy(Row("notes"));
    EXPECT_EQ(p.clipboard.text, "%USERPROFILE%\\Notes.txt");
}

TEST_F(LaunchTest, ElevatedGoAsksTheShellToRunAsAdministrator) {
    p.files.Put("c:\\tools\\ed.exe", "");
    p.files.Put("c:\\doc\\a.txt", "");
    p.files.Put("c:\\links\\ed.LNK", "");
    p.files.PutFolder("c:\\doc");
    Load({Rec("ed", "Program", "c:\\tools\\ed.exe", {{kParam, "-n"}, {kWdir, "c:\\tools\\"}}),
          Rec("link", "Program", "c:\\links\\ed.LNK"), Rec("doc", "File", "c:\\doc\\a.txt"),
          Rec("dir", "Folder", "c:\\doc"), Rec("web", "URL", "https://a.example/"),
          Rec("np", "Other", "notepad c:\\x.txt"), Rec("desk", "Control Panel Applet", "desk.cpl"),
          Rec("multi", "MultiShortcut", "", {{kMs, "ed;dir;"}})});
    const auto elevated = [&](std::string_view name, const std::string& typed = "") {
        p.shell.executed.clear();
        EXPECT_TRUE(launcher.Go(name.empty() ? -1 : Row(name), typed, true, true));
        return p.shell.executed;
    };
    EXPECT_EQ(elevated("ed"), (std::vector<ShellRequest>{{"runas", "c:\\tools\\ed.exe", "-n", "c:\\tools\\", 1}}));
    EXPECT_EQ(elevated("link"), (std::vector<ShellRequest>{{"runas", "c:\\links\\ed.LNK", nullopt, nullopt, 1}}));
    EXPECT_EQ(elevated("doc"), (std::vector<ShellRequest>{{"runas", "c:\\doc\\a.txt", nullopt, nullopt, 1}}));
    EXPECT_EQ(elevated("np"), (std::vector<ShellRequest>{{"runas", "notepad", "c:\\x.txt", nullopt, 1}}));
    // Folders and web pages open as usual: there is nothing to elevate.
    EXPECT_EQ(elevated("dir"), (std::vector<ShellRequest>{{"open", "c:\\doc", nullopt, nullopt, 1}}));
    EXPECT_EQ(elevated("web"), (std::vector<ShellRequest>{{"open", "https://a.example/", nullopt, nullopt, 1}}));
    // The applet's command goes through the shell, which knows the verb.
    EXPECT_EQ(elevated("desk"), (std::vector<ShellRequest>{
                                    {"runas", "rundll32.exe", "shell32.dll,Control_RunDLL desk.cpl", nullopt, 1}}));
    EXPECT_TRUE(p.shell.win_execs.empty());
    const auto members = elevated("multi");
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(members[0].operation, "runas");
    EXPECT_EQ(members[1].operation, "open");
    // The typed command.
    EXPECT_EQ(elevated("", "cmd /k echo"), (std::vector<ShellRequest>{{"runas", "cmd", "/k echo", "", 1}}));
    EXPECT_EQ(elevated("", "regedit"), (std::vector<ShellRequest>{{"runas", "regedit", nullopt, nullopt, 1}}));
    // The next plain Go is not elevated.
    p.shell.executed.clear();
    EXPECT_TRUE(launcher.Go(Row("ed"), "", true));
    EXPECT_EQ(p.shell.executed.front().operation, "open");
}

TEST_F(LaunchTest, CopyAddressOnlyForAddressTypes) {
    Load({Rec("p", "Program", "c:\\p.exe"), Rec("f", "File", "c:\\f.txt"), Rec("d", "Folder", "c:\\d"),
          Rec("u", "URL", "https://u.example/"), Rec("c", "Control Panel Applet", "desk.cpl"),
          Rec("o", "Other", "calc"), Rec("m", "MultiShortcut", "c:\\m", {{kMs, "p;"}}), Rec("s", "Search", "c:\\s"),
          Rec("w", "Widget", "c:\\w"), Rec("k", "Command", "c:\\k")});
    const std::pair<const char*, const char*> cases[] = {
        {"p", "c:\\p.exe"}, {"f", "c:\\f.txt"}, {"d", "c:\\d"}, {"u", "https://u.example/"}, {"c", "desk.cpl"},
        {"o", "calc"},      {"m", nullptr},     {"s", nullptr}, {"w", nullptr},              {"k", nullptr},
    };
    for (const auto& [name, copied] : cases) {
        p.clipboard.text.clear();
        p.clipboard.sets = 0;
        launcher.GoCopy(Row(name));
        EXPECT_EQ(p.clipboard.sets, copied ? 1 : 0) << name;
        EXPECT_EQ(p.clipboard.text, copied ? copied : "") << name;
    }
    launcher.GoCopy(-1);
    EXPECT_EQ(p.clipboard.sets, 0);
    EXPECT_EQ(traces.back(), "Form1.GoCopy");
    EXPECT_TRUE(p.shell.executed.empty());
}

}  // namespace
}  // namespace vtx
