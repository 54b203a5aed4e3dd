#pragma once
// The secondary windows: made hidden, each at its first use (the manager ahead of it), and shown on
// demand through Dialogs. They live until the program ends.

#include "platform/win32/windows_api.h"

#include <array>
#include <memory>
#include <string>

#include "app/app_session.h"
#include "app/dialogs.h"
#include "editors/picker_target.h"

namespace vtx {

class OptionsDialog;
class AboutDialog;
class ManagerWindow;
class MoreOptionsDialog;
class BrowsersDialog;
class ThemeEditorDialog;
class WizardDialog;
class MultiChooserDialog;
class InstalledProgramsDialog;
class StandardProgramsDialog;
class QuickAddDialog;

class ProgramWindows final : public Dialogs {
public:
    explicit ProgramWindows(AppSession& app);
    ~ProgramWindows() override;
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // Start-up only says where the windows will belong (owned by the launcher window). Each is
    // made hidden at its first use and kept: a window made costs little memory, but being made
    // at once after start-up pulls in what it needs before the user asks for it.
    void Prepare(HINSTANCE instance, HWND launcher) noexcept;
    // Makes, when the message loop has nothing else to do, the windows worth having ready: the
    // shortcut manager, so that F2 shows it without the wait of making it. False when none is left.
    bool CreateNext();

    void ShowOptions() override;
    void ShowAbout() override;
    void ShowManager(const std::string& search) override;
    void ShowNewShortcut() override;
    [[nodiscard]] bool ManagerShowing() override;
    void ShowThemeEditor(const std::string& theme_file) override;
    void ShowWizard(const std::string& other_address) override;
    void ShowMultiChooser(const std::string& caller) override;
    void ShowInstalledPrograms(const std::string& caller) override;
    void ShowStandardPrograms(const std::string& caller) override;
    void ShowBrowsers(const std::string& caller) override;
    void ShowMoreOptions() override;
    void ShowQuickAdd(const std::string& name, const std::string& address, const std::string& type) override;
    void MarkCatalogueGrew() override;

private:
    enum Window {
        kManager, kOptions, kAbout, kWizard, kThemeEditor, kMoreOptions, kBrowsers, kChooser, kInstalled,
        kQuickAdd, kStandard, kWindowCount
    };
    // Makes the window unless it was made already; one that cannot be made stays missing.
    void Need(Window which);
    // The caller tags: "form2" names the manager, "form5" the wizard.
    void SetCallerOnTop(const std::string& caller, bool on);
    void RefillBrowserCombo(const std::string& caller);

    AppSession& app_;
    HINSTANCE instance_ = nullptr;
    HWND launcher_ = nullptr;
    std::array<bool, kWindowCount> made_{};
    std::unique_ptr<OptionsDialog> options_;
    std::unique_ptr<AboutDialog> about_;
    std::unique_ptr<ManagerWindow> manager_;
    std::unique_ptr<MoreOptionsDialog> more_options_;
    std::unique_ptr<BrowsersDialog> browsers_;
    std::unique_ptr<ThemeEditorDialog> theme_editor_;

    // New shortcuts: the wizard, the pickers and the quick-add dialog. The pickers fill the
    // window their caller tag names through its PickerTarget.
    std::unique_ptr<PickerTarget> manager_target_;
    PickerTargets picker_targets_;
    std::unique_ptr<WizardDialog> wizard_;
    std::unique_ptr<MultiChooserDialog> chooser_;
    std::unique_ptr<InstalledProgramsDialog> installed_;
    std::unique_ptr<QuickAddDialog> quick_add_;
    std::unique_ptr<StandardProgramsDialog> standard_;
};

}  // namespace vtx
