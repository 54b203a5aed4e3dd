#include "editors/win32/wizard_dialog.h"

#include <commctrl.h>

#include "editors/file_filters.h"
#include "platform/win32/ui/list_strings.h"
#include "platform/win32/handles.h"
#include "platform/win32/ui/folder_browser.h"
#include "platform/win32/ui/open_file_dialog.h"
#include "platform/win32/ui/top_most.h"

namespace vtx {
namespace {

enum : int {
    kFirstHeading = 100, kLinkProgram, kDescProgram, kLinkFile, kDescFile, kLinkFolder, kDescFolder, kLinkWeb, kDescWeb,
    kLinkControlPanel, kDescControlPanel, kOtherTask, kLinkMulti, kDescMulti, kLinkOther, kDescOther,
    kPropsHeading,
    kProgAddrLBL, kProgAddrEDT, kProgAddrBTN, kWdirLBL, kWdirEDT, kParamLBL, kParamEDT,
    kFileAddrLBL, kFileAddrEDT, kFileAddrBTN, kFileIdeas,
    kFolderAddrLBL, kFolderAddrEDT, kFolderAddrBTN, kFolderIdeas,
    kURLAddrLBL, kURLAddrEDT, kBrowserLBL, kBrowserCB, kDefineBrowBTN,
    kCPAppLBL, kCPAppCB, kCPAppDesc,
    kMultiLBL, kMultishLB, kMultiShAddBTN, kMultiShRemoveBTN, kLearnMore,
    kOtherAddrLBL, kOtherAddrEDT, kOtherNote, kViewDefProgsLBL,
    kNameHeading, kNameLBL, kNameEDT, kWarPNL, kClickOK, kOnceCreated,
    kBackBTN, kFromFile, kFromInstalled,
    kPicProgram, kPicFile, kPicFolder, kPicWeb, kPicControlPanel, kPicMulti, kPicOther, kKindPic, kCPAppPic, kWarIcon,
};

using ui::Kind;
constexpr DWORD kLinkStyle = BS_OWNERDRAW;
// A picture tells the dialog of a click on it (STN_CLICKED), as its link does.
constexpr DWORD kPictureStyle = SS_NOTIFY;
constexpr int kFirst = 1;
// A type page is shown as page 10 + kind.
constexpr int PageOf(int kind) { return 10 + kind; }

// In tab order: every field follows the text that labels it.
constexpr ui::Control kTable[] = {
    // First page: the kinds of shortcut, each a picture, a link and a line that says what it is.
    {kFirstHeading, Kind::Heading, "Create a shortcut for...", {20, 14, 480, 18}, kFirst},
    {kPicProgram, Kind::Canvas, "", {28, 44, 32, 32}, kFirst, kPictureStyle},
    {kLinkProgram, Kind::Button, "Program", {68, 42, 200, 20}, kFirst, kLinkStyle},
    {kDescProgram, Kind::Label, "A program installed on your computer.", {68, 62, 438, 16}, kFirst},
    {kPicFile, Kind::Canvas, "", {28, 86, 32, 32}, kFirst, kPictureStyle},
    {kLinkFile, Kind::Button, "File", {68, 84, 200, 20}, kFirst, kLinkStyle},
    {kDescFile, Kind::Label, "A document, a picture, a song or any other file.", {68, 104, 438, 16}, kFirst},
    {kPicFolder, Kind::Canvas, "", {28, 128, 32, 32}, kFirst, kPictureStyle},
    {kLinkFolder, Kind::Button, "Folder", {68, 126, 200, 20}, kFirst, kLinkStyle},
    {kDescFolder, Kind::Label, "A folder on your computer or on the network.", {68, 146, 438, 16}, kFirst},
    {kPicWeb, Kind::Canvas, "", {28, 170, 32, 32}, kFirst, kPictureStyle},
    {kLinkWeb, Kind::Button, "Web Site", {68, 168, 200, 20}, kFirst, kLinkStyle},
    {kDescWeb, Kind::Label, "A web page, opened in the browser you choose.", {68, 188, 438, 16}, kFirst},
    {kPicControlPanel, Kind::Canvas, "", {28, 212, 32, 32}, kFirst, kPictureStyle},
    {kLinkControlPanel, Kind::Button, "Control Panel", {68, 210, 200, 20}, kFirst, kLinkStyle},
    {kDescControlPanel, Kind::Label, "A control panel applet, such as Display or Mouse.", {68, 230, 438, 16}, kFirst},
    {kOtherTask, Kind::Heading, "or pick another task", {20, 262, 480, 18}, kFirst},
    {kPicMulti, Kind::Canvas, "", {28, 290, 32, 32}, kFirst, kPictureStyle},
    {kLinkMulti, Kind::Button, "Create a MultiShortcut", {68, 288, 250, 20}, kFirst, kLinkStyle},
    {kDescMulti, Kind::Label, "Open several shortcuts at once.", {68, 308, 438, 16}, kFirst},
    {kPicOther, Kind::Canvas, "", {28, 332, 32, 32}, kFirst, kPictureStyle},
    {kLinkOther, Kind::Button, "Create a Shortcut for Other Items", {68, 330, 250, 20}, kFirst, kLinkStyle},
    {kDescOther, Kind::Label, "Anything the Run dialog can open.", {68, 350, 438, 16}, kFirst},
    // Second page: the type pages, then the name.
    {kKindPic, Kind::Canvas, "", {20, 8, 24, 24}, 0, 0, true},
    {kPropsHeading, Kind::Heading, "Select properties", {52, 12, 448, 18}, 0, 0, true},
    {kProgAddrLBL, Kind::Label, "Address:", {28, 44, 100, 16}, PageOf(kKindProgram)},
    {kProgAddrEDT, Kind::Edit, "", {28, 62, 380, 23}, PageOf(kKindProgram)},
    {kProgAddrBTN, Kind::Button, "Select", {416, 61, 90, 25}, PageOf(kKindProgram)},
    {kWdirLBL, Kind::Label, "Start in:", {28, 92, 100, 16}, 0, 0, true},
    {kWdirEDT, Kind::Edit, "", {28, 110, 380, 23}, 0, 0, true},
    {kParamLBL, Kind::Label, "Parameters:", {28, 140, 100, 16}, 0, 0, true},
    {kParamEDT, Kind::Edit, "", {28, 158, 380, 23}, 0, 0, true},
    {kFileAddrLBL, Kind::Label, "File Address:", {28, 44, 200, 16}, PageOf(kKindFile)},
    {kFileAddrEDT, Kind::Edit, "", {28, 62, 380, 23}, PageOf(kKindFile)},
    {kFileAddrBTN, Kind::Button, "Browse...", {416, 61, 90, 25}, PageOf(kKindFile)},
    {kFileIdeas, Kind::Label, "Ideas: a spreadsheet you update every day, your to-do list, a favourite song.",
     {28, 94, 478, 32}, PageOf(kKindFile)},
    {kFolderAddrLBL, Kind::Label, "Folder Address:", {28, 44, 200, 16}, PageOf(kKindFolder)},
    {kFolderAddrEDT, Kind::Edit, "", {28, 62, 380, 23}, PageOf(kKindFolder)},
    {kFolderAddrBTN, Kind::Button, "Browse...", {416, 61, 90, 25}, PageOf(kKindFolder)},
    {kFolderIdeas, Kind::Label, "Ideas: your downloads, your music or a shared folder of your team.",
     {28, 94, 478, 32}, PageOf(kKindFolder)},
    {kURLAddrLBL, Kind::Label, "Web site address:", {28, 44, 200, 16}, PageOf(kKindURL)},
    {kURLAddrEDT, Kind::Edit, "", {28, 62, 478, 23}, PageOf(kKindURL)},
    {kBrowserLBL, Kind::Label, "Browser:", {28, 94, 200, 16}, PageOf(kKindURL)},
    {kBrowserCB, Kind::ComboList, "", {28, 112, 280, 200}, PageOf(kKindURL)},
    {kDefineBrowBTN, Kind::Button, "Define Browsers...", {316, 111, 130, 25}, PageOf(kKindURL)},
    {kCPAppLBL, Kind::Label, "Select a control panel:", {28, 44, 200, 16}, PageOf(kKindControlPanel)},
    {kCPAppCB, Kind::ComboList, "", {28, 62, 380, 240}, PageOf(kKindControlPanel)},
    {kCPAppPic, Kind::Canvas, "", {28, 98, 32, 32}, PageOf(kKindControlPanel)},
    {kCPAppDesc, Kind::Label, "", {68, 96, 438, 48}, PageOf(kKindControlPanel)},
    {kMultiLBL, Kind::Label, "Shortcuts to open at once:", {28, 44, 250, 16}, PageOf(kKindMultiShortcut)},
    {kMultishLB, Kind::ListBox, "", {28, 62, 380, 110}, PageOf(kKindMultiShortcut)},
    {kMultiShAddBTN, Kind::Button, "Add...", {416, 62, 90, 25}, PageOf(kKindMultiShortcut)},
    {kMultiShRemoveBTN, Kind::Button, "Remove", {416, 92, 90, 25}, PageOf(kKindMultiShortcut)},
    {kLearnMore, Kind::Link, "Learn more...", {416, 124, 90, 18}, PageOf(kKindMultiShortcut)},
    {kOtherAddrLBL, Kind::Label, "Other Address:", {28, 44, 200, 16}, PageOf(kKindOther)},
    {kOtherAddrEDT, Kind::Edit, "", {28, 62, 478, 23}, PageOf(kKindOther)},
    {kOtherNote, Kind::Label,
     "You can open anything that Run Dialog can open, including standard Windows programs such as Calculator, "
     "Microsoft Paint and Registry Editor.",
     {28, 94, 478, 32}, PageOf(kKindOther)},
    {kViewDefProgsLBL, Kind::Link, "View a list of standard Windows programs.", {28, 130, 300, 18}, PageOf(kKindOther)},
    {kNameHeading, Kind::Heading, "Name your shortcut", {20, 196, 480, 18}, 0, 0, true},
    {kNameLBL, Kind::Label, "Type a name for this shortcut:", {28, 222, 250, 16}, 0, 0, true},
    {kNameEDT, Kind::Edit, "", {28, 240, 230, 23}, 0, 0, true},
    {kWarIcon, Kind::Canvas, "", {268, 244, 16, 16}, 0, 0, true},
    {kWarPNL, Kind::Label, "A shortcut with this name already \r\nexists. Please type another name.",
     {290, 236, 216, 32}, 0, 0, true},
    {kClickOK, Kind::Label, "Click OK to save and close, or click Back to change the shortcut type.",
     {28, 282, 478, 16}, 0, 0, true},
    {kOnceCreated, Kind::Label,
     "Once a shortcut is created, you can change other properties of it using Shortcuts window.",
     {28, 304, 478, 32}, 0, 0, true},
    // Buttons.
    {kBackBTN, Kind::Button, "&Back", {268, 384, 75, 25}, 0, 0, true},
    {IDOK, Kind::DefButton, "OK", {349, 384, 75, 25}},
    {IDCANCEL, Kind::Button, "Cancel", {430, 384, 75, 25}},
};

// Each kind's link, its picture and the kind they choose.
struct KindLink {
    int link, picture, kind;
};
constexpr KindLink kLinks[] = {
    {kLinkProgram, kPicProgram, kKindProgram},       {kLinkFile, kPicFile, kKindFile},
    {kLinkFolder, kPicFolder, kKindFolder},          {kLinkWeb, kPicWeb, kKindURL},
    {kLinkControlPanel, kPicControlPanel, kKindControlPanel}, {kLinkMulti, kPicMulti, kKindMultiShortcut},
    {kLinkOther, kPicOther, kKindOther},
};
// Shown with the second page, beside its type page.
constexpr int kSecondPage[] = {kKindPic, kPropsHeading, kNameHeading, kNameLBL, kNameEDT, kClickOK, kOnceCreated,
                               kBackBTN};

// The kind a link or its picture chooses; -1 for any other control.
int KindOfLink(int id) {
    for (const auto& k : kLinks)
        if (k.link == id || k.picture == id) return k.kind;
    return -1;
}

int ComboSelection(HWND combo) { return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)); }


}  // namespace

bool WizardDialog::Create(HINSTANCE instance, HWND owner) {
    if (!MakeDialog(instance, owner, {"TForm5", "New Shortcut", {525, 420}, true, 0}, kTable)) return false;
    // The links colour themselves while the pointer is over them.
    for (const KindLink& k : kLinks) pictures_.MakeLink(hwnd(), k.link, Item(k.link));
    WriteForm(rules_.ReadyFields());
    ShowPage(false);
    return true;
}

void WizardDialog::Open(const std::string& other_address) {
    WriteForm(rules_.NewShortcutDialog(other_address));
    ShowPage(false);
    Show();
}

void WizardDialog::ShowPage(bool second) {
    controls_.ShowPage(second ? PageOf(rules_.kind()) : kFirst);
    for (int id : kSecondPage) ShowWindow(Item(id), second ? SW_SHOWNA : SW_HIDE);
    ShowWarning(second && warning_);
    HWND focus = GetNextDlgTabItem(hwnd(), nullptr, FALSE);
    if (focus && IsWindowVisible(hwnd())) SetFocus(focus);
}

WizardForm WizardDialog::ReadForm() const {
    WizardForm f;
    f.second_page = IsWindowVisible(Item(kBackBTN)) != FALSE;
    f.name = Text(kNameEDT);
    f.prog_addr = Text(kProgAddrEDT);
    f.wdir = Text(kWdirEDT);
    f.param = Text(kParamEDT);
    f.file_addr = Text(kFileAddrEDT);
    f.folder_addr = Text(kFolderAddrEDT);
    f.url_addr = Text(kURLAddrEDT);
    f.other_addr = Text(kOtherAddrEDT);
    auto items = [](HWND w, UINT count_msg, UINT len_msg, UINT text_msg) {
        std::vector<std::string> out;
        const int n = static_cast<int>(SendMessageW(w, count_msg, 0, 0));
        for (int i = 0; i < n; ++i) out.push_back(ui::ItemText(w, i, len_msg, text_msg));
        return out;
    };
    f.browsers = items(Item(kBrowserCB), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
    f.browser = ComboSelection(Item(kBrowserCB));
    f.applets = items(Item(kCPAppCB), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
    f.applet = ComboSelection(Item(kCPAppCB));
    f.applet_picture = applet_picture_;
    f.members = items(Item(kMultishLB), LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
    f.member = static_cast<int>(SendMessageW(Item(kMultishLB), LB_GETCURSEL, 0, 0));
    f.warning = warning_;
    return f;
}

void WizardDialog::WriteForm(const WizardForm& f) {
    writing_ = true;
    const std::pair<int, const std::string*> texts[] = {
        {kNameEDT, &f.name}, {kProgAddrEDT, &f.prog_addr}, {kWdirEDT, &f.wdir}, {kParamEDT, &f.param},
        {kFileAddrEDT, &f.file_addr}, {kFolderAddrEDT, &f.folder_addr}, {kURLAddrEDT, &f.url_addr},
        {kOtherAddrEDT, &f.other_addr}, {kCPAppDesc, &f.applet_description},
    };
    for (const auto& [id, text] : texts)
        if (Text(id) != *text) SetText(id, *text);
    ui::FillStrings(Item(kBrowserCB), f.browsers, CB_RESETCONTENT, CB_ADDSTRING);
    SendMessageW(Item(kBrowserCB), CB_SETCURSEL, static_cast<WPARAM>(f.browser), 0);
    ui::FillStrings(Item(kCPAppCB), f.applets, CB_RESETCONTENT, CB_ADDSTRING);
    SendMessageW(Item(kCPAppCB), CB_SETCURSEL, static_cast<WPARAM>(f.applet), 0);
    ui::FillStrings(Item(kMultishLB), f.members, LB_RESETCONTENT, LB_ADDSTRING);
    SendMessageW(Item(kMultishLB), LB_SETCURSEL, static_cast<WPARAM>(f.member), 0);
    if (applet_picture_ != f.applet_picture) {
        applet_picture_ = f.applet_picture;
        InvalidateRect(Item(kCPAppPic), nullptr, FALSE);
    }
    if (warning_ != f.warning) {
        warning_ = f.warning;
        InvalidateRect(Item(kNameEDT), nullptr, TRUE);
    }
    ShowWarning(f.second_page && warning_);
    writing_ = false;
}

void WizardDialog::Apply(void (WizardRules::*rule)(WizardForm&) const) {
    Apply([&](WizardForm& f) { (rules_.*rule)(f); });
}

void WizardDialog::ShowWarning(bool shown) {
    for (int id : {kWarIcon, kWarPNL}) ShowWindow(Item(id), shown ? SW_SHOWNA : SW_HIDE);
}

void WizardDialog::OnShowing() {
    pictures_.Load();
    rules_.FormShow();
}

HICON WizardDialog::PictureOf(int id) const {
    if (id == kWarIcon) return LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_WARNING));  // shared: never destroyed
    if (id == kCPAppPic) return pictures_.OfApplet(applet_picture_);
    return pictures_.OfKind(id == kKindPic ? rules_.kind() : KindOfLink(id));
}

void WizardDialog::OnCommand(int id, int code, HWND) {
    // A picture's STN_CLICKED has the value of a link's BN_CLICKED.
    if (const int kind = KindOfLink(id); kind >= 0 && code == BN_CLICKED) {
        Apply([&](WizardForm& f) { rules_.ChooseKind(kind, f); });
        ShowPage(true);
        return;
    }
    if (writing_) return;
    switch (id) {
        case kNameEDT:
            if (code == EN_CHANGE) Apply(&WizardRules::nameEDTChange);
            break;
        case kURLAddrEDT:
            if (code == EN_KILLFOCUS) Apply(&WizardRules::URLAddrEDTExit);
            break;
        case kOtherAddrEDT:
            if (code == EN_KILLFOCUS) Apply(&WizardRules::OtherAddrEDTExit);
            break;
        case kCPAppCB:
            if (code == CBN_SELCHANGE) Apply(&WizardRules::CPAppCBChange);
            break;
        case kBackBTN:
            if (code == BN_CLICKED) {
                Apply(&WizardRules::BackBTNClick);
                ShowPage(false);
            }
            break;
        case kProgAddrBTN:
            if (code == BN_CLICKED) ProgramMenu();
            break;
        case kFileAddrBTN:
            if (code == BN_CLICKED) BrowseFile(false);
            break;
        case kFolderAddrBTN:
            if (code == BN_CLICKED) BrowseFolder();
            break;
        case kDefineBrowBTN:
            if (code == BN_CLICKED) dialogs_.ShowBrowsers(std::string(kWizardTag));
            break;
        case kMultiShAddBTN:
            if (code == BN_CLICKED) dialogs_.ShowMultiChooser(std::string(kWizardTag));
            break;
        case kMultiShRemoveBTN:
            if (code == BN_CLICKED) Apply(&WizardRules::MultiShRemoveBTNClick);
            break;
        default:
            break;
    }
}

LRESULT WizardDialog::OnNotify(const NMHDR& header) {
    if (header.code != NM_CLICK && header.code != NM_RETURN) return 0;
    if (static_cast<int>(header.idFrom) == kLearnMore) app_.OpenHelpPage("multishortcuts.htm");
    if (static_cast<int>(header.idFrom) == kViewDefProgsLBL) dialogs_.ShowStandardPrograms(std::string(kWizardTag));
    return 0;
}

bool WizardDialog::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        if (item.CtlType == ODT_STATIC)
            WizardPictures::DrawPicture(item, PictureOf(static_cast<int>(item.CtlID)));
        else if (KindOfLink(static_cast<int>(item.CtlID)) >= 0)
            pictures_.DrawLink(item, controls_.dpi());
        else
            return false;
        result = TRUE;
        return true;
    }
    if (msg == WM_CTLCOLOREDIT && reinterpret_cast<HWND>(lp) == Item(kNameEDT) && warning_) {
        result = ui::WarningFieldColours(reinterpret_cast<HDC>(wp));
        return true;
    }
    return false;
}

void WizardDialog::ProgramMenu() {
    win32::UniqueMenu menu(CreatePopupMenu());
    if (!menu) return;
    AppendMenuW(menu.get(), MF_STRING, kFromFile, L"from File...");
    AppendMenuW(menu.get(), MF_STRING, kFromInstalled, L"from Installed Programs...");
    RECT r{};
    GetWindowRect(Item(kProgAddrBTN), &r);
    const int chosen = static_cast<int>(
        TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, r.left, r.bottom, 0, hwnd(), nullptr));
    if (chosen == kFromFile) BrowseFile(true);
    if (chosen == kFromInstalled) dialogs_.ShowInstalledPrograms(std::string(kWizardTag));
}

void WizardDialog::BrowseFile(bool program) {
    const std::string path = ui::ChooseOpenFile(hwnd(), program ? kProgramFileFilter : kAnyFileFilters,
                                                program ? "exe" : "");
    if (path.empty()) return;
    Apply([&](WizardForm& f) { program ? rules_.ProgramFileChosen(f, path) : rules_.FileChosen(f, path); });
}

void WizardDialog::BrowseFolder() {
    // The folder browser must not sit under the wizard.
    SetStayOnTop(false);
    const std::string folder = ui::ChooseFolder(hwnd(), "Select Folder");
    SetStayOnTop(true);
    if (!folder.empty()) Apply([&](WizardForm& f) { rules_.FolderChosen(f, folder); });
}

void WizardDialog::OnOK() {
    if (rules_.OKBTNClick(ReadForm())) OnCancel();
}

void WizardDialog::OnCancel() {
    const WizardForm f = ReadForm();
    Close();
    rules_.FormClose(f);
}

// ---------------------------------------------------------------- what the pickers write

void WizardDialog::SetProgram(const std::string& address, const std::string& start_folder) {
    Apply([&](WizardForm& f) { rules_.SetProgram(f, address, start_folder); });
}

void WizardDialog::SetOtherAddress(const std::string& address) {
    Apply([&](WizardForm& f) { rules_.SetOtherAddress(f, address); });
}

void WizardDialog::SetName(const std::string& name) {
    Apply([&](WizardForm& f) { rules_.SetName(f, name); });
}

void WizardDialog::AppendMembers(const std::vector<std::string>& names) {
    Apply([&](WizardForm& f) { rules_.AppendMembers(f, names); });
}

void WizardDialog::RefillBrowsers() {
    Apply([&](WizardForm& f) { rules_.RefillBrowsers(f); });
}

void WizardDialog::SetStayOnTop(bool on) {
    ui::SetTopMost(hwnd(), on);
    // Back on top after a picker: the keyboard comes back here, not to whatever lies below.
    if (on && IsShowing()) Show();
}

}  // namespace vtx
