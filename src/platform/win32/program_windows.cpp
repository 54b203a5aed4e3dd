#include "platform/win32/program_windows.h"

#include "dialogs/about_dialog.h"
#include "dialogs/options_dialog.h"
#include "editors/picker_dialog.h"
#include "editors/wizard_dialog.h"
#include "launcher/quick_add_dialog.h"

namespace vtx {

ProgramWindows::ProgramWindows(AppSession& app) : app_(app) {}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::Create(HINSTANCE instance, HWND launcher) {
    // In their order: the shortcut manager, the options dialog, the About window, the
    // new-shortcut wizard, the theme editor, More Options, the browser definitions, the
    // multi-shortcut item chooser, the installed-programs picker, the quick-add dialog and
    // the standard-programs picker.
    options_ = std::make_unique<OptionsDialog>(app_, *this);
    if (!options_->Create(instance, launcher)) options_.reset();
    about_ = std::make_unique<AboutDialog>(app_);
    if (!about_->Create(instance, launcher)) about_.reset();
    CreateNewShortcutWindows(instance, launcher);
}

void ProgramWindows::ShowOptions() {
    if (options_) options_->Show();
}

void ProgramWindows::ShowAbout() {
    if (about_) about_->Show();
}

// The shortcut manager, the wizard and the theme editor join this set with their windows.
void ProgramWindows::ShowManager(const std::string&) {}
bool ProgramWindows::ManagerShowing() { return false; }
void ProgramWindows::ShowThemeEditor(const std::string&) {}

}  // namespace vtx

// ---------------------------------------------------------------- new shortcuts

namespace vtx {

namespace {
// Made hidden; a window that cannot be made is dropped and its requests do nothing.
template <typename T>
void Make(std::unique_ptr<T>& window, HINSTANCE instance, HWND owner) {
    if (!window->Create(instance, owner)) window.reset();
}
}  // namespace

void ProgramWindows::CreateNewShortcutWindows(HINSTANCE instance, HWND launcher) {
    wizard_ = std::make_unique<WizardDialog>(app_, *this, picker_targets_);
    Make(wizard_, instance, launcher);
    picker_targets_.form5 = wizard_.get();
    chooser_ = std::make_unique<MultiChooserDialog>(app_, picker_targets_);
    Make(chooser_, instance, launcher);
    installed_ = std::make_unique<InstalledProgramsDialog>(app_, picker_targets_);
    Make(installed_, instance, launcher);
    quick_add_ = std::make_unique<QuickAddDialog>(app_, *this);
    Make(quick_add_, instance, launcher);
    standard_ = std::make_unique<StandardProgramsDialog>(app_, picker_targets_);
    Make(standard_, instance, launcher);
}

// Until the manager is here, "New Shortcut..." opens the wizard as the manager's New would.
void ProgramWindows::ShowNewShortcut() { ShowWizard(NewShortcutAddress(app_.platform())); }

void ProgramWindows::ShowWizard(const std::string& other_address) {
    if (wizard_) wizard_->Open(other_address);
}

void ProgramWindows::ShowMultiChooser(const std::string& caller) {
    if (chooser_) chooser_->Open(caller);
}

void ProgramWindows::ShowInstalledPrograms(const std::string& caller) {
    if (installed_) installed_->Open(caller);
}

void ProgramWindows::ShowStandardPrograms(const std::string& caller) {
    if (standard_) standard_->Open(caller);
}

// The browser definitions come with the shortcut manager.
void ProgramWindows::ShowBrowserDefinitions(const std::string&) {}

void ProgramWindows::ShowQuickAdd(const std::string& name, const std::string& address, const std::string& type) {
    if (quick_add_) quick_add_->Open(name, address, type);
}

// The manager's catalogue-grew flag; set on the manager when it joins.
void ProgramWindows::MarkCatalogueGrew() {}

}  // namespace vtx
