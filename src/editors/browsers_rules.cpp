#include "editors/browsers_rules.h"

#include "catalogue/reference_lists.h"
#include "editors/manager_rules.h"
#include "platform/trace.h"

namespace vtx {

void BrowsersRules::FormCreate() {
    Trace("Form15.FormCreate");
    const Lines& list = app_.lists().browsers;
    for (int k = 0; k < static_cast<int>(slots_.size()); ++k)
        slots_[static_cast<std::size_t>(k)] = {Column(list, k, 0), Column(list, k, 1)};
}

void BrowsersRules::SystemDefaultClick() {
    Trace("Form15.SystemDefaultClick");
    const std::string path = app_.platform().shell.DefaultBrowserPath();
    Lines one;
    SetDefaultBrowser(one, path);
    slots_[0] = {Column(one, 0, 0), path};
}

void BrowsersRules::StoreSlots() {
    Lines& list = app_.lists().browsers;
    list.clear();
    // Empty slots are skipped, so later ones move up. A "|" would split the line.
    for (const auto& slot : slots_) {
        if (slot.name.empty() && slot.addr.empty()) continue;
        list.push_back(FieldText(slot.name) + "|" + FieldText(slot.addr));
    }
}

std::string BrowsersRules::OKBTNClick() {
    Trace("Form15.OKBTNClick");
    StoreSlots();
    (void)SaveBrowserList(app_.lists(), app_.platform(), app_.folders().data);
    return caller_ == "form2" || caller_ == "form5" ? caller_ : std::string();
}

}  // namespace vtx
