#include "editors/picker_rules.h"

#include "catalogue/shortcut_record.h"
#include "catalogue/shortcut_paths.h"
#include "platform/ascii.h"
#include "platform/trace.h"

namespace vtx {

void TaggedPicker::Open(const std::string& caller) {
    caller_ = caller;
    if (PickerTarget* t = target()) t->SetStayOnTop(false);
}

void TaggedPicker::FormClose() {
    if (PickerTarget* t = target()) t->SetStayOnTop(true);
}

const std::vector<std::string>& MultiChooserRules::FormShow(const std::string& caller) {
    Trace("Form16.FormShow(caller:" + caller + ")");
    Open(caller);
    entries_.clear();
    const Catalogue& c = app_.catalogue();
    for (int i = 0; i < c.size(); ++i) {
        const std::string ty1 = c.GetShPart(i, kTy1);
        if (ty1 == type::Program || ty1 == type::File || ty1 == type::Folder || ty1 == type::URL ||
            ty1 == type::Other)
            entries_.push_back(c.GetShPart(i, kName));
    }
    ticks_.assign(entries_.size(), false);
    return entries_;
}

int MultiChooserRules::FindTyped(std::string_view typed, int start) const {
    if (typed.empty() || entries_.empty()) return -1;
    Text& text = app_.platform().text;
    const std::string wanted = text.ToLower(typed);
    const std::size_t count = entries_.size();
    const std::size_t first = start >= 0 ? static_cast<std::size_t>(start) % count : 0;
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t i = (first + k) % count;
        // The whole name is lowered: a letter's lower case may be longer or shorter in bytes.
        if (StartsWith(text.ToLower(entries_[i]), wanted))
            return static_cast<int>(i);
    }
    return -1;
}

void MultiChooserRules::OKBTNClick(const std::vector<bool>& ticked) {
    Trace("Form16.OKBTNClick");
    std::vector<std::string> names;
    bool refused = false;
    for (std::size_t i = 0; i < entries_.size() && i < ticked.size(); ++i) {
        if (!ticked[i]) continue;
        // "a;b" would be stored as the two members "a" and "b".
        if (FitsAsMember(entries_[i])) names.push_back(entries_[i]);
        else refused = true;
    }
    if (PickerTarget* t = target(); t && !names.empty()) t->AppendMembers(names);
    if (refused) app_.platform().prompts.Message(std::string(kMemberNameMessage));
}

std::vector<std::string> InstalledProgramsRules::FormShow(const std::string& caller,
                                                          const std::function<void()>& pump) {
    Trace("Form17.FormShow(caller:" + caller + ")");
    ScanInstalledPrograms(app_.platform(), programs_, pump);
    Open(caller);
    names_ = programs_.names.lines();
    return names_;
}

bool InstalledProgramsRules::OKBTNClick(int selected) {
    Trace("Form17.OKBTNClick");
    if (selected < 0 || static_cast<std::size_t>(selected) >= names_.size()) return false;
    const std::string& name = names_[static_cast<std::size_t>(selected)];
    const std::string path = InstalledProgramPath(programs_, name);
    if (PickerTarget* t = target()) {
        t->SetProgram(path, FolderOf(path));
        if (caller() == kWizardTag) t->SetName(name);
    }
    return true;
}

std::vector<std::string> StandardProgramsRules::FormShow(const std::string& caller) {
    Trace("Form19.FormShow(caller:" + caller + ")");
    Open(caller);
    std::vector<std::string> names;
    const Lines& list = app_.lists().defprogs;
    for (int i = 0; i < static_cast<int>(list.size()); ++i) names.push_back(Column(list, i, 0));
    return names;
}

void StandardProgramsRules::OKBTNClick(int selected) {
    Trace("Form19.OKBTNClick");
    const Lines& list = app_.lists().defprogs;
    if (selected < 0 || selected >= static_cast<int>(list.size())) return;
    PickerTarget* t = target();
    if (!t) return;
    t->SetOtherAddress(Column(list, selected, 1));
    if (caller() == kWizardTag) t->SetName(Column(list, selected, 0));
}

}  // namespace vtx
