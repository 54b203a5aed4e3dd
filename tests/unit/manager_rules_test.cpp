#include "editors/manager_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <random>

#include "catalogue/shortcut_record.h"
#include "editors/browsers_rules.h"
#include "editors/more_options_rules.h"
#include "fake_dialogs.h"
#include "fake_platform.h"
#include "platform/trace.h"

namespace vtx {
namespace {

// A line of `ty1` whose every other field names itself: "name", "f1", ..., "f23".
std::string FullLine(std::string_view name, std::string_view ty1) {
    Fields f;
    for (int i = 0; i < kFieldCount; ++i) f[static_cast<std::size_t>(i)] = "f" + std::to_string(i);
    f[kName] = name;
    f[kTy1] = ty1;
    f[kOsw] = "Fox";
    f[kAddr] = ty1 == type::ControlPanelApplet ? "timedate.cpl" : "f1";
    f[kMs] = "a;b;c;";
    return JoinRecord(f);
}

class ManagerTest : public ::testing::Test {
protected:
    ManagerTest() {
        app.lists().browsers = {"Fox|c:\\fox.exe", "Chrome|c:\\chrome.exe"};
        app.lists().cpapplets = {"Display|desk.cpl", "Time and date|timedate.cpl"};
        app.lists().commands = {"shutdown=x", "Restart=y"};
    }
    void Load(std::initializer_list<std::string> lines) {
        for (const auto& l : lines) app.catalogue().Append(l);
        app.FillMainListBox();
        rules.FormCreate();
        rules.FormShow();
    }
    const std::string& Line(int i) { return app.catalogue().line(i); }
    std::string Field(int i, int col) { return app.catalogue().GetShPart(i, col); }
    int IndexOf(std::string_view name) {
        for (int i = 0; i < app.catalogue().size(); ++i)
            if (Field(i, kName) == name) return i;
        return -1;
    }

    fake::FakePlatform fp;
    fake::FakeDialogs dialogs;
    AppSession app{fp.platform};
    ManagerRules rules{app, dialogs};
};

// One control of the manager as the field it shows: its value as that field's text, an edit,
// and what the edit stores in the field.
struct Control {
    int col;
    std::function<std::string(ManagerRules&)> shown;
    std::function<void(ManagerRules&)> edit;
    std::string stored;
};
template <std::string ManagerForm::* Edit>
Control EditControl(int col) {
    return {col, [](ManagerRules& r) { return r.form().*Edit; }, [](ManagerRules& r) { r.form().*Edit = "Edited"; },
            "Edited"};
}
template <std::string ItemOptions::* Option>
Control OptionControl(int col, std::string edited) {
    return {col, [](ManagerRules& r) { return r.options().*Option; },
            [edited](ManagerRules& r) { r.options().*Option = edited; }, edited};
}
template <typename T>
std::string Item(const std::vector<T>& items, int at) {
    return at >= 0 && at < static_cast<int>(items.size()) ? std::string(items[static_cast<std::size_t>(at)]) : "<none>";
}

TEST_F(ManagerTest, LoadersAndSaversOfTheTenTypes) {
    struct Case {
        std::string_view ty1;
        Page page;
        int type;  // typeCB position; -1: not offered there, so a save writes no field
        std::vector<Control> controls;
        std::string loader, saver;  // the labels they trace
    };
    const Control browser{kOsw, [](ManagerRules& r) { return Item(r.form().browsers, r.form().browser); },
                          [](ManagerRules& r) { r.form().browser = 0; }, "Fox"};
    const Control applet{kAddr, [this](ManagerRules& r) { return Column(app.lists().cpapplets, r.form().applet, 1); },
                         [](ManagerRules& r) { r.form().applet = 0; }, "desk.cpl"};
    const Control command{kAddr, [](ManagerRules& r) { return Item(r.form().commands, r.form().command); },
                          [](ManagerRules& r) { r.form().command = 0; }, "shutdown"};
    const Control members{kMs, [](ManagerRules& r) { return JoinMembers(r.form().members); },
                          [](ManagerRules& r) { r.form().members = {"x", "y"}; }, "x;y;"};
    const std::vector<Case> cases = {
        {type::Program, Page::Program, 0,
         {EditControl<&ManagerForm::prog_addr>(kAddr), EditControl<&ManagerForm::wdir>(kWdir),
          EditControl<&ManagerForm::param>(kParam)},
         "Form2.ProgLoadItem", "Form2.ProgSaveItem"},
        {type::File, Page::File, 1, {EditControl<&ManagerForm::file_addr>(kAddr)},
         "Form2.FileLoadItem", "Form2.FileSaveItem"},
        {type::Folder, Page::Folder, 2, {EditControl<&ManagerForm::folder_addr>(kAddr)},
         "Form2.FolderLoadItem", "Form2.FolderSaveItem"},
        {type::URL, Page::URL, 3, {EditControl<&ManagerForm::url_addr>(kAddr), browser},
         "Form2.URLLoadItem", "Form2.URLSaveItem"},
        {type::ControlPanelApplet, Page::ControlPanelApplet, 4, {applet},
         "Form2.CPAppletLoadItem", "Form2.CPAppletSaveItem"},
        {type::Widget, Page::Widget, -1, {}, "Form2.WidgetLoadItem", ""},
        {type::Search, Page::Search, -1,
         {EditControl<&ManagerForm::url_part1>(kUrlp1), EditControl<&ManagerForm::url_part2>(kUrlp2)},
         "Form2.SearchLoadItem", ""},
        {type::Command, Page::Command, -1, {command}, "Form2.CommandLoadItem", ""},
        {type::MultiShortcut, Page::MultiShortcut, 5, {members},
         "Form2.MultiShortcutLoadItem", "Form2.MultiShortcutSaveItem"},
        {type::Other, Page::Other, 6, {EditControl<&ManagerForm::other_addr>(kAddr)},
         "Form2.OtherLoadItem", "Form2.OtherSaveItem"},
    };
    // Every type loads and saves its name and the four item options.
    const std::vector<Control> common = {
        EditControl<&ManagerForm::name>(kName),
        OptionControl<&ItemOptions::color>(kColor, "Red"),
        OptionControl<&ItemOptions::cat>(kCat, "Cat"),
        OptionControl<&ItemOptions::swst>(kSwst, "SW_SHOWMAXIMIZED"),
        OptionControl<&ItemOptions::vis>(kVis, "0"),
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ty1);
        // Every field names itself; the browser and the applet are not the first of their
        // lists, so a loader that leaves the first selected is caught.
        Fields fields;
        for (int i = 0; i < kFieldCount; ++i) fields[static_cast<std::size_t>(i)] = "f" + std::to_string(i);
        fields[kName] = "zed";
        fields[kTy1] = c.ty1;
        fields[kOsw] = "Chrome";
        fields[kMs] = "a;b;c;";
        if (c.page == Page::ControlPanelApplet) fields[kAddr] = "timedate.cpl";
        if (c.page == Page::Command) fields[kAddr] = "Restart";
        const std::string stored = JoinRecord(fields);
        app.catalogue().Clear();
        std::vector<std::string> traces;
        SetTraceSink([&traces](std::string_view label, int) { traces.emplace_back(label); });
        Load({stored});
        EXPECT_NE(std::find(traces.begin(), traces.end(), c.loader), traces.end());

        EXPECT_EQ(rules.form().page, c.page);
        EXPECT_EQ(rules.form().type, c.type);
        if (PageHeight(c.page) > 0) { EXPECT_EQ(rules.form().page_height, PageHeight(c.page)); }
        std::vector<Control> controls = common;
        controls.insert(controls.end(), c.controls.begin(), c.controls.end());
        for (const Control& k : controls) EXPECT_EQ(k.shown(rules), Field(0, k.col)) << "field " << k.col;

        traces.clear();
        rules.saveitem(rules.Edited());
        SetTraceSink(nullptr);
        EXPECT_EQ(Line(0), stored) << "a save without an edit writes back what was stored";
        std::vector<std::string> saved = {"Form2.saveitem(index:0)"};
        if (!c.saver.empty()) saved.push_back(c.saver + "(index:0)");
        EXPECT_EQ(traces, saved) << "the saver it ran";

        for (const Control& k : controls) {
            app.catalogue().lines()[0] = stored;
            rules.LoadItem();
            k.edit(rules);
            rules.FieldChanged();
            rules.saveitem(rules.Edited());
            Fields expected = fields;
            if (c.type >= 0) expected[static_cast<std::size_t>(k.col)] = k.stored;
            EXPECT_EQ(Line(0), JoinRecord(expected)) << "an edit of field " << k.col;
            EXPECT_FALSE(rules.Unsaved());
        }
    }
}

TEST_F(ManagerTest, ChangeOfTypeKeepsUnwrittenFields) {
    Load({FullLine("p", type::Program)});
    rules.typeCBChange(1);
    EXPECT_TRUE(rules.Unsaved());
    EXPECT_EQ(rules.form().page, Page::File);
    EXPECT_EQ(rules.form().page_height, 59);
    EXPECT_EQ(rules.MoreOptionsTop(), 59 + 9);
    rules.form().file_addr = "c:\\a.txt";
    rules.saveitem(0);
    EXPECT_EQ(Field(0, kTy1), "File");
    EXPECT_EQ(Field(0, kAddr), "c:\\a.txt");
    EXPECT_EQ(Field(0, kWdir), "f2");
    EXPECT_EQ(Field(0, kParam), "f3");
}

TEST_F(ManagerTest, WidgetSearchCommandAndUnknownTypesSaveNoField) {
    for (std::string_view ty1 : {type::Widget, type::Search, type::Command, std::string_view("Gadget")}) {
        app.catalogue().Clear();
        Load({FullLine("w", ty1)});
        const std::string before = Line(0);
        EXPECT_EQ(rules.form().type, -1) << ty1;
        EXPECT_EQ(rules.form().name, ty1 == "Gadget" ? "" : "w") << "an unknown type loads not even the name";
        rules.form().name = "changed";
        rules.form().url_part1 = "u";
        rules.saveitem(0);
        EXPECT_EQ(Line(0), before) << ty1;
    }
    // A Search line shows its two URL parts; a Command line its command.
    app.catalogue().Clear();
    Load({FullLine("s", type::Search), JoinRecord(NewRecord("t", "RESTART", "Command"))});
    EXPECT_EQ(rules.form().url_part1, "f21");
    EXPECT_EQ(rules.form().url_part2, "f22");
    rules.ListBox1Click(1);
    EXPECT_EQ(rules.form().page, Page::Command);
    EXPECT_EQ(rules.form().command, 1);
}

TEST_F(ManagerTest, EmptyTypeBecomesOtherAndTypeInOtherCapitalsLoadsItsFields) {
    Fields lower = NewRecord("b", "c:\\y.exe", "program");
    lower[kParam] = "-q";
    Load({"a|c:\\x||||||||||||||", JoinRecord(lower)});
    EXPECT_EQ(Field(0, kTy1), "Other");
    EXPECT_EQ(rules.form().other_addr, "c:\\x");
    rules.ListBox1Click(1);
    EXPECT_EQ(rules.form().type, 0);
    EXPECT_EQ(rules.form().prog_addr, "c:\\y.exe");
    rules.saveitem(1);
    EXPECT_EQ(Field(1, kAddr), "c:\\y.exe");
    EXPECT_EQ(Field(1, kParam), "-q");
    EXPECT_EQ(Field(1, kTy1), "Program");
}

TEST_F(ManagerTest, ShortLinesAndBarsNeverShiftFields) {
    Load({"short|c:\\s.exe|||||||SW_SHOWNORMAL|Program"});
    rules.form().param = "a|b\r\nc";
    rules.form().name = "sh|ort";
    rules.saveitem(0);
    const Fields f = SplitRecord(Line(0));
    EXPECT_EQ(CountPos("|", Line(0)), kFieldCount - 1);
    EXPECT_EQ(f[kName], "sh ort");
    EXPECT_EQ(f[kParam], "a b  c");
    EXPECT_EQ(f[kTy1], "Program");
    EXPECT_EQ(f[kVis], "");  // the missing field stays empty; nothing moved into it
}

TEST_F(ManagerTest, MemberLists) {
    Load({JoinRecord([] { auto f = NewRecord("m", "", "MultiShortcut"); f[kMs] = "one;two"; return f; }())});
    // The last name keeps its place without its ";", and a save without an edit keeps it.
    EXPECT_EQ(rules.form().members, (std::vector<std::string>{"one", "two"}));
    rules.saveitem(0);
    EXPECT_EQ(Field(0, kMs), "one;two;");
    rules.form().members = {"one"};
    rules.AddMembers({});
    rules.AddMembers({"x;y"});  // would read back as two members
    EXPECT_EQ(rules.form().members, std::vector<std::string>{"one"});
    EXPECT_FALSE(rules.Unsaved());
    rules.AddMembers({"two", "one"});
    EXPECT_TRUE(rules.Unsaved());
    rules.MultiShRemoveBTNClick(0);
    rules.MultiShRemoveBTNClick(-1);  // nothing selected: still marks the shortcut
    rules.saveitem(0);
    EXPECT_EQ(Field(0, kMs), "two;one;");
    rules.form().members.clear();
    rules.saveitem(0);
    EXPECT_EQ(Field(0, kMs), "");
}

TEST_F(ManagerTest, ABrowserOrAppletMissingFromItsListIsNotRepointed) {
    Fields url = NewRecord("web", "http://A.org/X", "URL");
    url[kOsw] = "Gone";
    const std::string url_line = JoinRecord(url);
    const std::string cp_line = JoinRecord(NewRecord("panel", "gone.cpl", "Control Panel Applet"));
    Load({url_line, cp_line});
    struct Case {
        std::string line;
        int ManagerForm::* combo;
        int chosen;
        int col;
        std::string stored;
    };
    const Case cases[] = {
        {url_line, &ManagerForm::browser, 1, kOsw, "Chrome"},
        {cp_line, &ManagerForm::applet, 0, kAddr, "desk.cpl"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const int i = IndexOf(FieldOf(c.line, kName));
        rules.ListBox1Click(i);
        EXPECT_EQ(rules.form().*c.combo, -1) << "no listed item is shown as if it were stored";
        rules.saveitem(rules.Edited());
        EXPECT_EQ(Line(i), c.line) << "a save without an edit writes back what was stored";
        rules.form().*c.combo = c.chosen;
        rules.FieldChanged();
        rules.saveitem(rules.Edited());
        EXPECT_EQ(Field(i, c.col), c.stored) << "a choice in the combo is stored";
        rules.LoadItem();
        EXPECT_EQ(rules.form().*c.combo, c.chosen);
    }
}

TEST_F(ManagerTest, ClickPromptSavesIntoTheEditedEntryAndLoadsTheClickedOne) {
    Load({FullLine("alpha", type::Other), FullLine("beta", type::Other)});
    rules.form().other_addr = "edited";
    rules.FieldChanged();
    fp.prompts.answers = {true};
    rules.ListBox1Click(1);
    ASSERT_EQ(fp.prompts.questions, (std::vector<std::string>{"Save changes to this shortcut?\r\"alpha\""}));
    EXPECT_EQ(Field(IndexOf("alpha"), kAddr), "edited");
    EXPECT_EQ(Field(IndexOf("beta"), kAddr), "f1");
    EXPECT_EQ(rules.form().name, "beta");
    // No: the edits are dropped and the flag cleared.
    rules.form().other_addr = "dropped";
    rules.FieldChanged();
    rules.ListBox1Click(0);
    EXPECT_EQ(fp.prompts.questions.size(), 2u);
    EXPECT_EQ(Field(IndexOf("beta"), kAddr), "f1");
    EXPECT_FALSE(rules.Unsaved());
    rules.ListBox1Click(1);
    EXPECT_EQ(fp.prompts.questions.size(), 2u) << "no prompt without a change";
    // A click on the entry the fields show, also after a later show cleared the selection,
    // neither asks nor reloads: the edit and its flag stay.
    for (const bool reshown : {false, true}) {
        if (reshown) rules.FormShow();
        rules.form().other_addr = "still typing";
        rules.FieldChanged();
        rules.ListBox1Click(1);
        EXPECT_EQ(fp.prompts.questions.size(), 2u) << reshown;
        EXPECT_EQ(rules.form().other_addr, "still typing") << reshown;
        EXPECT_TRUE(rules.Unsaved()) << reshown;
        EXPECT_EQ(rules.Selected(), 1) << reshown;
    }
}

TEST_F(ManagerTest, EntryStaysOnItsLineAcrossResorts) {
    std::mt19937 rng(5);
    std::initializer_list<std::string> names = {"bb", "dd", "ff", "hh", "jj"};
    for (const auto& n : names) app.catalogue().Append(FullLine(n, type::Other));
    Load({});
    for (int round = 0; round < 60; ++round) {
        const int n = rules.EntryCount();
        const int edited = std::uniform_int_distribution<int>(0, n - 1)(rng);
        // Another entry than the edited one: a click on that one changes nothing (above).
        const int clicked = (edited + std::uniform_int_distribution<int>(1, n - 1)(rng)) % n;
        rules.ListBox1Click(edited);
        const std::string fresh = std::string(1, static_cast<char>('a' + round % 26)) + std::to_string(round);
        rules.form().name = fresh;
        rules.FieldChanged();
        const std::string clicked_name = rules.EntryText(clicked);
        fp.prompts.answers = {true};
        rules.ListBox1Click(clicked);
        // The rename landed on the edited shortcut, the clicked one is loaded, and every
        // entry is its catalogue line.
        ASSERT_NE(IndexOf(fresh), -1);
        ASSERT_EQ(rules.form().name, clicked_name) << round;
        ASSERT_EQ(rules.EntryText(rules.Selected()), clicked_name);
        ASSERT_EQ(rules.Edited(), rules.Selected());
        for (int i = 0; i < rules.EntryCount(); ++i) ASSERT_EQ(rules.EntryText(i), Field(i, kName));
    }
    // Someone else re-sorts (a shortcut added): the next save still reaches the edited line.
    rules.ListBox1Click(rules.EntryCount() - 1);
    const std::string edited_name = rules.form().name;
    app.catalogue().Append(FullLine("0first", type::Other));
    app.FillMainListBox();
    rules.form().other_addr = "kept";
    rules.saveitem(rules.Edited());
    EXPECT_EQ(Field(IndexOf(edited_name), kAddr), "kept");
    EXPECT_EQ(Field(IndexOf("0first"), kAddr), "f1");
}

TEST_F(ManagerTest, SearchPromptsOnceAndSelectsTheFirstMatch) {
    Load({FullLine("alpha", type::Other), FullLine("calc", type::Other), FullLine("Calculator", type::Other),
          FullLine("cx", type::Other)});
    rules.form().name = "alpha2";
    rules.FieldChanged();
    fp.prompts.answers = {true};
    rules.SeaEDTChange("  CAL");
    EXPECT_EQ(fp.prompts.questions, (std::vector<std::string>{"Save changes to this shortcut?\r\"alpha2\""}));
    EXPECT_EQ(rules.form().name, "calc");
    EXPECT_NE(IndexOf("alpha2"), -1);
    rules.SeaEDTChange("calcu");
    EXPECT_EQ(rules.form().name, "Calculator") << "names with capitals are found too";
    rules.SeaEDTChange("zz");
    rules.SeaEDTChange("");
    EXPECT_EQ(rules.form().name, "Calculator");
    EXPECT_EQ(fp.prompts.questions.size(), 1u);
}

TEST_F(ManagerTest, ShowStepsAndClosePrompt) {
    Load({FullLine("a", type::Other), FullLine("b", type::Other)});
    EXPECT_EQ(rules.Selected(), 0) << "the first show selects the first entry";
    rules.ListBox1Click(1);
    rules.FormShow();
    EXPECT_EQ(rules.Selected(), -1);
    EXPECT_EQ(rules.form().name, "b") << "the controls keep what they showed";
    rules.CatalogueMayGrow();
    rules.FormShow();
    EXPECT_EQ(rules.Selected(), 0);
    EXPECT_EQ(rules.form().name, "a");
    rules.form().name = "a-new";
    rules.FieldChanged();
    fp.prompts.answers = {true};
    rules.FormClose();
    EXPECT_NE(IndexOf("a-new"), -1);
    rules.FormClose();
    EXPECT_EQ(fp.prompts.questions.size(), 1u);
}

TEST_F(ManagerTest, DeleteAsksAndDeletingTheLastLeavesTheEmptyPanel) {
    Load({FullLine("only", type::Other)});
    EXPECT_FALSE(rules.ShowsEmptyPanel());
    rules.ListBox1KeyUp(46);
    EXPECT_EQ(fp.prompts.captions, (std::vector<std::string>{"Delete?"}));
    EXPECT_EQ(fp.prompts.questions.back(), "Do you really want to delete this shortcut?\r\"only\"");
    EXPECT_EQ(rules.EntryCount(), 1) << "No keeps it";
    fp.prompts.answers = {true};
    rules.DeleteItem();
    EXPECT_EQ(rules.EntryCount(), 0);
    EXPECT_TRUE(rules.ShowsEmptyPanel());
    EXPECT_EQ(rules.Selected(), -1);
    rules.FormClose();
    EXPECT_EQ(fp.prompts.questions.size(), 2u) << "an empty list has no close prompt";
}

TEST_F(ManagerTest, NewSavesTheLoadedShortcutAndOpensTheWizard) {
    Load({FullLine("a", type::Other)});
    rules.form().other_addr = "silently saved";
    fp.clipboard.text = "Some Text";
    rules.LMDNewBTNClick();
    fp.clipboard.text = "See WWW.Example.com";
    rules.LMDNewBTNClick();
    EXPECT_EQ(Field(0, kAddr), "silently saved");
    EXPECT_TRUE(fp.prompts.questions.empty());
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"Wizard()", "Wizard(See WWW.Example.com)"}));
    rules.FormShow();
    EXPECT_EQ(rules.Selected(), 0) << "the wizard may have added a shortcut";
}

TEST_F(ManagerTest, AddressButtonsAndDialogsMarkTheShortcut) {
    Load({FullLine("a", type::Program)});
    rules.fromFile1Click("c:\\tools\\Edit Pad.exe");
    EXPECT_EQ(rules.form().prog_addr, "c:\\tools\\Edit Pad.exe");
    EXPECT_EQ(rules.form().wdir, "c:\\tools\\");
    EXPECT_EQ(rules.form().name, "Edit Pad");
    rules.FolderAddrBTNClick("c:\\data\\photos");
    EXPECT_EQ(rules.form().name, "photos");
    rules.LoadItem();
    EXPECT_FALSE(rules.Unsaved());
    rules.DefineBrowBTNClick();
    EXPECT_TRUE(rules.Unsaved());
    rules.Label26Click();
    rules.MultiShAddBTNClick();
    rules.fromInstalledPrograms1Click();
    rules.ViewDefProgsLBLClick();
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"Browsers(form2)", "MoreOptions", "MultiChooser(form2)",
                                                      "InstalledPrograms(form2)", "StandardPrograms(form2)"}));
}

TEST_F(ManagerTest, WhatTheUserChangesMarksTheShortcutOrNot) {
    using F = ManagerForm;
    const std::pair<std::string F::*, bool> typed[] = {
        {&F::name, true},       {&F::prog_addr, true},  {&F::wdir, true},       {&F::param, true},
        {&F::file_addr, true},  {&F::folder_addr, true}, {&F::url_addr, true},  {&F::other_addr, true},
        {&F::url_part1, false}, {&F::url_part2, false}, {&F::comm_param, false},
    };
    const std::pair<int F::*, bool> picked[] = {
        {&F::browser, true}, {&F::applet, true}, {&F::widget, false}, {&F::command, false}, {&F::type, false},
    };
    Load({FullLine("a", type::Program)});
    int row = 0;
    auto check = [&](auto change, bool marks) {
        SCOPED_TRACE(row++);
        ManagerRules fresh{app, dialogs};
        fresh.FormCreate();
        fresh.FormShow();  // loads the first entry: nothing unsaved
        ASSERT_FALSE(fresh.Unsaved());
        change(fresh);
        EXPECT_EQ(fresh.Unsaved(), marks);
    };
    for (const auto& [field, marks] : typed) check([f = field](ManagerRules& r) { r.FieldTyped(f); }, marks);
    for (const auto& [field, marks] : picked) check([f = field](ManagerRules& r) { r.ComboPicked(f); }, marks);
}

TEST_F(ManagerTest, ClosingKeepsThePlace) {
    rules.KeepPlace({10, -20, 810, 580});
    const Settings& s = app.settings();
    EXPECT_EQ(std::vector<int>({s.f2left, s.f2top, s.f2width, s.f2height}), std::vector<int>({10, -20, 800, 600}));
}

TEST_F(ManagerTest, AnEntryReadsAsItsTwoLines) {
    Load({FullLine("alpha", type::Other), JoinRecord(NewRecord("beta", "c:\\b.exe", "Program"))});
    EXPECT_EQ(rules.EntryReadout(IndexOf("beta")), "beta, Open program: c:\\b.exe");
    EXPECT_EQ(rules.EntryReadout(IndexOf("alpha")), "alpha (Invisible), Open other: f1");
    EXPECT_EQ(rules.EntryReadout(2), "");
    EXPECT_EQ(rules.EntryReadout(-1), "");
}

// The options a shortcut loads with are cut by characters, never in the middle of one.
TEST_F(ManagerTest, OptionsAreCutByCharacters) {
    struct Case {
        int col;
        std::string stored, loaded;
        std::string ItemOptions::* option;
    };
    auto times = [](std::string_view s, int n) {
        std::string out;
        for (int i = 0; i < n; ++i) out += s;
        return out;
    };
    const Case cases[] = {
        {kColor, times("a", 25), times("a", 20), &ItemOptions::color},  // ASCII as before
        {kColor, "Red", "Red", &ItemOptions::color},
        {kColor, times("\xC3\xA9", 25), times("\xC3\xA9", 20), &ItemOptions::color},  // two bytes each
        {kSwst, times("\xD0\x96", 31), times("\xD0\x96", 30), &ItemOptions::swst},
        {kVis, "x" + times("\xF0\x9F\x98\x80", 20), "x" + times("\xF0\x9F\x98\x80", 19), &ItemOptions::vis},
        {kVis, times("\xE6\x9D\xB1", 20), times("\xE6\x9D\xB1", 20), &ItemOptions::vis},  // exactly the limit
    };
    for (const Case& c : cases) {
        Fields f;
        f[kName] = "n";
        f[kTy1] = type::Other;
        f[static_cast<std::size_t>(c.col)] = c.stored;
        app.catalogue().Clear();
        app.catalogue().Append(JoinRecord(f));
        app.FillMainListBox();
        rules.FormCreate();
        rules.FormShow();
        EXPECT_EQ(rules.options().*(c.option), c.loaded) << c.stored;
    }
}

TEST(DescribeEntry, TwoLinesByType) {
    struct Case {
        std::string line, first, second;
    };
    const Case cases[] = {
        {"n|c:\\a.exe||||||||Program|||||1", "n", "Open program: c:\\a.exe"},
        {"n|x||||||||URL|||||0", "n (Invisible)", "Open web site: x"},
        {"n|x||||||||MultiShortcut|||||1||||||a;b;", "n", "Open multishortcut: a;b;"},
        {"n|x||||||||Command|||||", "n (Invisible)", "Other: x"},
        {"n", "n (Invisible)", "Other: "},
    };
    for (const auto& c : cases) {
        const EntryPaint p = DescribeEntry(c.line);
        EXPECT_EQ(p.first, c.first) << c.line;
        EXPECT_EQ(p.second, c.second) << c.line;
    }
}

TEST(MoreOptions, ShowAndCloseRules) {
    struct Case {
        ItemOptions in;
        MoreOptionsForm shown, chosen;
        ItemOptions out;
    };
    const Case cases[] = {
        {{"", "c", "SW_SHOWNORMAL", "1"}, {0, 0, false}, {0, 0, false}, {"None", "c", "SW_SHOWNORMAL", "1"}},
        {{"blue", "", "SW_SHOWMAXIMIZED", "0"}, {5, 2, true}, {5, 2, true}, {"Blue", "", "SW_SHOWMAXIMIZED", "0"}},
        {{"Pink", "", "odd", ""}, {-1, 0, false}, {-1, -1, false}, {"", "", "odd", "1"}},
        {{"Red", "", "SW_SHOWMINIMIZED", "1"}, {1, 1, false}, {7, 2, true}, {"Gray", "", "SW_SHOWMAXIMIZED", "0"}},
    };
    for (const auto& c : cases) {
        ItemOptions o = c.in;
        EXPECT_EQ(MoreOptionsShow(o), c.shown) << c.in.color;
        MoreOptionsClose(c.chosen, o);
        EXPECT_EQ(o, c.out) << c.in.color;
    }
}

TEST_F(ManagerTest, BrowserSlotsMoveUpOnSaveAndRefillTheCombo) {
    app.lists().browsers = {"A|a.exe", "B|b.exe", "C|c.exe", "D|d.exe", "E|e.exe", "F|f.exe"};
    fp.files.PutFolder(app.folders().data.substr(0, app.folders().data.size() - 1));
    BrowsersRules browsers(app);
    browsers.FormCreate();
    EXPECT_EQ(browsers.slots()[3], (BrowserSlot{"D", "d.exe"}));
    browsers.slots()[1] = {};
    browsers.slots()[2] = {"", "x|y.exe"};
    browsers.set_caller("form2");
    EXPECT_EQ(browsers.OKBTNClick(), "form2");
    EXPECT_EQ(app.lists().browsers, (Lines{"A|a.exe", "|x y.exe", "D|d.exe"}));
    EXPECT_EQ(fp.files.Get(app.folders().data + "browsers.ini"), "A|a.exe\r\n|x y.exe\r\nD|d.exe\r\n");
    EXPECT_EQ(browsers.slots()[1], BrowserSlot{}) << "slots are not refilled";
    browsers.set_caller("form9");
    EXPECT_EQ(browsers.OKBTNClick(), "");
    fp.shell.default_browser = "C:\\Program Files\\Web\\WebView.exe";
    browsers.SystemDefaultClick();
    EXPECT_EQ(browsers.slots()[0], (BrowserSlot{"WebView", "C:\\Program Files\\Web\\WebView.exe"}));
    browsers.StoreSlots();
    EXPECT_EQ(app.lists().browsers.front(), "WebView|C:\\Program Files\\Web\\WebView.exe");

    Load({FullLine("u", type::URL)});
    rules.RefillBrowsers();
    EXPECT_EQ(rules.form().browsers, (std::vector<std::string>{"WebView", "", "D"}));
    EXPECT_EQ(rules.form().browser, 0);
}

}  // namespace
}  // namespace vtx
