#pragma once
// The Add Quick Shortcut dialog (class "TForm18"): a dropped file's address and a name to
// confirm, with a warning when the name is taken. Its rules are QuickAddRules.

#include "launcher/quick_add_rules.h"
#include "platform/win32/ui/dialog.h"

namespace vtx {

class QuickAddDialog final : public ui::Dialog {
public:
    QuickAddDialog(AppSession& app, Dialogs& dialogs) : rules_(app, dialogs) {}
    bool Create(HINSTANCE instance, HWND owner);
    // A drop while the dialog shows puts the new values into it.
    void Open(const std::string& name, const std::string& address, const std::string& type);

private:
    void OnShowing() override;
    void OnCommand(int id, int code, HWND control) override;
    void OnOK() override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    [[nodiscard]] QuickAddForm ReadForm() const;
    void ShowWarning(bool on);

    QuickAddRules rules_;
    bool warning_ = false;
};

}  // namespace vtx
