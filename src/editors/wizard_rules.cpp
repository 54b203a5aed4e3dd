#include "editors/wizard_rules.h"

#include "catalogue/reference_lists.h"
#include "catalogue/shortcut_record.h"
#include "catalogue/shortcut_paths.h"
#include "platform/ascii.h"
#include "platform/trace.h"

namespace vtx {

bool IsWizardKind(int kind) noexcept { return !WizardKindType(kind).empty(); }

std::string_view WizardKindType(int kind) noexcept {
    switch (kind) {
        case kKindProgram: return type::Program;
        case kKindFile: return type::File;
        case kKindFolder: return type::Folder;
        case kKindURL: return type::URL;
        case kKindControlPanel: return type::ControlPanelApplet;
        case kKindMultiShortcut: return type::MultiShortcut;
        case kKindOther: return type::Other;
        default: return {};
    }
}

WizardForm WizardRules::ReadyFields() const {
    Trace("Form5.ReadyFields");
    WizardForm f;
    const ReferenceLists& lists = app_.lists();
    for (int i = 0; i < static_cast<int>(lists.browsers.size()); ++i) f.browsers.push_back(Column(lists.browsers, i, 0));
    for (int i = 0; i < static_cast<int>(lists.cpapplets.size()); ++i) f.applets.push_back(Column(lists.cpapplets, i, 0));
    f.browser = f.browsers.empty() ? -1 : 0;
    f.applet = f.applets.empty() ? -1 : 0;
    return f;
}

WizardForm WizardRules::NewShortcutDialog(const std::string& address) const {
    Trace("Form2.NewShortcutDialog(address:" + address + ")");
    WizardForm f = ReadyFields();
    // As it was copied: the Other address is stored as typed, and a command line's
    // parameters or a web address may depend on their capitals.
    f.other_addr = address;
    return f;
}

void WizardRules::ChooseKind(int kind, WizardForm& form) {
    if (!IsWizardKind(kind)) return;
    kind_ = kind;
    ChangePage(form);
}

void WizardRules::ChangePage(WizardForm& form) const {
    Trace("Form5.ChangePage");
    form.second_page = true;
}

void WizardRules::BackBTNClick(WizardForm& form) const {
    Trace("Form5.BackBTNClick");
    form.second_page = false;
    form.name.clear();
    nameEDTChange(form);
}

void WizardRules::URLAddrEDTExit(WizardForm& form) const {
    Trace("Form5.URLAddrEDTExit");
    if (!form.name.empty()) return;
    std::string_view rest = form.url_addr;
    for (std::string_view start : {"https://", "ftp://", "http://", "www.", "www2."})
        if (StartsWith(rest, start)) rest.remove_prefix(start.size());
    form.name = rest;
    nameEDTChange(form);
}

void WizardRules::OtherAddrEDTExit(WizardForm& form) const {
    Trace("Form5.OtherAddrEDTExit");
    if (!form.name.empty()) return;
    form.name = form.other_addr;
    nameEDTChange(form);
}

void WizardRules::CPAppCBChange(WizardForm& form) const {
    Trace("Form5.CPAppCBChange");
    const int row = form.applet;
    form.name = row >= 0 ? Column(app_.lists().cpapplets, row, 0) : std::string();
    const bool described = row >= 0 && row < static_cast<int>(kAppletDescriptions.size());
    form.applet_picture = described ? row : -1;
    form.applet_description = described ? std::string(kAppletDescriptions[static_cast<std::size_t>(row)]) : "";
    nameEDTChange(form);
}

void WizardRules::nameEDTChange(WizardForm& form) const {
    CheckNameTaken(app_.catalogue(), app_.platform().text, form.name, form.warning);
}

void WizardRules::ProgramFileChosen(WizardForm& form, const std::string& path) const {
    form.prog_addr = path;
    form.wdir = FolderOf(path);
    form.name = BaseNameOf(path);
    nameEDTChange(form);
}

void WizardRules::FileChosen(WizardForm& form, const std::string& path) const {
    form.file_addr = path;
    form.name = BaseNameOf(path);
    nameEDTChange(form);
}

void WizardRules::FolderChosen(WizardForm& form, const std::string& path) const {
    form.folder_addr = path;
    std::string_view p = path;
    while (p.size() > 1 && p.back() == '\\') p.remove_suffix(1);  // "C:\Music\" names "Music"
    const auto slash = p.find_last_of('\\');
    form.name = slash == std::string_view::npos ? std::string(p) : std::string(p.substr(slash + 1));
    nameEDTChange(form);
}

void WizardRules::MultiShRemoveBTNClick(WizardForm& form) const {
    if (form.member < 0 || form.member >= static_cast<int>(form.members.size())) return;
    form.members.erase(form.members.begin() + form.member);
    form.member = -1;
}

void WizardRules::SetProgram(WizardForm& form, const std::string& address, const std::string& start_folder) const {
    form.prog_addr = address;
    form.wdir = start_folder;
}

void WizardRules::SetOtherAddress(WizardForm& form, const std::string& address) const { form.other_addr = address; }

void WizardRules::SetName(WizardForm& form, const std::string& name) const {
    form.name = name;
    nameEDTChange(form);
}

void WizardRules::AppendMembers(WizardForm& form, const std::vector<std::string>& names) const {
    form.members.insert(form.members.end(), names.begin(), names.end());
}

void WizardRules::RefillBrowsers(WizardForm& form) const {
    form.browsers = ReadyFields().browsers;
    form.browser = form.browsers.empty() ? -1 : 0;
}

std::string WizardRules::BuildLine(const WizardForm& form) const {
    // Only the name is lower-cased, as matching compares it. Addresses, start folders and
    // parameters stay as typed: web addresses and parameters are case-sensitive.
    std::string addr;
    switch (kind_) {
        case kKindProgram: addr = FieldText(form.prog_addr); break;
        case kKindFile: addr = FieldText(form.file_addr); break;
        case kKindFolder: addr = FieldText(form.folder_addr); break;
        case kKindURL: addr = FieldText(form.url_addr); break;
        case kKindControlPanel: addr = FieldText(Column(app_.lists().cpapplets, form.applet, 1)); break;
        case kKindOther: addr = FieldText(form.other_addr); break;
        default: break;  // MultiShortcut: no address
    }
    Fields f = NewRecord(FieldText(app_.platform().text.ToLower(form.name)), addr, WizardKindType(kind_));
    if (kind_ == kKindProgram) {
        f[kWdir] = FieldText(form.wdir);
        f[kParam] = FieldText(form.param);
    }
    if (form.browser >= 0 && form.browser < static_cast<int>(form.browsers.size()))
        f[kOsw] = FieldText(form.browsers[static_cast<std::size_t>(form.browser)]);
    f[kMs] = FieldText(JoinMembers(form.members));
    return JoinRecord(f);
}

bool WizardRules::OKBTNClick(const WizardForm& form) {
    Trace("Form5.OKBTNClick");
    if (form.name.empty()) {
        app_.platform().prompts.Message(std::string(kNoNameMessage));
        return false;
    }
    app_.catalogue().Append(BuildLine(form));
    app_.FillMainListBox();
    return true;
}

void WizardRules::FormShow() {
    Trace("Form5.FormShow");
    if (PickerTarget* manager = targets_.form2) manager->SetStayOnTop(false);
    dialogs_.MarkCatalogueGrew();
}

void WizardRules::FormClose(const WizardForm& form) {
    Trace("Form5.FormClose");
    if (PickerTarget* manager = targets_.form2) manager->SetStayOnTop(true);
    dialogs_.ShowManager(form.name);
}

}  // namespace vtx
