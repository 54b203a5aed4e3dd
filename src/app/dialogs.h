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
};

}  // namespace vtx
