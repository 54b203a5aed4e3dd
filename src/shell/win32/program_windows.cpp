#include "shell/win32/program_windows.h"

#include "dialogs/win32/about_dialog.h"
#include "dialogs/win32/options_dialog.h"
#include "editors/win32/browsers_dialog.h"
#include "editors/win32/manager_window.h"
#include "editors/win32/more_options_dialog.h"
#include "editors/win32/theme_editor_dialog.h"
#include "editors/win32/picker_dialog.h"
#include "editors/win32/wizard_dialog.h"
#include "launcher/win32/quick_add_dialog.h"

namespace vtx {

ProgramWindows::ProgramWindows(AppSession& app) : app_(app) {}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::Prepare(HINSTANCE instance, HWND launcher) noexcept {
    instance_ = instance;
    launcher_ = launcher;
}

void ProgramWindows::ShowOptions() {
    Need(kOptions);
    if (options_) options_->Show();
}

void ProgramWindows::ShowAbout() {
    Need(kAbout);
    if (about_) about_->Show();
}

void ProgramWindows::ShowThemeEditor(const std::string& theme_file) {
    Need(kThemeEditor);
    if (!theme_editor_) return;
    theme_editor_->LoadThemeIntoEditor(theme_file);
    theme_editor_->Show();
}

// ---------------------------------------------------------------- the shortcut manager and its dialogs

void ProgramWindows::ShowManager(const std::string& search) {
    Need(kManager);
    if (manager_) manager_->ShowWithSearch(search);
}

void ProgramWindows::ShowNewShortcut() {
    Need(kManager);
    if (manager_) manager_->ShowAndNew();
}

bool ProgramWindows::ManagerShowing() { return manager_ && manager_->IsShowing(); }

void ProgramWindows::ShowBrowsers(const std::string& caller) {
    Need(kBrowsers);
    if (browsers_) browsers_->ShowFor(caller);
}

void ProgramWindows::ShowMoreOptions() {
    Need(kManager);
    Need(kMoreOptions);
    if (!more_options_ || !manager_) return;
    more_options_->ShowModal(manager_->hwnd(), manager_->rules().options(), [this] { manager_->SetStayOnTop(true); });
}

void ProgramWindows::SetCallerOnTop(const std::string& caller, bool on) {
    if (PickerTarget* target = picker_targets_.Find(caller)) target->SetStayOnTop(on);
}

void ProgramWindows::RefillBrowserCombo(const std::string& caller) {
    if (PickerTarget* target = picker_targets_.Find(caller)) target->RefillBrowsers();
}

// ---------------------------------------------------------------- new shortcuts

namespace {

// Made hidden; a window that cannot be made is dropped and its requests do nothing.
template <typename T>
void Make(std::unique_ptr<T>& window, HINSTANCE instance, HWND owner) {
    if (!window->Create(instance, owner)) window.reset();
}

}  // namespace

bool ProgramWindows::CreateNext() {
    Need(kManager);
    return false;
}

void ProgramWindows::Need(Window which) {
    if (!launcher_ || made_[which]) return;
    made_[which] = true;
    HINSTANCE instance = instance_;
    HWND launcher = launcher_;
    switch (which) {
        case kManager:
            manager_ = std::make_unique<ManagerWindow>(app_, *this);
            Make(manager_, instance, launcher);
            if (manager_) manager_target_ = std::make_unique<ManagerPickerTarget>(manager_->rules(), *manager_);
            picker_targets_.form2 = manager_target_.get();
            return;
        case kOptions:
            options_ = std::make_unique<OptionsDialog>(app_, *this);
            Make(options_, instance, launcher);
            return;
        case kAbout:
            about_ = std::make_unique<AboutDialog>(app_);
            Make(about_, instance, launcher);
            return;
        case kWizard:
            wizard_ = std::make_unique<WizardDialog>(app_, *this, picker_targets_);
            Make(wizard_, instance, launcher);
            picker_targets_.form5 = wizard_.get();
            return;
        case kThemeEditor:
            // While the theme editor is open the options dialog leaves the top-most band, so the
            // editor can come in front of it; afterwards it goes back and lists the themes again.
            theme_editor_ = std::make_unique<ThemeEditorDialog>(app_, [this](bool editor_open) {
                if (!options_) return;
                options_->SetTopmost(!editor_open);
                if (!editor_open) options_->RefreshThemeList();
            });
            Make(theme_editor_, instance, launcher);
            return;
        case kMoreOptions:
            more_options_ = std::make_unique<MoreOptionsDialog>(app_);
            Make(more_options_, instance, launcher);
            return;
        case kBrowsers:
            browsers_ = std::make_unique<BrowsersDialog>(
                app_, [this](const std::string& caller, bool on) { SetCallerOnTop(caller, on); },
                [this](const std::string& caller) { RefillBrowserCombo(caller); });
            Make(browsers_, instance, launcher);
            return;
        case kChooser:
            chooser_ = std::make_unique<MultiChooserDialog>(app_, picker_targets_);
            Make(chooser_, instance, launcher);
            return;
        case kInstalled:
            installed_ = std::make_unique<InstalledProgramsDialog>(app_, picker_targets_);
            Make(installed_, instance, launcher);
            return;
        case kQuickAdd:
            quick_add_ = std::make_unique<QuickAddDialog>(app_, *this);
            Make(quick_add_, instance, launcher);
            return;
        case kStandard:
            standard_ = std::make_unique<StandardProgramsDialog>(app_, picker_targets_);
            Make(standard_, instance, launcher);
            return;
        case kWindowCount:
            return;
    }
}

void ProgramWindows::ShowWizard(const std::string& other_address) {
    Need(kWizard);
    if (wizard_) wizard_->Open(other_address);
}

void ProgramWindows::ShowMultiChooser(const std::string& caller) {
    Need(kChooser);
    if (chooser_) chooser_->Open(caller);
}

void ProgramWindows::ShowInstalledPrograms(const std::string& caller) {
    Need(kInstalled);
    if (installed_) installed_->Open(caller);
}

void ProgramWindows::ShowStandardPrograms(const std::string& caller) {
    Need(kStandard);
    if (standard_) standard_->Open(caller);
}

void ProgramWindows::ShowQuickAdd(const std::string& name, const std::string& address, const std::string& type) {
    Need(kQuickAdd);
    if (quick_add_) quick_add_->Open(name, address, type);
}

void ProgramWindows::MarkCatalogueGrew() {
    if (manager_) manager_->rules().CatalogueMayGrow();
}

}  // namespace vtx
