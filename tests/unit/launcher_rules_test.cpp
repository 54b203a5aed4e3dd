#include "launcher/launcher_rules.h"

#include <gtest/gtest.h>

#include "catalogue/shortcut_record.h"
#include "catalogue/web_addresses.h"
#include "session_fixture.h"

namespace vtx {
namespace {

using namespace fake;

class LauncherRulesTest : public SessionTest {};

// Whether the result list's menu offers "Open Containing Folder" for a row.
bool OffersContainingFolder(const LauncherRules& rules, int row) {
    for (const MenuEntry& e : rules.ListMenuFor(row))
        if (e.command == Command::OpenFolder) return true;
    return false;
}

// ---------------------------------------------------------------- Enter and the menus
// The default catalogue, sorted: 0 "c" (Folder c:\), 1 "calc" (Other), 2 "d" (Folder d:\,
// missing here), 3 "vtx on the web" (URL).

class LaunchingTest : public LauncherRulesTest {
protected:
    // A later start (no first-run actions) with the default catalogue.
    void Start(bool hae) {
        PutSettings({"firstrun=0", hae ? "HAE=1" : "HAE=0"});
        run.Start();
        run.view.showing = true;
        run.view.Clear();
    }
    // Typing: the edit box changes, tells the rules and shows what they answer.
    void Type(const std::string& text) {
        run.view.edit_text = text;
        run.view.Show(run.rules.Edit2Change(text));
    }
    Session run{m};
};

TEST_F(LaunchingTest, EnterInTheEditBox) {
    struct Case {
        const char* name;
        const char* typed;
        int downs;       // Down presses after typing
        int mouse_row;   // a row clicked after that; -1: none
        bool ctrl;
        bool hae;
        std::vector<ShellRequest> launched;
        std::string copied;
        bool hides;
        const char* edit_after;  // the edit box afterwards
    };
    const Case cases[] = {
        {"empty text does nothing, row selected", "", 0, 1, false, true, {}, "", false, ""},
        {"empty text with Ctrl copies nothing", "", 0, 1, true, true, {}, "", false, ""},
        {"trimmed, matched again, first match launched", "  calc ", 1, -1, false, false, {kCalc}, "", false, "calc"},
        {"HAE hides after the launch", "calc", 0, -1, false, true, {kCalc}, "", true, "calc"},
        {"HAE hides when nothing was launched", "d", 0, -1, false, true, {}, "", true, "d"},
        {"typed text matching nothing runs itself", "Notepad X.TXT", 0, -1, false, true,
         {{"open", "notepad", "x.txt", "", 1}}, "", true, "Notepad X.TXT"},
        {"blanks only trim to nothing, which runs nothing", "   ", 0, -1, false, true, {}, "", true, ""},
        {"Ctrl copies the address, no hide", "c", 0, -1, true, true, {}, "c:\\", false, "c"},
        {"Ctrl trims and copies the first match", " calc", 1, -1, true, false, {}, "calc", false, "calc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Machine machine;
        machine.files.PutFolder(kData);
        machine.files.Put(kData + "set.set", JoinLines({"firstrun=0", c.hae ? "HAE=1" : "HAE=0"}));
        Session r(machine);
        r.Start();
        r.view.edit_text = c.typed;
        r.rules.Edit2Change(c.typed);
        for (int i = 0; i < c.downs; ++i) r.rules.MoveDown();
        if (c.mouse_row >= 0) r.rules.SelectRow(c.mouse_row);
        r.view.Clear();

        r.rules.EditEnter(c.typed, c.ctrl);
        EXPECT_EQ(machine.shell.executed, c.launched);
        EXPECT_EQ(machine.clipboard.text, c.copied);
        EXPECT_EQ(r.view.Has("Hide()"), c.hides);
        EXPECT_EQ(r.view.edit_text, c.edit_after);
    }
}

TEST_F(LaunchingTest, TrimmedTextIsPutBackBeforeTheLaunch) {
    Start(true);
    Type(" calc");
    run.rules.MoveDown();
    run.rules.EditEnter(" calc", false);
    EXPECT_TRUE(InOrder(run.view, {"SetEditText(calc)", "ShowSelection(1)", "Hide()"}));
    EXPECT_EQ(run.rules.Selected(), 1);
}

TEST_F(LaunchingTest, EnterInTheListPutsTheNameIntoTheEditBoxFirst) {
    Start(true);
    Type("c");
    run.rules.MoveDown();  // "calc"
    run.rules.ListEnter();
    EXPECT_TRUE(InOrder(run.view, {"SetEditText(calc)", "ShowSelection(1)", "Hide()"}));
    EXPECT_EQ(run.view.edit_text, "calc");
    EXPECT_EQ(m.shell.executed, std::vector<ShellRequest>{kCalc});
}

TEST_F(LaunchingTest, EnterInTheListWithNothingSelectedDoesNothing) {
    Start(true);
    Type("zz");
    run.rules.ListEnter();
    EXPECT_TRUE(m.shell.executed.empty());
    EXPECT_FALSE(run.view.Has("SetEditText("));
    EXPECT_FALSE(run.view.Has("Hide()"));
}

TEST_F(LaunchingTest, OfTwoRowsOfOneNameTheListLaunchesTheFirst) {
    const std::string second = JoinRecord(NewRecord("calc", "notepad", type::Other));
    const std::string first = JoinRecord(NewRecord("calc", "calc", type::Other));
    m.files.PutFolder(kData);
    m.files.Put(kData + "list2.ini", JoinLines({second, first}));
    Start(false);
    ASSERT_EQ(run.rules.RowCount(), 2);
    run.rules.SelectRow(1);  // "calc|notepad": sorted after "calc|calc"
    run.rules.ListEnter();
    ASSERT_EQ(m.shell.executed.size(), 1u);
    EXPECT_EQ(m.shell.executed[0].file, "calc");
}

TEST_F(LaunchingTest, TheListLaunchesARowWhoseNameTypingCannotFind) {
    // Typed text is lower-cased, so "Notes" put back into the edit box matches nothing;
    // the row chosen in the list is launched all the same, not the text "notes".
    m.files.PutFolder(kData);
    m.files.Put(kData + "list2.ini", JoinLines({JoinRecord(NewRecord("Notes", "notepad", type::Other))}));
    Start(false);
    run.rules.SelectRow(0);
    run.rules.ListEnter();
    EXPECT_EQ(run.view.edit_text, "Notes");
    EXPECT_EQ(m.shell.executed, (std::vector<ShellRequest>{{"open", "notepad", std::nullopt, std::nullopt, 1}}));
    EXPECT_EQ(run.rules.Selected(), 0);
}

TEST_F(LaunchingTest, Menus) {
    Start(false);
    (void)run.rules.RunCommand(Command::OpenSelected);
    (void)run.rules.RunCommand(Command::CopyAddress);
    (void)run.rules.RunCommand(Command::OpenFolder);
    EXPECT_EQ(m.prompts.messages, (std::vector<std::string>{std::string(kNothingSelectedExecute),
                                                            std::string(kNothingSelected),
                                                            std::string(kNothingSelected)}));
    EXPECT_TRUE(m.shell.executed.empty());
    EXPECT_EQ(m.clipboard.sets, 0);

    run.rules.SelectRow(1);
    (void)run.rules.RunCommand(Command::OpenSelected);
    (void)run.rules.RunCommand(Command::CopyAddress);
    EXPECT_EQ(m.shell.executed, std::vector<ShellRequest>{kCalc});
    EXPECT_EQ(m.clipboard.text, "calc");

    EXPECT_TRUE(OffersContainingFolder(run.rules, 0));   // Folder
    EXPECT_FALSE(OffersContainingFolder(run.rules, 1));  // Other
    EXPECT_FALSE(OffersContainingFolder(run.rules, -1));
    EXPECT_FALSE(OffersContainingFolder(run.rules, 4));
}

// Every menu command either opens a window through Dialogs, does its work through the
// shell, or hands a window action back; the manager gets the selected row's name.
TEST_F(LaunchingTest, MenuCommandsReachTheirWindows) {
    Start(false);
    run.rules.SelectRow(1);  // "calc"
    struct Case {
        Command command;
        WindowAction action;
        const char* shown;  // what Dialogs was asked to show; "" when nothing
        const char* page;   // the help or web page the shell opened; "" when none
    };
    const Case cases[] = {
        {Command::ShowVtx, WindowAction::Show, "", ""},
        {Command::HideVtx, WindowAction::Hide, "", ""},
        {Command::Exit, WindowAction::Exit, "", ""},
        {Command::Settings, WindowAction::None, "Options", ""},
        {Command::About, WindowAction::None, "About", ""},
        {Command::Shortcuts, WindowAction::None, "Manager()", ""},
        {Command::AddEdit, WindowAction::None, "Manager(calc)", ""},
        {Command::NewShortcut, WindowAction::None, "NewShortcut", ""},
        {Command::Help, WindowAction::None, "", "C:\\Program Files\\Vantrix\\help\\index.htm"},
        {Command::HowDoI, WindowAction::None, "", "C:\\Program Files\\Vantrix\\help\\howto.htm"},
        {Command::WebSupport, WindowAction::None, "", web::kSupportPage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.command));
        run.dialogs.shown.clear();
        m.shell.executed.clear();
        EXPECT_EQ(run.rules.RunCommand(c.command), c.action);
        EXPECT_EQ(run.dialogs.shown, *c.shown ? std::vector<std::string>{c.shown} : std::vector<std::string>{});
        EXPECT_EQ(m.shell.executed.empty() ? std::string() : m.shell.executed[0].file, c.page);
    }
}

// The menus as the window builds them: separators where they stand, the Help submenu with
// its web submenu one level deeper, every command at most once per menu.
TEST(LauncherMenus, TablesHoldEveryItemOnce) {
    auto texts = [](const std::vector<MenuEntry>& menu) {
        std::vector<std::string> out;
        for (const auto& e : menu) out.push_back(std::string(e.level, '>') + (e.text.empty() ? "-" : e.text));
        return out;
    };
    EXPECT_EQ(texts(TrayMenu()), (std::vector<std::string>{"S&how VTX", "-", "&Shortcuts...", "Se&ttings...",
                                                           "To&ggle Cool Mode", "-", "H&elp...", "&About...", "-",
                                                           "E&xit"}));
    const auto main_menu = texts(MainMenu());
    EXPECT_EQ(std::vector<std::string>(main_menu.begin(), main_menu.begin() + 6),
              (std::vector<std::string>{"&New Shortcut...", "&Shortcuts...", "Se&ttings...", "To&ggle Cool Mode",
                                        "-", "H&elp"}));
    EXPECT_EQ(main_menu[9], ">OV on the &Web");
    EXPECT_EQ(main_menu[10], std::string(">>OV Home Page (") + web::kHomePage + ")");
    EXPECT_EQ(texts(ListMenu(false)),
              (std::vector<std::string>{"&Open Selected", "&Copy Address", "-", "&Add/Edit Shortcuts..."}));
    EXPECT_EQ(texts(ListMenu(true))[1], "Open Containing Folder");
}

// ---------------------------------------------------------------- window-level keys

TEST_F(LauncherRulesTest, FunctionKeysStepAsideForTheHotkey) {
    struct Case {
        const char* hotkey;
        int vk;
        bool ctrl;
        KeyAction expected;
    };
    const Case cases[] = {
        // "Ctrl+F10" and "F12" hold the letters "F1", but F1 is not their key.
        {"Ctrl+F10", vk::kF1, false, KeyAction::Help},       {"Ctrl+F10", vk::kF10, true, KeyAction::None},
        {"Ctrl+F10", vk::kF4, false, KeyAction::ToggleCool}, {"Ctrl+F10", vk::kF2, false, KeyAction::ShowManager},
        {"F12", vk::kF1, false, KeyAction::Help},            {"Alt+F11", vk::kF1, false, KeyAction::Help},
        {"Ctrl+F1", vk::kF1, false, KeyAction::None},        {"Ctrl+Shift+F10", vk::kF10, true, KeyAction::ResetAppearance},
        {"Win+Z", vk::kF1, false, KeyAction::Help},          {"Win+Z", vk::kF10, true, KeyAction::ResetAppearance},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.hotkey) + " key " + std::to_string(c.vk));
        Machine machine;
        machine.files.PutFolder(kData);
        machine.files.Put(kData + "set.set", JoinLines({"firstrun=0", std::string("hotkey=") + c.hotkey}));
        Session run(machine);
        run.Start();
        EXPECT_EQ(run.app.hotkey_text(), c.hotkey);
        const auto action = run.rules.FormKeyDown(c.vk, c.ctrl, false, false);
        EXPECT_EQ(action.has_value(), c.expected != KeyAction::None);
        EXPECT_EQ(run.dialogs.shown.size(), c.expected == KeyAction::ShowManager ? 1u : 0u);
        EXPECT_EQ(run.app.layout()->cool_mode(), c.expected == KeyAction::ToggleCool);
    }
}

// ---------------------------------------------------------------- the height drag

TEST_F(LauncherRulesTest, DraggedHeightIsKeptAndSaved) {
    PutSettings({"firstrun=0"});
    Session run(m);
    run.Start();
    EXPECT_EQ(run.rules.DragHeight(500, 100), 400);
    // The next normal layout uses it too.
    run.app.ToggleCoolMode();
    run.view.Clear();
    run.app.ToggleCoolMode();
    EXPECT_TRUE(run.view.Has("SetWindowSize(141,400)"));
    run.app.FormClose();
    EXPECT_TRUE(HasLine(Saved(), "height=400"));
}

}  // namespace
}  // namespace vtx
