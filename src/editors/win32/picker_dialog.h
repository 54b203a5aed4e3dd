#pragma once
// The pickers: Add to MultiShortcut List (class "TForm16"), Installed Programs ("TForm17")
// and Standard Windows Programs ("TForm19"). Each is opened with the caller tag of the
// window it fills; their rules are in picker_rules.h.

#include <string>

#include "editors/picker_rules.h"
#include "platform/win32/ui/dialog.h"

namespace vtx {

class MultiChooserDialog final : public ui::Dialog {
public:
    MultiChooserDialog(AppSession& app, PickerTargets& targets) : app_(app), rules_(app, targets) {}
    bool Create(HINSTANCE instance, HWND owner);
    void Open(const std::string& caller);

private:
    void OnOK() override;
    void OnCancel() override;
    LRESULT OnNotify(const NMHDR& header) override;
    void Toggle(int row);  // flips the row's box and redraws it

    AppSession& app_;
    MultiChooserRules rules_;
};

class InstalledProgramsDialog final : public ui::Dialog {
public:
    InstalledProgramsDialog(AppSession& app, PickerTargets& targets) : rules_(app, targets) {}
    bool Create(HINSTANCE instance, HWND owner);
    // Scans the Start menus (the windows keep repainting meanwhile), then shows the names.
    void Open(const std::string& caller);

private:
    void OnCommand(int id, int code, HWND control) override;
    void OnOK() override;
    void OnCancel() override;

    InstalledProgramsRules rules_;
    bool scanning_ = false;
};

class StandardProgramsDialog final : public ui::Dialog {
public:
    StandardProgramsDialog(AppSession& app, PickerTargets& targets) : rules_(app, targets) {}
    bool Create(HINSTANCE instance, HWND owner);
    void Open(const std::string& caller);

private:
    void OnCommand(int id, int code, HWND control) override;
    void OnOK() override;
    void OnCancel() override;

    StandardProgramsRules rules_;
};

// Lets the messages waiting for this thread be handled, as the message loop would.
void PumpPendingMessages();

}  // namespace vtx
