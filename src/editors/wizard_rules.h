#pragma once
// The new-shortcut wizard's rules (TForm5): a kind chosen on the first page, its address
// and a name on the second, and OK building the whole catalogue line.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_session.h"
#include "app/dialogs.h"
#include "editors/picker_target.h"

namespace vtx {

// Kind indexes of the first page; they are also the second page's type pages.
enum WizardKind : int {
    kKindProgram = 0, kKindFile = 1, kKindFolder = 2, kKindURL = 3, kKindControlPanel = 4,
    kKindMultiShortcut = 8, kKindOther = 9,
};
[[nodiscard]] bool IsWizardKind(int kind) noexcept;
// The line's ty1 for a kind ("" for an unused index).
[[nodiscard]] std::string_view WizardKindType(int kind) noexcept;

inline constexpr std::string_view kNoNameMessage = "Please type a name for this shortcut!";
inline constexpr std::array<std::string_view, 4> kAppletDescriptions{
    "Change the appearance of your desktop, such as the background, screensaver, colors, font sizes, and screen resolution.",
    "Install or remove programs and Windows components.",
    "Customize time and date settings.",
    "Adjust your computer settings for vision, hearing and mobility.",
};

// The wizard's controls as values.
struct WizardForm {
    bool second_page = false;  // the type page shows and Back is visible
    std::string name;
    std::string prog_addr, wdir, param;
    std::string file_addr, folder_addr, url_addr, other_addr;
    std::vector<std::string> browsers;  // BrowserCB
    int browser = -1;
    std::vector<std::string> applets;   // CPAppCB
    int applet = -1;
    int applet_picture = -1;            // -1: none
    std::string applet_description;
    std::vector<std::string> members;   // multishLB
    int member = -1;
    bool warning = false;               // warPNL shown, nameEDT light red
};

class WizardRules {
public:
    WizardRules(AppSession& app, Dialogs& dialogs, PickerTargets& targets) noexcept
        : app_(app), dialogs_(dialogs), targets_(targets) {}

    [[nodiscard]] int kind() const noexcept { return kind_; }

    // Empties every field, refills the combos and selects their first items; first page.
    [[nodiscard]] WizardForm ReadyFields() const;
    // The manager's New: reset, the copied address as it is into the Other address, first page.
    [[nodiscard]] WizardForm NewShortcutDialog(const std::string& address) const;
    // A first-page link or picture: the kind, then the second page.
    void ChooseKind(int kind, WizardForm& form);
    void ChangePage(WizardForm& form) const;
    void BackBTNClick(WizardForm& form) const;

    // Name suggestions and the duplicate warning.
    void URLAddrEDTExit(WizardForm& form) const;
    void OtherAddrEDTExit(WizardForm& form) const;
    void CPAppCBChange(WizardForm& form) const;
    void nameEDTChange(WizardForm& form) const;

    // Address buttons: what the file dialogs and the folder browser chose.
    void ProgramFileChosen(WizardForm& form, const std::string& path) const;
    void FileChosen(WizardForm& form, const std::string& path) const;
    void FolderChosen(WizardForm& form, const std::string& path) const;
    void MultiShRemoveBTNClick(WizardForm& form) const;

    // What the pickers write (PickerTarget's calls, on the form the window shows now).
    void SetProgram(WizardForm& form, const std::string& address, const std::string& start_folder) const;
    void SetOtherAddress(WizardForm& form, const std::string& address) const;
    // The name, checked as if typed.
    void SetName(WizardForm& form, const std::string& name) const;
    void AppendMembers(WizardForm& form, const std::vector<std::string>& names) const;
    // The browser definitions changed: the list read again, its first item selected.
    void RefillBrowsers(WizardForm& form) const;

    // True when the line was added and the wizard closes.
    bool OKBTNClick(const WizardForm& form);
    // The record OK would add (the name must not be empty).
    [[nodiscard]] std::string BuildLine(const WizardForm& form) const;

    // Shown: the manager is no longer on top and may see a new shortcut.
    void FormShow();
    // OK, Cancel or the close box: the manager on top again, searching for the name typed.
    void FormClose(const WizardForm& form);

private:
    AppSession& app_;
    Dialogs& dialogs_;
    PickerTargets& targets_;
    int kind_ = kKindProgram;
};

}  // namespace vtx
