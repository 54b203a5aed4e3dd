#include "platform/win32/program_windows.h"

#include "dialogs/about_dialog.h"
#include "dialogs/options_dialog.h"
#include "editors/browsers_dialog.h"
#include "editors/manager_window.h"
#include "editors/more_options_dialog.h"
#include "themes/theme_editor_dialog.h"

namespace vtx {

ProgramWindows::ProgramWindows(AppSession& app) : app_(app) {}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::Create(HINSTANCE instance, HWND launcher) {
    // In their order: the shortcut manager, the options dialog, the About window, the
    // new-shortcut wizard, the theme editor, More Options, the browser definitions, the
    // multi-shortcut item chooser, the installed-programs picker, the quick-add dialog and
    // the standard-programs picker.
    manager_ = std::make_unique<ManagerWindow>(app_, *this);
    if (!manager_->Create(instance, launcher)) manager_.reset();
    options_ = std::make_unique<OptionsDialog>(app_, *this);
    if (!options_->Create(instance, launcher)) options_.reset();
    about_ = std::make_unique<AboutDialog>(app_);
    if (!about_->Create(instance, launcher)) about_.reset();
    // While the theme editor is open the options dialog leaves the top-most band, so the
    // editor can come in front of it; afterwards it goes back and lists the themes again.
    theme_editor_ = std::make_unique<ThemeEditorDialog>(app_, [this](bool editor_open) {
        if (!options_) return;
        options_->SetTopmost(!editor_open);
        if (!editor_open) options_->RefreshThemeList();
    });
    if (!theme_editor_->Create(instance, launcher)) theme_editor_.reset();
    more_options_ = std::make_unique<MoreOptionsDialog>(app_);
    if (!more_options_->Create(instance, launcher)) more_options_.reset();
    browsers_ = std::make_unique<BrowsersDialog>(
        app_, [this](const std::string& caller, bool on) { SetCallerOnTop(caller, on); },
        [this](const std::string& caller) { RefillBrowserCombo(caller); });
    if (!browsers_->Create(instance, launcher)) browsers_.reset();
}

void ProgramWindows::ShowOptions() {
    if (options_) options_->Show();
}

void ProgramWindows::ShowAbout() {
    if (about_) about_->Show();
}

// The wizard joins this set with its windows.

void ProgramWindows::ShowThemeEditor(const std::string& theme_file) {
    if (!theme_editor_) return;
    theme_editor_->LoadThemeIntoEditor(theme_file);
    theme_editor_->Show();
}

// ---------------------------------------------------------------- the shortcut manager and its dialogs

void ProgramWindows::ShowManager(const std::string& search) {
    if (manager_) manager_->ShowWithSearch(search);
}

void ProgramWindows::ShowNewShortcut() {
    if (manager_) manager_->ShowAndNew();
}

bool ProgramWindows::ManagerShowing() { return manager_ && manager_->IsShowing(); }

void ProgramWindows::ShowBrowsers(const std::string& caller) {
    if (browsers_) browsers_->ShowFor(caller);
}

void ProgramWindows::ShowMoreOptions() {
    if (!more_options_ || !manager_) return;
    more_options_->ShowModal(manager_->hwnd(), manager_->rules().options(), [this] { manager_->SetStayOnTop(true); });
}

void ProgramWindows::SetCallerOnTop(const std::string& caller, bool on) {
    if (caller == "form2" && manager_) manager_->SetStayOnTop(on);
    // "form5": the wizard's stay-on-top, once the wizard is part of this set.
}

void ProgramWindows::RefillBrowserCombo(const std::string& caller) {
    if (caller == "form2" && manager_) {
        manager_->rules().RefillBrowsers();
        manager_->Refresh();
    }
    // "form5": the wizard's browser combo, once the wizard is part of this set.
}

// The wizard and the pickers (multi-shortcut chooser, installed programs, standard
// programs) come with their own windows; until then these open nothing.
void ProgramWindows::ShowWizard(const std::string&) {}
void ProgramWindows::ShowMultiChooser(const std::string&) {}
void ProgramWindows::ShowInstalledPrograms(const std::string&) {}
void ProgramWindows::ShowStandardPrograms(const std::string&) {}

}  // namespace vtx
