#pragma once
// The new-shortcut wizard (class "TForm5"): the kinds of shortcut as links on its first
// page, the chosen kind's address and a name on the second. Above other windows; its
// rules are WizardRules. The pickers fill it through PickerTarget: each write takes in what the
// controls show, goes through the rules and shows the result, as the manager's target does.

#include "app/dialogs.h"
#include "editors/picker_target.h"
#include "editors/win32/wizard_pictures.h"
#include "editors/wizard_rules.h"
#include "platform/win32/ui/dialog.h"

namespace vtx {

class WizardDialog final : public ui::Dialog, public PickerTarget {
public:
    WizardDialog(AppSession& app, Dialogs& dialogs, PickerTargets& targets)
        : app_(app), dialogs_(dialogs), rules_(app, dialogs, targets) {}
    bool Create(HINSTANCE instance, HWND owner);
    // The manager's New: emptied fields, the address in the Other address, first page.
    void Open(const std::string& other_address);

    // PickerTarget
    void SetProgram(const std::string& address, const std::string& start_folder) override;
    void SetOtherAddress(const std::string& address) override;
    void SetName(const std::string& name) override;
    void AppendMembers(const std::vector<std::string>& names) override;
    void RefillBrowsers() override;
    void SetStayOnTop(bool on) override;

private:
    void OnShowing() override;
    void OnCommand(int id, int code, HWND control) override;
    void OnOK() override;
    void OnCancel() override;
    LRESULT OnNotify(const NMHDR& header) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

    [[nodiscard]] WizardForm ReadForm() const;
    void WriteForm(const WizardForm& form);
    void ShowPage(bool second);
    void Apply(void (WizardRules::*rule)(WizardForm&) const);
    // The controls' values through one rule and back into the controls.
    template <typename Change>
    void Apply(Change change) {
        WizardForm f = ReadForm();
        change(f);
        WriteForm(f);
    }
    void ShowWarning(bool shown);
    [[nodiscard]] HICON PictureOf(int id) const;
    void ProgramMenu();
    void BrowseFile(bool program);
    void BrowseFolder();

    AppSession& app_;
    Dialogs& dialogs_;
    WizardRules rules_;
    bool warning_ = false;
    int applet_picture_ = -1;
    WizardPictures pictures_;
    bool writing_ = false;  // controls are being filled: their change events are not the user's
};

}  // namespace vtx
