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
    // The theme editor with a theme of the themes folder loaded into it.
    virtual void ShowThemeEditor(const std::string& theme_file) = 0;

    // New shortcuts. The wizard, reset, on its first page, with `other_address` lower-cased
    // in its Other address (the manager's New button).
    virtual void ShowWizard(const std::string& other_address) = 0;
    // The pickers, for the window named by the caller tag ("form2" manager, "form5" wizard).
    virtual void ShowMultiChooser(const std::string& caller) = 0;
    // Runs the installed-programs scan first.
    virtual void ShowInstalledPrograms(const std::string& caller) = 0;
    virtual void ShowStandardPrograms(const std::string& caller) = 0;
    virtual void ShowBrowserDefinitions(const std::string& caller) = 0;
    // The Add Quick Shortcut dialog for a dropped file.
    virtual void ShowQuickAdd(const std::string& name, const std::string& address, const std::string& type) = 0;
    // A shortcut may be added: the manager selects its first entry when it shows next.
    virtual void MarkCatalogueGrew() = 0;
};

}  // namespace vtx
