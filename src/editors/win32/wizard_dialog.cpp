#include "editors/win32/wizard_dialog.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

#include <array>

#include "themes/win32/gdi_util.h"
#include "platform/win32/handles.h"
#include "platform/win32/ui/subclass.h"
#include "platform/win32/win32_icons.h"

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

// A picture from the shell: its stock icon, else the icon of that resource in shell32.dll
// (shells without stock icons, such as Wine's, still number these the same).
struct ShellIcon {
    int stock, resource;
};
// Each kind's link, its picture and the kind they choose.
struct KindLink {
    int link, picture, kind;
    ShellIcon icon;
};
constexpr std::array<KindLink, 7> kLinks{{
    {kLinkProgram, kPicProgram, kKindProgram, {SIID_APPLICATION, 3}},
    {kLinkFile, kPicFile, kKindFile, {SIID_DOCNOASSOC, 2}},
    {kLinkFolder, kPicFolder, kKindFolder, {SIID_FOLDER, 4}},
    {kLinkWeb, kPicWeb, kKindURL, {SIID_WORLD, 14}},
    {kLinkControlPanel, kPicControlPanel, kKindControlPanel, {SIID_SETTINGS, 22}},
    {kLinkMulti, kPicMulti, kKindMultiShortcut, {SIID_STACK, 40}},
    {kLinkOther, kPicOther, kKindOther, {SIID_FIND, 23}},
}};
// The pictures of the Control Panel page, in the order of the default applet list: the
// applet file's own icon, or a shell icon near its meaning where the system lacks the file.
constexpr std::pair<const char*, ShellIcon> kAppletIcons[] = {
    {"desk.cpl", {SIID_DESKTOPPC, 16}}, {"appwiz.cpl", {SIID_SOFTWARE, 3}}, {"timedate.cpl", {SIID_SETTINGS, 21}},
    {"access.cpl", {SIID_USERS, 22}},
};
static_assert(std::size(kAppletIcons) == kAppletDescriptions.size());
// Shown with the second page, beside its type page.
constexpr int kSecondPage[] = {kKindPic, kPropsHeading, kNameHeading, kNameLBL, kNameEDT, kClickOK, kOnceCreated,
                               kBackBTN};

constexpr COLORREF kNavy = RGB(0, 0, 128), kBlue = RGB(0, 0, 255);

// The kind a link or its picture chooses; -1 for any other control.
int KindOfLink(int id) {
    for (const auto& k : kLinks)
        if (k.link == id || k.picture == id) return k.kind;
    return -1;
}

std::string SystemFile(const char* name) {
    char folder[MAX_PATH] = {};
    const UINT n = GetSystemDirectoryA(folder, sizeof folder);
    return n > 0 && n < sizeof folder ? std::string(folder) + "\\" + name : std::string();
}

// Never a hole where a picture belongs: the system's application icon stands in last.
win32::UniqueIcon LoadShellIcon(ShellIcon which) {
    if (auto icon = win32::StockIcon(which.stock)) return icon;
    if (auto icon = win32::ExtractLargeIcon(SystemFile("shell32.dll"), -which.resource)) return icon;
    return win32::UniqueIcon(CopyIcon(LoadIcon(nullptr, IDI_APPLICATION)));
}

int ComboSelection(HWND combo) { return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0)); }

void FillStrings(HWND w, const std::vector<std::string>& items, UINT reset, UINT add) {
    SendMessageA(w, reset, 0, 0);
    for (const auto& s : items) SendMessageA(w, add, 0, reinterpret_cast<LPARAM>(s.c_str()));
}

}  // namespace

bool WizardDialog::Create(HINSTANCE instance, HWND owner) {
    if (!MakeDialog(instance, owner, {"TForm5", "New Shortcut", {525, 420}, true, 0}, kTable)) return false;
    // The links colour themselves while the pointer is over them.
    for (const KindLink& k : kLinks) {
        const int id = k.link;
        HWND link = Item(id);
        ui::Subclass(link, [this, id, link](UINT msg, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
            // Enter follows the link with the keyboard, as Space does; an owner-drawn button
            // would otherwise hand Enter to the default button.
            if (msg == WM_GETDLGCODE) {
                const auto* m = reinterpret_cast<const MSG*>(lp);
                if (m && m->message == WM_KEYDOWN && m->wParam == VK_RETURN) return DLGC_WANTMESSAGE | DLGC_BUTTON;
                return std::nullopt;
            }
            if (msg == WM_KEYDOWN && wp == VK_RETURN) {
                PostMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(link));
                return 0;
            }
            if (msg == WM_CHAR && wp == '\r') return 0;
            if (msg == WM_MOUSEMOVE && hot_link_ != id) {
                hot_link_ = id;
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, link, 0};
                TrackMouseEvent(&track);
                InvalidateRect(link, nullptr, FALSE);
            } else if (msg == WM_MOUSELEAVE && hot_link_ == id) {
                hot_link_ = 0;
                InvalidateRect(link, nullptr, FALSE);
            }
            return std::nullopt;
        });
    }
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
        const int n = static_cast<int>(SendMessageA(w, count_msg, 0, 0));
        for (int i = 0; i < n; ++i) {
            const LRESULT len = SendMessageA(w, len_msg, i, 0);
            std::string s(len > 0 ? static_cast<std::size_t>(len) + 1 : 1, '\0');
            SendMessageA(w, text_msg, i, reinterpret_cast<LPARAM>(s.data()));
            s.resize(len > 0 ? static_cast<std::size_t>(len) : 0);
            out.push_back(std::move(s));
        }
        return out;
    };
    f.browsers = items(Item(kBrowserCB), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
    f.browser = ComboSelection(Item(kBrowserCB));
    f.applets = items(Item(kCPAppCB), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
    f.applet = ComboSelection(Item(kCPAppCB));
    f.applet_picture = applet_picture_;
    f.members = items(Item(kMultishLB), LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
    f.member = static_cast<int>(SendMessageA(Item(kMultishLB), LB_GETCURSEL, 0, 0));
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
    FillStrings(Item(kBrowserCB), f.browsers, CB_RESETCONTENT, CB_ADDSTRING);
    SendMessageA(Item(kBrowserCB), CB_SETCURSEL, static_cast<WPARAM>(f.browser), 0);
    FillStrings(Item(kCPAppCB), f.applets, CB_RESETCONTENT, CB_ADDSTRING);
    SendMessageA(Item(kCPAppCB), CB_SETCURSEL, static_cast<WPARAM>(f.applet), 0);
    FillStrings(Item(kMultishLB), f.members, LB_RESETCONTENT, LB_ADDSTRING);
    SendMessageA(Item(kMultishLB), LB_SETCURSEL, static_cast<WPARAM>(f.member), 0);
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
    WizardForm f = ReadForm();
    (rules_.*rule)(f);
    WriteForm(f);
}

void WizardDialog::ShowWarning(bool shown) {
    for (int id : {kWarIcon, kWarPNL}) ShowWindow(Item(id), shown ? SW_SHOWNA : SW_HIDE);
}

void WizardDialog::OnShowing() {
    LoadPictures();
    rules_.FormShow();
}

// Made at the first showing rather than at start-up, which the launcher keeps short.
void WizardDialog::LoadPictures() {
    static_assert(kLinks.size() == std::tuple_size_v<decltype(kind_pictures_)>);
    if (kind_pictures_[0]) return;
    for (std::size_t i = 0; i < kLinks.size(); ++i) kind_pictures_[i] = LoadShellIcon(kLinks[i].icon);
    for (std::size_t i = 0; i < applet_pictures_.size(); ++i) {
        const auto& [file, shell_icon] = kAppletIcons[i];
        win32::UniqueIcon icon = win32::ExtractLargeIcon(SystemFile(file), 0);
        applet_pictures_[i] = icon ? std::move(icon) : LoadShellIcon(shell_icon);
    }
}

HICON WizardDialog::PictureOf(int id) const {
    if (id == kWarIcon) return LoadIcon(nullptr, IDI_WARNING);  // shared: never destroyed
    if (id == kCPAppPic) {
        const bool shown = applet_picture_ >= 0 && applet_picture_ < static_cast<int>(applet_pictures_.size());
        return shown ? applet_pictures_[static_cast<std::size_t>(applet_picture_)].get() : nullptr;
    }
    const int kind = id == kKindPic ? rules_.kind() : KindOfLink(id);
    for (std::size_t i = 0; i < kLinks.size(); ++i)
        if (kLinks[i].kind == kind) return kind_pictures_[i].get();
    return nullptr;
}

void WizardDialog::OnCommand(int id, int code, HWND) {
    // A picture's STN_CLICKED has the value of a link's BN_CLICKED.
    if (const int kind = KindOfLink(id); kind >= 0 && code == BN_CLICKED) {
        WizardForm f = ReadForm();
        rules_.ChooseKind(kind, f);
        WriteForm(f);
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
                WizardForm f = ReadForm();
                rules_.BackBTNClick(f);
                WriteForm(f);
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
            DrawPicture(item, PictureOf(static_cast<int>(item.CtlID)));
        else if (KindOfLink(static_cast<int>(item.CtlID)) >= 0)
            DrawLink(item);
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

void WizardDialog::DrawLink(const DRAWITEMSTRUCT& item) const {
    const bool hot = hot_link_ == static_cast<int>(item.CtlID);
    HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    const UINT dpi = controls_.dpi();
    HGDIOBJ old = SelectObject(dc, ui::UiFontStyled(dpi, true, hot));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, hot ? kBlue : kNavy);
    const std::string text = win32::WindowText(item.hwndItem);
    RECT r = item.rcItem;
    DrawTextA(dc, text.c_str(), -1, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_CALCRECT);
    RECT shown = item.rcItem;
    DrawTextA(dc, text.c_str(), -1, &shown, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (item.itemState & ODS_FOCUS) {
        r.top = item.rcItem.top;
        r.bottom = item.rcItem.bottom;
        DrawFocusRect(dc, &r);
    }
    SelectObject(dc, old);
}

void WizardDialog::DrawPicture(const DRAWITEMSTRUCT& item, HICON icon) const {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (!icon) return;
    DrawIconEx(item.hDC, item.rcItem.left, item.rcItem.top, icon, item.rcItem.right - item.rcItem.left,
               item.rcItem.bottom - item.rcItem.top, 0, nullptr, DI_NORMAL);
}

void WizardDialog::ProgramMenu() {
    win32::UniqueMenu menu(CreatePopupMenu());
    if (!menu) return;
    AppendMenuA(menu.get(), MF_STRING, kFromFile, "from File...");
    AppendMenuA(menu.get(), MF_STRING, kFromInstalled, "from Installed Programs...");
    RECT r{};
    GetWindowRect(Item(kProgAddrBTN), &r);
    const int chosen = static_cast<int>(
        TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, r.left, r.bottom, 0, hwnd(), nullptr));
    if (chosen == kFromFile) BrowseFile(true);
    if (chosen == kFromInstalled) dialogs_.ShowInstalledPrograms(std::string(kWizardTag));
}

void WizardDialog::BrowseFile(bool program) {
    static constexpr char kProgramFilter[] = "Program File (.exe)\0*.exe\0";
    static constexpr char kFileFilter[] =
        "All Files\0*.*\0"
        "Image Files\0*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.tga;*.tif;*.raw;*.ico;*.jp2;*.jpm;*.ecw;*.emf;*.wmf;*.fsh;"
        "*.ldf;*.lwf;*.pcx;*.pbm;*.pgm;*.ppm\0"
        "Documents\0*.doc;*.xls;*.ppt;*.rtf;*.txt;*.pdf\0"
        "Sound Files\0*.wav;*.ogg;*.mp3\0"
        "Video Files\0*.avi;*.mov;*.mpg;*.mpeg;*.divx\0";
    char path[MAX_PATH] = {};
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = hwnd();
    ofn.lpstrFilter = program ? kProgramFilter : kFileFilter;
    ofn.lpstrFile = path;
    ofn.nMaxFile = sizeof path;
    ofn.lpstrDefExt = program ? "exe" : nullptr;
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&ofn)) return;
    WizardForm f = ReadForm();
    if (program)
        rules_.ProgramFileChosen(f, path);
    else
        rules_.FileChosen(f, path);
    WriteForm(f);
}

void WizardDialog::BrowseFolder() {
    // The folder browser must not sit under the wizard.
    SetStayOnTop(false);
    char display[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.hwndOwner = hwnd();
    info.pszDisplayName = display;
    info.lpszTitle = "Select Folder";
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&info);
    SetStayOnTop(true);
    if (!chosen) return;
    char path[MAX_PATH] = {};
    const bool ok = SHGetPathFromIDListA(chosen, path) != FALSE;
    CoTaskMemFree(chosen);
    if (!ok) return;
    WizardForm f = ReadForm();
    rules_.FolderChosen(f, path);
    WriteForm(f);
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
    SetText(kProgAddrEDT, address);
    SetText(kWdirEDT, start_folder);
}

void WizardDialog::SetOtherAddress(const std::string& address) { SetText(kOtherAddrEDT, address); }

void WizardDialog::SetName(const std::string& name) { SetText(kNameEDT, name); }  // its change checks the name

void WizardDialog::AppendMembers(const std::vector<std::string>& names) {
    for (const auto& n : names) SendMessageA(Item(kMultishLB), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(n.c_str()));
}

void WizardDialog::RefillBrowsers() {
    WizardForm f = ReadForm();
    f.browsers = rules_.ReadyFields().browsers;
    f.browser = f.browsers.empty() ? -1 : 0;
    WriteForm(f);
}

void WizardDialog::SetStayOnTop(bool on) {
    SetWindowPos(hwnd(), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // Back on top after a picker: the keyboard comes back here, not to whatever lies below.
    if (on && IsShowing()) Show();
}

}  // namespace vtx
