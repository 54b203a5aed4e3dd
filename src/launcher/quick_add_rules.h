#pragma once
// The Add Quick Shortcut dialog's rules (TForm18): a dropped file's address and name,
// a warning when the name is taken, and OK appending the shortcut.

#include <string>

#include "app/app_session.h"
#include "app/dialogs.h"

namespace vtx {

struct QuickAddForm {
    std::string address;  // adEDT
    std::string name;     // nameEDT
    bool warning = false; // warPNL shown, nameEDT light red
};

class QuickAddRules {
public:
    QuickAddRules(AppSession& app, Dialogs& dialogs) noexcept : app_(app), dialogs_(dialogs) {}
    // Opened for a drop; a second drop while open replaces everything, the type included.
    [[nodiscard]] QuickAddForm Open(const std::string& name, const std::string& address, const std::string& type);
    // Every showing: the manager may see a new shortcut; the name is checked.
    void FormShow(QuickAddForm& form);
    void nameEDTChange(QuickAddForm& form) const;
    // True when the shortcut was added and the dialog closes.
    bool OKBTNClick(const QuickAddForm& form);
    [[nodiscard]] const std::string& type() const noexcept { return type_; }

private:
    AppSession& app_;
    Dialogs& dialogs_;
    std::string type_;
};

}  // namespace vtx
