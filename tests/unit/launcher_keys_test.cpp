#include "launcher/launcher_keys.h"

#include <gtest/gtest.h>

#include "app/hotkey.h"
#include "catalogue/web_addresses.h"
#include "catalogue/shortcut_record.h"
#include "fake_platform.h"
#include "launcher/matching.h"

namespace vtx {
namespace {

struct KeyCase {
    int vk;
    bool ctrl, shift, alt;
    int hotkey;
    bool manager;
    KeyAction expected;
};

constexpr int kWinZ = kWin | 'Z';

TEST(LauncherKeys, WindowLevelTable) {
    using K = KeyAction;
    const KeyCase cases[] = {
        {vk::kEscape, false, false, false, kWinZ, false, K::Hide},
        {vk::kEscape, false, false, false, kWinZ, true, K::None},  // the manager is showing
        {vk::kW, true, false, false, kWinZ, false, K::Hide},
        {vk::kW, true, true, false, kWinZ, true, K::Hide},  // Ctrl+Shift+W too
        {vk::kW, false, false, false, kWinZ, false, K::None},
        {vk::kF1, false, false, false, kWinZ, false, K::Help},
        {vk::kF1, true, true, true, kWinZ, false, K::Help},
        {vk::kF2, false, true, false, kWinZ, false, K::ShowManager},
        {vk::kF3, false, false, true, kWinZ, false, K::ShowOptions},
        {vk::kF4, true, false, false, kWinZ, false, K::ToggleCool},
        {vk::kF4, false, false, true, kWinZ, false, K::None},  // Alt+F4 is not the toggle
        {vk::kF10, true, false, false, kWinZ, false, K::ResetAppearance},
        {vk::kF10, false, false, false, kWinZ, false, K::None},
        // The hotkey's own key is switched off, whatever its modifiers.
        {vk::kF1, false, false, false, kCtrl | vk::kF10, false, K::Help},
        {vk::kF10, true, false, false, kCtrl | vk::kF10, false, K::None},
        {vk::kF10, true, true, false, kCtrl | kShift | vk::kF10, false, K::ResetAppearance},
        {vk::kF3, false, false, false, kAlt | vk::kF3, false, K::None},
        {vk::kF4, false, false, false, kWin | vk::kF4, false, K::None},
        {vk::kF1, true, false, false, kCtrl | vk::kF1, false, K::None},
        {'Z', false, false, false, kWinZ, false, K::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormKeyDown(c.vk, c.ctrl, c.shift, c.alt, c.hotkey, c.manager), c.expected)
            << "vk " << c.vk << " ctrl " << c.ctrl << " alt " << c.alt << " hotkey " << c.hotkey;
    EXPECT_TRUE(EditConsumesKey(vk::kF4));
    EXPECT_FALSE(EditConsumesKey(vk::kF3));
}

// Every function key as the hotkey, bare and with Ctrl: each of the window's function keys
// steps aside only for its own key (the reset only for Ctrl+F10 itself).
TEST(LauncherKeys, EveryFunctionKeyHotkey) {
    struct Row {
        int vk;
        bool ctrl;
        KeyAction action;
    };
    const Row keys[] = {{vk::kF1, false, KeyAction::Help},
                        {vk::kF2, false, KeyAction::ShowManager},
                        {vk::kF3, false, KeyAction::ShowOptions},
                        {vk::kF4, false, KeyAction::ToggleCool},
                        {vk::kF10, true, KeyAction::ResetAppearance}};
    for (int f = vk::kF1; f <= vk::kF12; ++f) {
        for (const int mods : {0, kCtrl, kShift | kAlt}) {
            const int hotkey = mods | f;
            for (const Row& k : keys) {
                const bool same = k.vk == f && (k.vk != vk::kF10 || mods == kCtrl);
                EXPECT_EQ(FormKeyDown(k.vk, k.ctrl, false, false, hotkey, false), same ? KeyAction::None : k.action)
                    << "hotkey F" << (f - vk::kF1 + 1) << " modifiers " << mods << " key F" << (k.vk - vk::kF1 + 1);
            }
        }
    }
}

TEST(LauncherKeys, EnterReleasedInTheEditBox) {
    EXPECT_EQ(Edit2KeyUp(vk::kEnter, false, "").action, EnterAction::None);
    EXPECT_EQ(Edit2KeyUp(vk::kEnter, true, "").action, EnterAction::None);
    EXPECT_EQ(Edit2KeyUp(vk::kUp, false, "calc").action, EnterAction::None);
    // Ctrl+Shift+Enter runs as administrator; Shift alone is a plain Enter.
    EXPECT_EQ(Edit2KeyUp(vk::kEnter, true, " calc", true).action, EnterAction::GoElevated);
    EXPECT_EQ(Edit2KeyUp(vk::kEnter, true, " calc", true).trimmed, "calc");
    EXPECT_EQ(Edit2KeyUp(vk::kEnter, false, "calc", true).action, EnterAction::Go);
    EXPECT_EQ(Edit2KeyUp(vk::kEnter, true, "", true).action, EnterAction::None);

    const EnterDecision go = Edit2KeyUp(vk::kEnter, false, "calc");
    EXPECT_EQ(go.action, EnterAction::Go);
    EXPECT_EQ(go.trimmed, "calc");
    EXPECT_FALSE(go.text_changed);

    const EnterDecision copy = Edit2KeyUp(vk::kEnter, true, " calc \t");
    EXPECT_EQ(copy.action, EnterAction::Copy);
    EXPECT_EQ(copy.trimmed, "calc");
    EXPECT_TRUE(copy.text_changed);

    const EnterDecision blanks = Edit2KeyUp(vk::kEnter, false, "   ");
    EXPECT_EQ(blanks.action, EnterAction::Go);  // the empty text then runs
    EXPECT_EQ(blanks.trimmed, "");
    EXPECT_TRUE(blanks.text_changed);
}

class ListRulesTest : public ::testing::Test {
protected:
    void Load(std::initializer_list<std::string> lines) {
        for (const auto& l : lines) catalogue.Append(l);
        FillMainListBox(catalogue, p.text, list);
    }
    static std::string Rec(std::string_view name, std::string_view ty1, std::string_view wdir,
                           std::string_view addr = "x") {
        Fields f = NewRecord(name, addr, ty1);
        f[kWdir] = std::string(wdir);
        return JoinRecord(f);
    }
    fake::FakePlatform p;
    Catalogue catalogue;
    ResultList list;
};

TEST_F(ListRulesTest, EnterInTheListSelectsTheFirstOfEqualNames) {
    Load({Rec("calc", "Other", "", "calc"), Rec("calc", "Other", "", "calc.exe"), Rec("cal", "Other", "")});
    Matcher matcher(list, p.text);
    std::string edit = "ca";
    matcher.Edit2Change(edit);
    matcher.Select(2);  // the second "calc", clicked
    const auto text = ListActivationText(list, matcher.selected());
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, "calc");
    // The window puts the name into the edit box; its change handler matches again.
    if (*text != edit) matcher.Edit2Change(edit = *text);
    EXPECT_EQ(matcher.selected(), 1);
    EXPECT_FALSE(ListActivationText(list, -1));
}

TEST_F(ListRulesTest, MenuMessagesWhenNothingIsSelected) {
    Load({Rec("a", "Program", "c:\\")});
    EXPECT_FALSE(OpenSelectedAllowed(p.prompts, -1));
    EXPECT_FALSE(CopyAddressAllowed(p.prompts, -1));
    OpenContainingFolder(p.platform, list, -1);
    EXPECT_EQ(p.prompts.messages,
              (std::vector<std::string>{"Nothing selected! Please select the shortcut you want to execute and try again.",
                                        "Nothing selected! Please select a shortcut and try again.",
                                        "Nothing selected! Please select a shortcut and try again."}));
    p.prompts.messages.clear();
    EXPECT_TRUE(OpenSelectedAllowed(p.prompts, 0));
    EXPECT_TRUE(CopyAddressAllowed(p.prompts, 0));
    EXPECT_TRUE(p.prompts.messages.empty());
}

TEST_F(ListRulesTest, OpenContainingFolder) {
    struct Case {
        const char *wdir, *addr, *expected;
    };
    const Case cases[] = {
        {"c:\\tools\\", "x", "c:\\tools"},
        {"c:\\tools\\bin", "x", "c:\\tools"},
        {"c:\\", "x", "c:\\"},
        {"c:\\tools", "x", "c:\\"},
        {"\\\\server\\share\\", "x", "\\\\server\\share"},
        {"tools", "c:\\a\\b.txt", ""},  // a start folder given is the one used
        {"", "", ""},
        // No start folder: the folder the address names the file in.
        {"", "c:\\docs\\notes.txt", "c:\\docs"},
        {"  ", "c:\\docs\\notes.txt", "c:\\docs"},
        {"", "c:\\notes.txt", "c:\\"},
        {"", "d:\\music", "d:\\"},
        {"", "notes.txt", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ContainingFolder(c.wdir, c.addr), c.expected) << "wdir [" << c.wdir << "] addr [" << c.addr << "]";

    for (const char* t : {"Program", "File", "Folder"}) EXPECT_TRUE(OpenContainingFolderVisible(t)) << t;
    for (const char* t : {"URL", "Other", "MultiShortcut", "Control Panel Applet", "file", ""})
        EXPECT_FALSE(OpenContainingFolderVisible(t)) << t;

    p.files.PutFolder("c:\\tools");
    p.files.PutFolder("c:\\");
    p.files.PutFolder("c:\\docs");
    p.files.PutFolder("C:\\Users\\tester");
    Load({Rec("a", "File", "c:\\tools\\"), Rec("b", "File", "", "c:\\docs\\notes.txt"), Rec("c", "Folder", "c:\\"),
          Rec("d", "Program", "c:\\gone\\"), Rec("e", "URL", "c:\\tools\\"), Rec("f", "File", ""),
          Rec("g", "File", "", "%USERPROFILE%\\Notes.txt")});
    for (int row = 0; row < list.size(); ++row) OpenContainingFolder(p.platform, list, row);
    EXPECT_EQ(p.shell.executed, (std::vector<ShellRequest>{{"open", "c:\\tools", std::nullopt, std::nullopt, 5},
                                                           {"open", "c:\\docs", std::nullopt, std::nullopt, 5},
                                                           {"open", "c:\\", std::nullopt, std::nullopt, 5},
                                                           {"open", "C:\\Users\\tester", std::nullopt, std::nullopt, 5}}));
    EXPECT_EQ(p.prompts.messages,
              (std::vector<std::string>{"Can not find folder 'c:\\gone' ", "Can not find folder '' "}));
}

TEST(LauncherKeys, HelpAndWebPagesAndHeight) {
    EXPECT_EQ(HelpPageRequest("C:\\Program Files\\Vantrix\\", "index.htm"),
              (ShellRequest{"open", "C:\\Program Files\\Vantrix\\help\\index.htm", "", "", 3}));
    EXPECT_EQ(HelpPageRequest("d:\\vtx\\", "howto.htm").file, "d:\\vtx\\help\\howto.htm");
    EXPECT_EQ(WebPageRequest(web::kSupportPage),
              (ShellRequest{"open", "https://www.orvane.com/support/", std::nullopt, std::nullopt, 3}));

    EXPECT_EQ(DraggedHeight(700, 100), 600);  // the bottom edge goes to the pointer
    EXPECT_EQ(DraggedHeight(150, 100), kMinimumWindowHeight);
    EXPECT_EQ(DraggedHeight(50, 100), kMinimumWindowHeight);
}

}  // namespace
}  // namespace vtx
