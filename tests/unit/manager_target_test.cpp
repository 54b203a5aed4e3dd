#include "editors/manager_target.h"

#include <gtest/gtest.h>

#include <functional>

#include "fake_dialogs.h"
#include "fake_platform.h"

namespace vtx {
namespace {

// The manager's controls: what they show, read into the rules' form the way the window does
// (edit texts and combo selections; the member list and the combos' items are the rules' own).
struct FakeManagerView : ManagerView {
    explicit FakeManagerView(ManagerRules& r) : rules(r) {}
    void ReadForm() override {
        ManagerForm& f = rules.form();
        for (auto field : {&ManagerForm::name, &ManagerForm::prog_addr, &ManagerForm::wdir, &ManagerForm::param,
                           &ManagerForm::file_addr, &ManagerForm::folder_addr, &ManagerForm::url_addr,
                           &ManagerForm::url_part1, &ManagerForm::url_part2, &ManagerForm::comm_param,
                           &ManagerForm::other_addr})
            f.*field = shown.*field;
        for (auto combo : {&ManagerForm::type, &ManagerForm::browser, &ManagerForm::applet, &ManagerForm::widget,
                           &ManagerForm::command})
            f.*combo = shown.*combo;
    }
    void WriteForm() override { shown = rules.form(); }
    void SetStayOnTop(bool) override {}

    ManagerRules& rules;
    ManagerForm shown;
};

// Each picker's write, while the user typed in the manager after the picker opened: the
// fields the picker fills change, every other field keeps what the user typed.
TEST(ManagerPickerTarget, APickerChangesOnlyItsFieldsAndKeepsWhatWasTypedMeanwhile) {
    struct Case {
        const char* picker;
        std::function<void(PickerTarget&)> write;
        std::function<void(ManagerForm&)> expected_change;
    };
    const std::vector<std::string> new_browsers{"Opera", "Fox"};
    const std::vector<Case> cases{
        {"Installed Programs", [](PickerTarget& t) { t.SetProgram("c:\\apps\\ed.exe", "c:\\apps\\"); },
         [](ManagerForm& f) {
             f.prog_addr = "c:\\apps\\ed.exe";
             f.wdir = "c:\\apps\\";
         }},
        {"Standard Windows Programs", [](PickerTarget& t) { t.SetOtherAddress("mspaint"); },
         [](ManagerForm& f) { f.other_addr = "mspaint"; }},
        {"the name (wizard only)", [](PickerTarget& t) { t.SetName("picked"); }, [](ManagerForm&) {}},
        {"the multi-shortcut chooser", [](PickerTarget& t) { t.AppendMembers({"beta", "gamma"}); },
         [](ManagerForm& f) { f.members.insert(f.members.end(), {"beta", "gamma"}); }},
        {"Define Browsers", [](PickerTarget& t) { t.RefillBrowsers(); },
         [&](ManagerForm& f) {
             f.browsers = new_browsers;
             f.browser = 0;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picker);
        fake::FakePlatform fp;
        fake::FakeDialogs dialogs;
        AppSession app{fp.platform};
        app.lists().browsers = {"Fox|c:\\fox.exe", "Chrome|c:\\chrome.exe"};
        app.catalogue().Append("alpha|c:\\a.exe|c:\\|-a|||||SW_SHOWNORMAL|Program|||None||1|||||||||0");
        app.FillMainListBox();
        ManagerRules rules{app, dialogs};
        rules.FormCreate();
        rules.FormShow();
        FakeManagerView view{rules};
        view.WriteForm();
        ManagerPickerTarget target{rules, view};

        target.SetStayOnTop(false);  // the picker opens, the manager stays usable
        view.shown.name = "typed meanwhile";
        view.shown.param = "-typed";
        view.shown.other_addr = "typed other";
        view.shown.browser = 1;
        ManagerForm expected = view.shown;
        c.expected_change(expected);

        app.lists().browsers = {"Opera|c:\\opera.exe", "Fox|c:\\fox.exe"};  // only Define Browsers shows it
        c.write(target);
        target.SetStayOnTop(true);  // the picker closes
        EXPECT_EQ(view.shown.name, expected.name);
        EXPECT_EQ(view.shown.param, expected.param);
        EXPECT_EQ(view.shown, expected);
    }
}

}  // namespace
}  // namespace vtx
