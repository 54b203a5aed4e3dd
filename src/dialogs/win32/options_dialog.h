#pragma once
// The Settings dialog (class "TForm3"): three pages of settings over OK, Cancel and Help.
// Modeless and above every other window; its rules are OptionsRules.

#include "app/dialogs.h"
#include "dialogs/options_rules.h"
#include "platform/win32/ui/dialog.h"

namespace vtx {

class OptionsDialog final : public ui::Dialog {
public:
    OptionsDialog(AppSession& app, Dialogs& dialogs) : rules_(app), dialogs_(dialogs) {}
    bool Create(HINSTANCE instance, HWND owner);
    // The control table, in tab order, at 96 DPI.
    [[nodiscard]] static std::span<const ui::Control> Table() noexcept;
    // The theme editor takes the dialog out of the top-most band while it is open; when it
    // closes the dialog goes back and reads the theme list again.
    void SetTopmost(bool on);
    void RefreshThemeList();

private:
    void OnShowing() override;
    void OnCommand(int id, int code, HWND control) override;
    void OnOK() override;
    void OnCancel() override;
    bool KeyPreview(const MSG& msg) override;
    LRESULT OnNotify(const NMHDR& header) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

    [[nodiscard]] OptionsForm ReadForm() const;
    void WriteForm(const OptionsForm& form);
    void ShowKey(int vk);
    void ShowSliderValue(int value);
    [[nodiscard]] std::string SelectedTheme() const;
    [[nodiscard]] std::optional<LRESULT> KeyFieldMessage(UINT msg, WPARAM wp, LPARAM lp);

    OptionsRules rules_;
    Dialogs& dialogs_;
    int key_ = 0;  // the key field's virtual-key code
};

}  // namespace vtx
