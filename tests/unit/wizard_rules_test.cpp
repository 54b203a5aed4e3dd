#include "editors/wizard_rules.h"
#include "editors/picker_rules.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/shortcut_record.h"
#include "fake_dialogs.h"
#include "fake_platform.h"

namespace vtx {
namespace {

// A caller's fields as a picker fills them.
struct RecordingTarget : PickerTarget {
    std::vector<std::string> calls;
    void SetProgram(const std::string& a, const std::string& w) override { calls.push_back("Program(" + a + "|" + w + ")"); }
    void SetOtherAddress(const std::string& a) override { calls.push_back("Other(" + a + ")"); }
    void SetName(const std::string& n) override { calls.push_back("Name(" + n + ")"); }
    void AppendMembers(const std::vector<std::string>& names) override {
        std::string all;
        for (const auto& n : names) all += n + ";";
        calls.push_back("Members(" + all + ")");
    }
    void RefillBrowsers() override { calls.push_back("RefillBrowsers"); }
    void SetStayOnTop(bool on) override { calls.push_back(on ? "OnTop" : "NotOnTop"); }
};

class EditorsTest : public ::testing::Test {
protected:
    EditorsTest() : app(fp.platform), wizard(app, dialogs, targets) {
        app.lists().browsers = {"Firefox|C:\\ff.exe", "Opera|C:\\op.exe"};
        app.lists().cpapplets = {"Display|desk.cpl", "Add or Remove Programs|appwiz.cpl", "Time and date|timedate.cpl",
                                 "Accessibility|access.cpl", "Mouse|main.cpl"};
        app.lists().defprogs = {"Calculator|calc", "Paint|mspaint"};
        targets.form2 = &manager;
        targets.form5 = &wizard_fields;
    }
    void Add(const std::string& name, const std::string& ty1, const std::string& vis = "1") {
        Fields f = NewRecord(name, "c:\\" + name, ty1);
        f[kVis] = vis;
        app.catalogue().Append(JoinRecord(f));
    }

    fake::FakePlatform fp;
    fake::FakeDialogs dialogs;
    AppSession app;
    RecordingTarget manager, wizard_fields;
    PickerTargets targets;
    WizardRules wizard;
};

TEST_F(EditorsTest, OKBuildsTheLineOfEachKind) {
    const std::string tail = "|||None||1|||";  // ty2 to kw
    struct Case {
        int kind;
        std::string line;
    };
    // Only the name is lower-cased (it is what matching compares); addresses, start folders and
    // parameters are stored as typed, since web addresses and parameters are case-sensitive.
    const std::vector<Case> cases{
        {kKindProgram, "my tool|C:\\Tools\\Tool.exe|C:\\Tools\\|-V X|||||SW_SHOWNORMAL|Program" + tail + "|Firefox|||||0"},
        {kKindFile, "my tool|C:\\Docs\\A.doc|||||||SW_SHOWNORMAL|File" + tail + "|Firefox|||||0"},
        {kKindFolder, "my tool|D:\\Music|||||||SW_SHOWNORMAL|Folder" + tail + "|Firefox|||||0"},
        {kKindURL, "my tool|http://www.Example.com/Docs?Id=Ab|||||||SW_SHOWNORMAL|URL" + tail + "|Firefox|||||0"},
        {kKindControlPanel, "my tool|timedate.cpl|||||||SW_SHOWNORMAL|Control Panel Applet" + tail + "|Firefox|||||0"},
        {kKindMultiShortcut, "my tool||||||||SW_SHOWNORMAL|MultiShortcut" + tail + "|Firefox||a;b;|||0"},
        {kKindOther, "my tool|Notepad C:\\X.TXT|||||||SW_SHOWNORMAL|Other" + tail + "|Firefox|||||0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        app.catalogue().Clear();
        WizardForm f = wizard.ReadyFields();
        wizard.ChooseKind(c.kind, f);
        EXPECT_TRUE(f.second_page);
        f.name = "My Tool";
        f.prog_addr = "C:\\Tools\\Tool.exe";
        f.wdir = "C:\\Tools\\";
        f.param = "-V X";
        f.file_addr = "C:\\Docs\\A.doc";
        f.folder_addr = "D:\\Music";
        f.url_addr = "http://www.Example.com/Docs?Id=Ab";
        f.other_addr = "Notepad C:\\X.TXT";
        f.applet = 2;
        f.members = {"a", "b"};
        if (c.kind != kKindMultiShortcut) f.members.clear();
        EXPECT_TRUE(wizard.OKBTNClick(f));
        EXPECT_EQ(app.catalogue().lines(), Lines{c.line});
    }
}

TEST_F(EditorsTest, OKRefusesAnEmptyNameAndNeverCorruptsTheLine) {
    WizardForm f = wizard.ReadyFields();
    wizard.ChooseKind(kKindOther, f);
    f.other_addr = "calc";
    EXPECT_FALSE(wizard.OKBTNClick(f));
    EXPECT_EQ(fp.prompts.messages, std::vector<std::string>{"Please type a name for this shortcut!"});
    EXPECT_EQ(app.catalogue().size(), 0);
    f.name = "a|b";
    f.other_addr = "x|y\r\nz";
    EXPECT_TRUE(wizard.OKBTNClick(f));
    EXPECT_EQ(SplitRecord(app.catalogue().line(0))[kAddr], "x y  z");
    EXPECT_EQ(CountPos("|", app.catalogue().line(0)), kFieldCount - 1);
}

TEST_F(EditorsTest, NameSuggestions) {
    struct Case {
        std::string address, name;
    };
    for (const auto& c : std::vector<Case>{{"https://www.example.com", "example.com"},
                                           {"http://www2.example.com", "example.com"},
                                           {"ftp://files.example.com", "files.example.com"},
                                           {"www.example.com", "example.com"},
                                           {"HTTPS://www.example.com", "HTTPS://www.example.com"}}) {
        WizardForm f = wizard.ReadyFields();
        f.url_addr = c.address;
        wizard.URLAddrEDTExit(f);
        EXPECT_EQ(f.name, c.name) << c.address;
        EXPECT_EQ(f.url_addr, c.address);
    }
    WizardForm f = wizard.ReadyFields();
    f.name = "Kept";
    f.url_addr = "http://x.org";
    f.other_addr = "regedit";
    wizard.URLAddrEDTExit(f);
    wizard.OtherAddrEDTExit(f);
    EXPECT_EQ(f.name, "Kept");
    f.name.clear();
    wizard.OtherAddrEDTExit(f);
    EXPECT_EQ(f.name, "regedit");
    // The picture and the text follow the row: the first four rows are described, later ones not.
    struct Applet {
        int row;
        std::string name;
        int picture;
        std::string description;
    };
    for (const auto& c : std::vector<Applet>{
             {0, "Display", 0, std::string(kAppletDescriptions[0])},
             {2, "Time and date", 2, "Customize time and date settings."},
             {3, "Accessibility", 3, "Adjust your computer settings for vision, hearing and mobility."},
             {4, "Mouse", -1, ""},
         }) {
        f.applet = c.row;
        wizard.CPAppCBChange(f);
        EXPECT_EQ(f.name, c.name) << c.row;
        EXPECT_EQ(f.applet_picture, c.picture) << c.row;
        EXPECT_EQ(f.applet_description, c.description) << c.row;
    }
    wizard.FolderChosen(f, "D:\\Music\\");
    EXPECT_EQ(f.name, "Music");
    wizard.ProgramFileChosen(f, "C:\\Tools\\Tool.exe");
    EXPECT_EQ(f.wdir, "C:\\Tools\\");
    EXPECT_EQ(f.name, "Tool");
}

TEST_F(EditorsTest, DuplicateWarningBackAndTheManagerProtocol) {
    WizardForm f = wizard.ReadyFields();
    f.name = "X";
    wizard.nameEDTChange(f);
    EXPECT_FALSE(f.warning);  // empty catalogue: never changes
    Add("editor", "Program");
    f.name = "EDITOR";
    wizard.nameEDTChange(f);
    EXPECT_TRUE(f.warning);
    wizard.ChooseKind(kKindURL, f);
    f.url_addr = "http://a.org";
    wizard.BackBTNClick(f);
    EXPECT_FALSE(f.second_page);
    EXPECT_EQ(f.name, "");
    EXPECT_FALSE(f.warning);
    EXPECT_EQ(f.url_addr, "http://a.org");
    EXPECT_EQ(wizard.kind(), kKindURL);  // kept for the next opening
    f.name = "Editor";
    EXPECT_TRUE(wizard.OKBTNClick(f));  // a warning does not stop OK
    EXPECT_EQ(app.catalogue().size(), 2);
    wizard.FormShow();
    wizard.FormClose(f);
    EXPECT_EQ(manager.calls, (std::vector<std::string>{"NotOnTop", "OnTop"}));
    EXPECT_EQ(dialogs.catalogue_grew, 1);
    EXPECT_EQ(dialogs.shown.back(), "Manager(Editor)");
}

TEST_F(EditorsTest, PickerWritesChangeOnlyTheirFields) {
    Add("notes", "File");
    struct Case {
        std::string what;
        void (*write)(const WizardRules&, WizardForm&);
        void (*expect)(WizardForm&);  // the fields the write changes, on a copy of the form before it
    };
    const std::vector<Case> cases{
        {"program", [](const WizardRules& w, WizardForm& f) { w.SetProgram(f, "C:\\T\\T.exe", "C:\\T\\"); },
         [](WizardForm& f) { f.prog_addr = "C:\\T\\T.exe", f.wdir = "C:\\T\\"; }},
        {"other", [](const WizardRules& w, WizardForm& f) { w.SetOtherAddress(f, "calc"); },
         [](WizardForm& f) { f.other_addr = "calc"; }},
        {"name, checked", [](const WizardRules& w, WizardForm& f) { w.SetName(f, "Notes"); },
         [](WizardForm& f) { f.name = "Notes", f.warning = true; }},
        {"members", [](const WizardRules& w, WizardForm& f) { w.AppendMembers(f, {"b", "c"}); },
         [](WizardForm& f) { f.members = {"a", "b", "c"}; }},
        {"browsers", [](const WizardRules& w, WizardForm& f) { w.RefillBrowsers(f); },
         [](WizardForm& f) { f.browsers = {"Firefox", "Opera"}, f.browser = 0; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WizardForm f = wizard.ReadyFields();
        f.second_page = true;
        f.name = "typed", f.param = "-x", f.url_addr = "http://a.org", f.members = {"a"}, f.member = 0;
        f.browsers = {"Old"}, f.browser = -1;
        WizardForm expected = f;
        c.expect(expected);
        c.write(wizard, f);
        EXPECT_EQ(f.name, expected.name);
        EXPECT_EQ(f.warning, expected.warning);
        EXPECT_EQ(f.prog_addr + "|" + f.wdir + "|" + f.param + "|" + f.url_addr + "|" + f.other_addr,
                  expected.prog_addr + "|" + expected.wdir + "|" + expected.param + "|" + expected.url_addr + "|" +
                      expected.other_addr);
        EXPECT_EQ(f.members, expected.members);
        EXPECT_EQ(f.member, expected.member);
        EXPECT_EQ(f.browsers, expected.browsers);
        EXPECT_EQ(f.browser, expected.browser);
        EXPECT_TRUE(f.second_page);
    }
}

TEST_F(EditorsTest, DuplicateWarningIgnoresCaseOnBothSides) {
    // The manager stores names as typed; the launcher and the manager's search ignore their
    // case, so the warning does too, by the locale's rules and not only for ASCII.
    Add("Notes", "File");
    Add("Élan", "Program");
    Add("Σοφία", "Program");
    Add("my notes", "File");
    struct Case {
        std::string typed;
        bool warning;
    };
    for (const auto& c : std::vector<Case>{{"notes", true}, {"NOTES", true}, {"note", false},
                                           {"éLAN", true}, {"elan", false}, {"σΟΦΊΑ", true},
                                           {"My|Notes", true}}) {  // stored with a blank for its "|"
        WizardForm f = wizard.ReadyFields();
        f.name = c.typed;
        wizard.nameEDTChange(f);
        EXPECT_EQ(f.warning, c.warning) << c.typed;
    }
}

TEST_F(EditorsTest, NewShortcutDialogStartsReset) {
    // The address is put in as it was copied: an Other address keeps its capitals.
    const WizardForm f = wizard.NewShortcutDialog("C:\\Tools\\X.exe /Q");
    EXPECT_EQ(f.other_addr, "C:\\Tools\\X.exe /Q");
    EXPECT_FALSE(f.second_page);
    EXPECT_EQ(f.browsers, (std::vector<std::string>{"Firefox", "Opera"}));
    EXPECT_EQ(f.browser, 0);
    EXPECT_EQ(f.applet, 0);
}

TEST_F(EditorsTest, ChooserOffersFiveTypesAndAppendsTicked) {
    Add("calc", "Program");
    Add("cp", "Control Panel Applet");
    Add("doc", "File", "0");  // invisible ones are offered too
    Add("multi", "MultiShortcut");
    Add("web", "URL");
    Add("other", "Other");
    Add("cmd", "Command");
    MultiChooserRules chooser(app, targets);
    EXPECT_EQ(chooser.FormShow("form2"), (std::vector<std::string>{"calc", "doc", "web", "other"}));
    chooser.OKBTNClick({true, false, true, false});
    chooser.FormClose();
    EXPECT_EQ(manager.calls, (std::vector<std::string>{"NotOnTop", "Members(calc;web;)", "OnTop"}));
    (void)chooser.FormShow("form5");
    chooser.OKBTNClick({false, false, false, false});  // nothing ticked: nothing appended
    EXPECT_EQ(wizard_fields.calls, std::vector<std::string>{"NotOnTop"});
    (void)chooser.FormShow("Form5");  // tags compare exactly: nobody is filled
    chooser.OKBTNClick({true, true, true, true});
    EXPECT_EQ(wizard_fields.calls.size(), 1u);
}

TEST_F(EditorsTest, ANameHoldingASemicolonNeverBecomesTwoMembers) {
    Add("a;b", "Program");
    Add("c", "File");
    MultiChooserRules chooser(app, targets);
    EXPECT_EQ(chooser.FormShow("form2"), (std::vector<std::string>{"a;b", "c"})) << "offered like any other";
    chooser.OKBTNClick({true, true});
    EXPECT_EQ(manager.calls, (std::vector<std::string>{"NotOnTop", "Members(c;)"}));
    EXPECT_EQ(fp.prompts.messages, std::vector<std::string>{std::string(kMemberNameMessage)});
    chooser.OKBTNClick({true, false});
    EXPECT_EQ(manager.calls.size(), 2u) << "nothing else to append";
    EXPECT_EQ(fp.prompts.messages.size(), 2u);
    chooser.OKBTNClick({false, true});
    EXPECT_EQ(fp.prompts.messages.size(), 2u) << "no message when every ticked name fits";
}

// Find-as-you-type in any script: what is typed and the names are compared lower-cased.
TEST_F(EditorsTest, TheChooserFindsTypedLettersOfAnyScript) {
    for (const char* name : {"Éclair", "eclair", "Москва", "Σοφία", "東京", "😀 Smile"}) Add(name, "Program");
    MultiChooserRules chooser(app, targets);
    const auto& rows = chooser.FormShow("form2");
    auto row = [&](std::string_view name) {
        return static_cast<int>(std::find(rows.begin(), rows.end(), name) - rows.begin());
    };
    const std::pair<std::string, std::string> cases[] = {
        {"é", "Éclair"}, {"ÉCL", "Éclair"}, {"e", "eclair"}, {"мо", "Москва"}, {"МОСКВА", "Москва"},
        {"σοφ", "Σοφία"}, {"東", "東京"}, {"😀", "😀 Smile"},
    };
    for (const auto& [typed, found] : cases) EXPECT_EQ(chooser.FindTyped(typed, 0), row(found)) << typed;
    EXPECT_EQ(chooser.FindTyped("ж", 0), -1);
}

TEST_F(EditorsTest, TheChooserKeepsItsTicksAndStartsUnticked) {
    Add("a", "Program");
    Add("b", "File");
    Add("c", "URL");
    MultiChooserRules chooser(app, targets);
    (void)chooser.FormShow("form2");
    EXPECT_EQ(chooser.ticks(), (std::vector<bool>{false, false, false}));
    chooser.Toggle(2);
    chooser.Toggle(0);
    chooser.Toggle(0);
    chooser.Toggle(1);
    chooser.Toggle(3);  // past the end: ignored
    EXPECT_EQ(chooser.ticks(), (std::vector<bool>{false, true, true}));
    EXPECT_TRUE(chooser.IsTicked(2));
    EXPECT_FALSE(chooser.IsTicked(0));
    EXPECT_FALSE(chooser.IsTicked(3));
    // Typed letters: any case, from the start row round the list.
    EXPECT_EQ(chooser.FindTyped("B", 0), 1);
    EXPECT_EQ(chooser.FindTyped("a", 1), 0);
    EXPECT_EQ(chooser.FindTyped("ab", 0), -1);
    EXPECT_EQ(chooser.FindTyped("", 0), -1);
    chooser.OKBTNClick(chooser.ticks());
    EXPECT_EQ(manager.calls, (std::vector<std::string>{"NotOnTop", "Members(b;c;)"}));
    (void)chooser.FormShow("form2");
    EXPECT_EQ(chooser.ticks(), (std::vector<bool>{false, false, false})) << "every opening starts unticked";
}

TEST_F(EditorsTest, ProgramPickersFillTheirCaller) {
    fp.system.special_folders[kStartMenuFolder] = "C:\\Menu";
    fp.files.PutFolder("C:\\Menu");
    fp.files.Put("C:\\Menu\\Editor.lnk", "");
    fp.shell.links[fake::PathKey("C:\\Menu\\Editor.lnk")] = "C:\\Tools\\Editor.exe";
    InstalledProgramsRules installed(app, targets);
    int pumps = 0;
    EXPECT_EQ(installed.FormShow("form5", [&] { ++pumps; }), std::vector<std::string>{"editor"});
    EXPECT_EQ(pumps, 2);  // the menu's folder and the one link kept
    EXPECT_FALSE(installed.OKBTNClick(-1));
    EXPECT_TRUE(installed.OKBTNClick(0));
    (void)installed.FormShow("form2", {});
    EXPECT_TRUE(installed.OKBTNClick(0));
    EXPECT_EQ(wizard_fields.calls, (std::vector<std::string>{"NotOnTop", "Program(c:\\tools\\editor.exe|c:\\tools\\)",
                                                             "Name(editor)"}));
    EXPECT_EQ(manager.calls, (std::vector<std::string>{"NotOnTop", "Program(c:\\tools\\editor.exe|c:\\tools\\)"}));

    StandardProgramsRules standard(app, targets);
    manager.calls.clear();
    wizard_fields.calls.clear();
    EXPECT_EQ(standard.FormShow("form2"), (std::vector<std::string>{"Calculator", "Paint"}));
    standard.OKBTNClick(1);
    standard.OKBTNClick(-1);
    standard.FormClose();
    (void)standard.FormShow("form5");
    standard.OKBTNClick(0);
    EXPECT_EQ(manager.calls, (std::vector<std::string>{"NotOnTop", "Other(mspaint)", "OnTop"}));
    EXPECT_EQ(wizard_fields.calls, (std::vector<std::string>{"NotOnTop", "Other(calc)", "Name(Calculator)"}));
}

}  // namespace
}  // namespace vtx
