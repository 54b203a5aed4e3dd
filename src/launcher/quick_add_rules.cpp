#include "launcher/quick_add_rules.h"

#include "catalogue/shortcut_record.h"
#include "launcher/dropped_files.h"
#include "platform/trace.h"

namespace vtx {

QuickAddForm QuickAddRules::Open(const std::string& name, const std::string& address, const std::string& type) {
    Trace("Form18.Open(name:" + name + "; address:" + address + "; type:" + type + ")");
    type_ = type;
    return QuickAddForm{address, name, false};
}

void QuickAddRules::FormShow(QuickAddForm& form) {
    Trace("Form18.FormShow");
    dialogs_.MarkCatalogueGrew();
    nameEDTChange(form);
}

void QuickAddRules::nameEDTChange(QuickAddForm& form) const {
    CheckNameTaken(app_.catalogue(), app_.platform().text, form.name, form.warning);
}

bool QuickAddRules::OKBTNClick(const QuickAddForm& form) {
    Trace("Form18.OKBTNClick");
    if (form.address.empty() && form.name.empty()) return false;
    app_.catalogue().Append(QuickRecord(app_.platform(), form.name, form.address, type_));
    app_.FillMainListBox();
    return true;
}

}  // namespace vtx
