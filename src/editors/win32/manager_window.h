#pragma once
// The shortcut manager window (class "TForm2"): the list of every shortcut on the left,
// the fields of the loaded one on the right, one page per type. Modeless and above other
// windows; its rules are ManagerRules.

#include "app/dialogs.h"
#include "editors/manager_rules.h"
#include "editors/manager_target.h"
#include "editors/win32/manager_entries.h"
#include "platform/win32/handles.h"
#include "platform/win32/ui/dialog.h"

namespace vtx {

class ManagerWindow final : public ui::Dialog, public ManagerView {
public:
    ManagerWindow(AppSession& app, Dialogs& dialogs) : rules_(app, dialogs), app_(app) {}
    bool Create(HINSTANCE instance, HWND owner);
    // The control table, in tab order, at 96 DPI.
    [[nodiscard]] static std::span<const ui::Control> Table() noexcept;
    [[nodiscard]] ManagerRules& rules() noexcept { return rules_; }

    // Shown plainly, or with a search text that selects a shortcut.
    void ShowWithSearch(const std::string& search);
    // The launcher's "New Shortcut...": shown, then New pressed.
    void ShowAndNew();
    // Every switch of the stay-on-top style runs the show steps again.
    void SetStayOnTop(bool on) override;
    // ManagerView: the controls into the rules' form and back.
    void ReadForm() override;
    void WriteForm() override;

private:
    void OnShowing() override;
    void OnCommand(int id, int code, HWND control) override;
    void OnOK() override;
    void OnCancel() override {}  // Escape does nothing here
    bool KeyPreview(const MSG& msg) override;
    LRESULT OnNotify(const NMHDR& header) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

    // The controls into the rules' form, one rule, and the form back into the controls.
    template <typename Rule>
    void Apply(Rule rule) {
        ReadForm();
        rule();
        WriteForm();
    }
    void CloseManager();
    void ListSelectionChanged();
    void PlaceMoreOptions();
    void DrawEntry(const DRAWITEMSTRUCT& item);
    void SelectMenu();
    [[nodiscard]] int ComboIndex(int id) const;
    void FillCombo(int id, const std::vector<std::string>& items, int selected);

    ManagerRules rules_;
    AppSession& app_;
    HINSTANCE instance_ = nullptr;
    bool writing_ = false;  // controls are being filled: their change notices are not edits
    bool shown_once_ = false;
    bool in_list_change_ = false;  // a change of the list's selection is being handled
    ManagerEntryPainter entries_;
};

}  // namespace vtx
