#pragma once
// The secondary windows: made hidden once at start-up, in their order, and shown on
// demand through Dialogs. They live until the program ends.

#include "platform/win32/windows_api.h"

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

    // Makes every secondary window, hidden, owned by the launcher window.
    // Start-up only says where the windows will belong. They are made one at a time whenever
    // the message loop has nothing else to do, so the launcher is up and answers its hotkey
    // at once; a request to show any of them first makes all that are still missing.
    void Prepare(HINSTANCE instance, HWND launcher) noexcept;
    // Makes the next window; false when none is left to make.
    bool CreateNext();
    void CreateAll();

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
    // The caller tags: "form2" names the manager, "form5" the wizard.
    void SetCallerOnTop(const std::string& caller, bool on);
    void RefillBrowserCombo(const std::string& caller);

    AppSession& app_;
    HINSTANCE instance_ = nullptr;
    HWND launcher_ = nullptr;
    int next_ = 0;  // the next window to make
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
