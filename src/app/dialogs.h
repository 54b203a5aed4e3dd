#pragma once
// The secondary windows as the rules see them: each rule that opens another window asks
// through this interface, which the program's window set implements and host tests fake.

#include <string>

namespace vtx {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void ShowOptions() = 0;
    virtual void ShowAbout() = 0;
    // The shortcut manager; a non-empty `search` goes into its search box.
    virtual void ShowManager(const std::string& search) = 0;
    // The shortcut manager, starting a new shortcut as its New button does.
    virtual void ShowNewShortcut() = 0;
    [[nodiscard]] virtual bool ManagerShowing() = 0;
    // The new-shortcut wizard, reset and on its first page, with `other_address` in its
    // "Other Address" field.
    virtual void ShowWizard(const std::string& other_address) = 0;
    // The pickers and the browser definitions, told who opened them ("form2": the manager,
    // "form5": the wizard); they fill that window's controls and switch its stay-on-top.
    virtual void ShowMultiChooser(const std::string& caller) = 0;
    virtual void ShowInstalledPrograms(const std::string& caller) = 0;
    virtual void ShowStandardPrograms(const std::string& caller) = 0;
    virtual void ShowBrowsers(const std::string& caller) = 0;
    // More Options for the shortcut loaded in the manager, modal.
    virtual void ShowMoreOptions() = 0;
    // The theme editor with a theme of the themes folder loaded into it.
    virtual void ShowThemeEditor(const std::string& theme_file) = 0;

    // The Add Quick Shortcut dialog for a dropped file.
    virtual void ShowQuickAdd(const std::string& name, const std::string& address, const std::string& type) = 0;
    // A shortcut may be added: the manager selects its first entry when it shows next.
    virtual void MarkCatalogueGrew() = 0;
};

}  // namespace vtx
