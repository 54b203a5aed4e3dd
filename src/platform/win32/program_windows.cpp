#include "platform/win32/program_windows.h"

#include "dialogs/about_dialog.h"
#include "dialogs/options_dialog.h"

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
}

void ProgramWindows::ShowOptions() {
    if (options_) options_->Show();
}

void ProgramWindows::ShowAbout() {
    if (about_) about_->Show();
}

// The shortcut manager, the wizard and the theme editor join this set with their windows.
void ProgramWindows::ShowManager(const std::string&) {}
void ProgramWindows::ShowNewShortcut() {}
bool ProgramWindows::ManagerShowing() { return false; }
void ProgramWindows::ShowThemeEditor(const std::string&) {}

}  // namespace vtx
