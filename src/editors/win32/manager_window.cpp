#include "editors/win32/manager_window.h"

#include <commctrl.h>


#include "editors/file_filters.h"
#include "platform/win32/ui/list_strings.h"
#include "platform/win32/ui/dpi.h"
#include "platform/win32/ui/folder_browser.h"
#include "platform/win32/ui/list_texts.h"
#include "platform/win32/ui/open_file_dialog.h"
#include "platform/win32/ui/top_most.h"

namespace vtx {
namespace {

enum : int {
    kHeading = 100, kSubHeading, kNewBtn, kDeleteBtn, kSearchText, kSearchEdit, kList,
    kGeneralGroup, kNameText, kNameEdit, kTypeText, kTypeCombo, kPropsGroup,
    kProgAddrText, kProgAddrEdit, kProgAddrBtn, kWdirText, kWdirEdit, kParamText, kParamEdit,
    kFileAddrText, kFileAddrEdit, kFileAddrBtn,
    kFolderAddrText, kFolderAddrEdit, kFolderAddrBtn,
    kURLAddrText, kURLAddrEdit, kBrowserText, kBrowserCombo, kDefineBrowBtn,
    kCPAppText, kCPAppCombo,
    kWidgetText, kWidgetCombo, kWidgetDescText, kWidgetDesc,
    kURLPart1Text, kURLPart1Edit, kURLPart2Text, kURLPart2Edit, kPredefinedBtn,
    kCommandText, kCommandCombo, kCommParamText, kCommParamEdit,
    kMultiText, kMultiList, kMultiAddBtn, kMultiRemoveBtn,
    kOtherAddrText, kOtherAddrEdit, kOtherNote, kViewDefProgsLink,
    kMoreGroup, kMoreText, kMoreLink, kEmptyPanel,
    kFromFileCmd = 500, kFromInstalledCmd,
};

using ui::Kind;
constexpr int kPageTop = 206;  // where every type page begins
constexpr DWORD kOwnerList = LBS_OWNERDRAWFIXED | LBS_NODATA | LBS_NOTIFY | LBS_WANTKEYBOARDINPUT;
constexpr DWORD kDropDown = WS_VSCROLL;

// In tab order: every field follows the text that labels it. Pages 1..10 are the types.
constexpr ui::Control kTable[] = {
    {kHeading, Kind::Heading, "Add or Edit Shortcuts", {16, 8, 400, 18}},
    {kSubHeading, Kind::Label, "Add or edit shortcuts for files, folders and websites and more.", {16, 28, 450, 16}},
    {kNewBtn, Kind::Button, "New", {16, 52, 75, 25}},
    {kDeleteBtn, Kind::Button, "Delete", {96, 52, 75, 25}},
    {kSearchText, Kind::Label, "Search:", {560, 56, 48, 16}},
    {kSearchEdit, Kind::Edit, "", {610, 52, 150, 23}},
    {kList, Kind::ListBox, "", {16, 88, 340, 420}, 0, kOwnerList},
    {kGeneralGroup, Kind::Group, "General", {370, 84, 395, 90}},
    {kNameText, Kind::Label, "Name:", {384, 110, 70, 16}},
    {kNameEdit, Kind::Edit, "", {460, 106, 290, 23}},
    {kTypeText, Kind::Label, "Type:", {384, 142, 70, 16}},
    {kTypeCombo, Kind::ComboList, "", {460, 138, 290, 200}, 0, kDropDown},
    {kPropsGroup, Kind::Group, "Properties", {370, 182, 395, 180}},
    // Program
    {kProgAddrText, Kind::Label, "Address:", {384, kPageTop + 4, 72, 16}, 1},
    {kProgAddrEdit, Kind::Edit, "", {460, kPageTop, 210, 23}, 1},
    {kProgAddrBtn, Kind::Button, "Select", {676, kPageTop, 75, 23}, 1},
    {kWdirText, Kind::Label, "Start in:", {384, kPageTop + 34, 72, 16}, 1},
    {kWdirEdit, Kind::Edit, "", {460, kPageTop + 30, 290, 23}, 1},
    {kParamText, Kind::Label, "Parameters:", {384, kPageTop + 64, 72, 16}, 1},
    {kParamEdit, Kind::Edit, "", {460, kPageTop + 60, 290, 23}, 1},
    // File
    {kFileAddrText, Kind::Label, "File Address:", {384, kPageTop + 4, 72, 16}, 2},
    {kFileAddrEdit, Kind::Edit, "", {460, kPageTop, 210, 23}, 2},
    {kFileAddrBtn, Kind::Button, "Browse...", {676, kPageTop, 75, 23}, 2},
    // Folder
    {kFolderAddrText, Kind::Label, "Folder Address:", {384, kPageTop + 4, 76, 16}, 3},
    {kFolderAddrEdit, Kind::Edit, "", {460, kPageTop, 210, 23}, 3},
    {kFolderAddrBtn, Kind::Button, "Browse...", {676, kPageTop, 75, 23}, 3},
    // URL
    {kURLAddrText, Kind::Label, "Web site address:", {384, kPageTop + 4, 76, 30}, 4},
    {kURLAddrEdit, Kind::Edit, "", {460, kPageTop, 290, 23}, 4},
    {kBrowserText, Kind::Label, "Browser:", {384, kPageTop + 44, 72, 16}, 4},
    {kBrowserCombo, Kind::ComboList, "", {460, kPageTop + 40, 170, 200}, 4, kDropDown},
    {kDefineBrowBtn, Kind::Button, "Define Browsers...", {636, kPageTop + 40, 114, 23}, 4},
    // Control Panel Applet
    {kCPAppText, Kind::Label, "Select a control panel:", {384, kPageTop + 4, 120, 16}, 5},
    {kCPAppCombo, Kind::ComboList, "", {510, kPageTop, 240, 200}, 5, kDropDown},
    // Widget
    {kWidgetText, Kind::Label, "Widget:", {384, kPageTop + 4, 72, 16}, 6},
    {kWidgetCombo, Kind::ComboList, "", {460, kPageTop, 290, 200}, 6, kDropDown},
    {kWidgetDescText, Kind::Label, "Description:", {384, kPageTop + 34, 72, 16}, 6},
    {kWidgetDesc, Kind::Label, "", {460, kPageTop + 34, 290, 40}, 6},
    // Search
    {kURLPart1Text, Kind::Label, "First Part of the URL:", {384, kPageTop + 4, 130, 16}, 7},
    {kURLPart1Edit, Kind::Edit, "", {520, kPageTop, 230, 23}, 7},
    {kURLPart2Text, Kind::Label, "Second Part of the URL:", {384, kPageTop + 34, 130, 16}, 7},
    {kURLPart2Edit, Kind::Edit, "", {520, kPageTop + 30, 230, 23}, 7},
    {kPredefinedBtn, Kind::Button, "Select from predefined strings...", {520, kPageTop + 60, 230, 23}, 7},
    // Command
    {kCommandText, Kind::Label, "Command:", {384, kPageTop + 4, 72, 16}, 8},
    {kCommandCombo, Kind::ComboList, "", {460, kPageTop, 290, 200}, 8, kDropDown},
    {kCommParamText, Kind::Label, "Parameters:", {384, kPageTop + 34, 72, 16}, 8},
    {kCommParamEdit, Kind::Edit, "", {460, kPageTop + 30, 290, 23}, 8},
    // MultiShortcut
    {kMultiText, Kind::Label, "Shortcuts to open at once:", {384, kPageTop + 4, 200, 16}, 9},
    {kMultiList, Kind::ListBox, "", {384, kPageTop + 22, 280, 120}, 9},
    {kMultiAddBtn, Kind::Button, "Add...", {676, kPageTop + 22, 75, 23}, 9},
    {kMultiRemoveBtn, Kind::Button, "Remove", {676, kPageTop + 52, 75, 23}, 9},
    // Other
    {kOtherAddrText, Kind::Label, "Other Address:", {384, kPageTop + 4, 76, 16}, 10},
    {kOtherAddrEdit, Kind::Edit, "", {460, kPageTop, 290, 23}, 10},
    {kOtherNote, Kind::Label,
     "You can open anything that Run Dialog can open, including standard Windows programs such as Calculator, "
     "Microsoft Paint and Registry Editor.",
     {384, kPageTop + 30, 366, 48}, 10},
    {kViewDefProgsLink, Kind::Link, "View a list of standard Windows programs.", {384, kPageTop + 82, 300, 18}, 10},
    // Below the page; moved when the page's height changes.
    {kMoreGroup, Kind::Group, "More options", {370, 380, 395, 54}},
    {kMoreText, Kind::Label, "You can also change ", {384, 404, 112, 16}},
    {kMoreLink, Kind::Link, "color, visibility, and window state options.", {496, 404, 260, 18}},
    {kEmptyPanel, Kind::Label, kEmptyListText.data(), {376, 104, 393, 385}, 0, SS_CENTER | SS_SUNKEN, true},
    {IDOK, Kind::DefButton, "Close", {690, 516, 75, 25}},
};

struct EditField {
    int id;
    std::string ManagerForm::*field;
};
constexpr EditField kEdits[] = {
    {kNameEdit, &ManagerForm::name},           {kProgAddrEdit, &ManagerForm::prog_addr},
    {kWdirEdit, &ManagerForm::wdir},           {kParamEdit, &ManagerForm::param},
    {kFileAddrEdit, &ManagerForm::file_addr},  {kFolderAddrEdit, &ManagerForm::folder_addr},
    {kURLAddrEdit, &ManagerForm::url_addr},    {kURLPart1Edit, &ManagerForm::url_part1},
    {kURLPart2Edit, &ManagerForm::url_part2},  {kCommParamEdit, &ManagerForm::comm_param},
    {kOtherAddrEdit, &ManagerForm::other_addr},
};
struct ComboField {
    int id;
    int ManagerForm::*field;
};
constexpr ComboField kCombos[] = {
    {kTypeCombo, &ManagerForm::type},       {kBrowserCombo, &ManagerForm::browser},
    {kCPAppCombo, &ManagerForm::applet},    {kWidgetCombo, &ManagerForm::widget},
    {kCommandCombo, &ManagerForm::command},
};

}  // namespace

std::span<const ui::Control> ManagerWindow::Table() noexcept { return kTable; }

bool ManagerWindow::Create(HINSTANCE instance, HWND owner) {
    instance_ = instance;
    if (!MakeDialog(instance, owner, {"TForm2", "Shortcuts", {777, 548}, true, 0}, kTable)) return false;
    for (std::string_view type : kManagerTypes) ui::SendText(Item(kTypeCombo), CB_ADDSTRING, 0, type);
    SendMessageW(Item(kList), LB_SETITEMHEIGHT, 0, controls_.Scaled(kEntryHeight));
    // What an entry shows, its two lines, is what a screen reader reads.
    ui::GiveRowTexts(Item(kList), [this](int entry) { return rules_.EntryReadout(entry); });
    rules_.FormCreate();
    WriteForm();
    // The remembered place; the session centres it in the work area when there is none.
    const auto& s = app_.settings();
    PlaceAt(s.f2left, s.f2top);
    if (app_.platform().system.WindowsVersionCode() == 8) {
        // On this version the header's search box and buttons stand a little more to the left.
        for (auto [id, dx] : {std::pair{kSearchEdit, 8}, {kSearchText, 8}, {kNewBtn, 6}, {kDeleteBtn, 6}}) {
            RECT r{};
            GetWindowRect(Item(id), &r);
            MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&r), 2);
            SetWindowPos(Item(id), nullptr, r.left - controls_.Scaled(dx), r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        }
    }
    return true;
}

void ManagerWindow::ShowWithSearch(const std::string& search) {
    Show();
    // Every opening starts at the first control of the tab order, wherever focus was left.
    if (HWND first = GetNextDlgTabItem(hwnd(), nullptr, FALSE)) SetFocus(first);
    if (!search.empty()) {
        SetText(kSearchEdit, search);  // its change notice selects the shortcut
        SetFocus(Item(kSearchEdit));
    }
}

void ManagerWindow::ShowAndNew() {
    Show();
    Apply([this] { rules_.LMDNewBTNClick(); });
}

void ManagerWindow::SetStayOnTop(bool on) {
    if (!hwnd()) return;
    ui::SetTopMost(hwnd(), on);
    if (IsShowing()) Apply([this] { rules_.FormShow(); });
}

void ManagerWindow::OnShowing() {
    if (shown_once_) ReadForm();
    shown_once_ = true;
    rules_.FormShow();
    WriteForm();
}

// ---------------------------------------------------------------- controls in and out

int ManagerWindow::ComboIndex(int id) const {
    const LRESULT i = SendMessageW(Item(id), CB_GETCURSEL, 0, 0);
    return i == CB_ERR ? -1 : static_cast<int>(i);
}

void ManagerWindow::FillCombo(int id, const std::vector<std::string>& items, int selected) {
    HWND combo = Item(id);
    ui::FillStrings(combo, items, CB_RESETCONTENT, CB_ADDSTRING);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void ManagerWindow::ReadForm() {
    ManagerForm& f = rules_.form();
    for (const auto& e : kEdits) f.*(e.field) = Text(e.id);
    for (const auto& c : kCombos) f.*(c.field) = ComboIndex(c.id);
    // The member list changes only through the rules.
}

void ManagerWindow::WriteForm() {
    writing_ = true;
    const ManagerForm& f = rules_.form();
    for (const auto& e : kEdits)
        if (Text(e.id) != f.*(e.field)) SetText(e.id, f.*(e.field));
    SendMessageW(Item(kTypeCombo), CB_SETCURSEL, static_cast<WPARAM>(f.type), 0);
    FillCombo(kBrowserCombo, f.browsers, f.browser);
    FillCombo(kCPAppCombo, f.applets, f.applet);
    FillCombo(kWidgetCombo, f.widgets, f.widget);
    FillCombo(kCommandCombo, f.commands, f.command);
    SetText(kWidgetDesc, f.widget_desc);
    HWND members = Item(kMultiList);
    ui::FillStrings(members, f.members, LB_RESETCONTENT, LB_ADDSTRING);
    controls_.ShowPage(static_cast<int>(f.page) + 1);
    PlaceMoreOptions();
    HWND list = Item(kList);
    // An owner-data list: only the count is set, entries are drawn from the catalogue.
    SendMessageW(list, LB_SETCOUNT, static_cast<WPARAM>(rules_.EntryCount()), 0);
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(rules_.Selected()), 0);
    InvalidateRect(list, nullptr, TRUE);
    HWND panel = Item(kEmptyPanel);
    ShowWindow(panel, rules_.ShowsEmptyPanel() ? SW_SHOWNA : SW_HIDE);
    if (rules_.ShowsEmptyPanel()) SetWindowPos(panel, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    writing_ = false;
}

void ManagerWindow::PlaceMoreOptions() {
    const int top = kPageTop + rules_.MoreOptionsTop();
    const auto place = [&](int id, int x, int y) {
        SetWindowPos(Item(id), nullptr, controls_.Scaled(x), controls_.Scaled(y), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    place(kMoreGroup, 370, top);
    place(kMoreText, 384, top + 22);
    place(kMoreLink, 496, top + 22);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

// ---------------------------------------------------------------- events

void ManagerWindow::OnCommand(int id, int code, HWND) {
    if (writing_) return;
    // Notification codes mean something only together with the kind of control that sends
    // them (a list's LBN_SELCHANGE has the value of a combo's CBN_SELCHANGE), so each control
    // is asked for its own codes only.
    switch (id) {
        case kList:
            if (code == LBN_SELCHANGE) ListSelectionChanged();
            return;
        case kSearchEdit:
            if (code == EN_CHANGE) {
                Apply([this] { rules_.SeaEDTChange(Text(kSearchEdit)); });
                SetFocus(Item(kSearchEdit));
            }
            return;
        case kTypeCombo:
            if (code == CBN_SELCHANGE) Apply([this] { rules_.typeCBChange(ComboIndex(kTypeCombo)); });
            return;
        default:
            break;
    }
    // What the rules make of a user's change: some fields mark the shortcut, some do not.
    for (const auto& c : kCombos) {
        if (c.id != id) continue;
        if (code == CBN_SELCHANGE) rules_.ComboPicked(c.field);
        return;
    }
    for (const auto& e : kEdits) {
        if (e.id != id) continue;
        if (code == EN_CHANGE) rules_.FieldTyped(e.field);
        return;
    }
    if (code != BN_CLICKED) return;
    ReadForm();
    switch (id) {
        case kNewBtn: rules_.LMDNewBTNClick(); break;
        case kDeleteBtn: rules_.DeleteItem(); break;
        case kProgAddrBtn: SelectMenu(); break;
        case kFromFileCmd:
            if (auto path = ui::ChooseOpenFile(hwnd(), kProgramFileFilter, "exe"); !path.empty())
                rules_.fromFile1Click(path);
            break;
        case kFromInstalledCmd: rules_.fromInstalledPrograms1Click(); break;
        case kFileAddrBtn:
            if (auto path = ui::ChooseOpenFile(hwnd(), kAnyFileFilters); !path.empty()) rules_.FileAddrBTNClick(path);
            break;
        case kFolderAddrBtn: {
            // The folder browser must not sit under the manager; switching the style back runs
            // the show steps, which read the fields, so the chosen folder goes in after that.
            SetStayOnTop(false);
            const std::string folder = ui::ChooseFolder(GetWindow(hwnd(), GW_OWNER), "Select Folder");
            SetStayOnTop(true);
            if (!folder.empty()) rules_.FolderAddrBTNClick(folder);
            break;
        }
        case kMultiAddBtn: rules_.MultiShAddBTNClick(); break;
        case kMultiRemoveBtn: {
            const LRESULT sel = SendMessageW(Item(kMultiList), LB_GETCURSEL, 0, 0);
            rules_.MultiShRemoveBTNClick(sel == LB_ERR ? -1 : static_cast<int>(sel));
            break;
        }
        case kDefineBrowBtn: rules_.DefineBrowBTNClick(); break;
        default: return;
    }
    WriteForm();
}

// A click sends the change twice under Wine (press and release), and the save question a
// change may ask lets further list messages through: a change seen while one is being
// handled is left alone, and the list shows afterwards what the rules selected.
void ManagerWindow::ListSelectionChanged() {
    if (in_list_change_) return;
    in_list_change_ = true;
    const LRESULT sel = SendMessageW(Item(kList), LB_GETCURSEL, 0, 0);
    Apply([&] { rules_.ListBox1Click(sel == LB_ERR ? -1 : static_cast<int>(sel)); });
    in_list_change_ = false;
}

void ManagerWindow::SelectMenu() {
    win32::UniqueMenu menu(CreatePopupMenu());
    AppendMenuW(menu.get(), MF_STRING, kFromFileCmd, L"from File...");
    AppendMenuW(menu.get(), MF_STRING, kFromInstalledCmd, L"from Installed Programs...");
    RECT r{};
    GetWindowRect(Item(kProgAddrBtn), &r);
    TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN, r.left, r.bottom, 0, hwnd(), nullptr);
}

LRESULT ManagerWindow::OnNotify(const NMHDR& header) {
    if (header.code != NM_CLICK && header.code != NM_RETURN) return 0;
    const int id = static_cast<int>(header.idFrom);
    if (id != kViewDefProgsLink && id != kMoreLink) return 0;
    Apply([&] { id == kViewDefProgsLink ? rules_.ViewDefProgsLBLClick() : rules_.Label26Click(); });
    return 0;
}

bool ManagerWindow::KeyPreview(const MSG& msg) {
    if (msg.message == WM_KEYUP && msg.wParam == VK_DELETE && msg.hwnd == Item(kList)) {
        Apply([this] { rules_.ListBox1KeyUp(VK_DELETE); });
        return true;
    }
    return false;
}

void ManagerWindow::OnOK() { CloseManager(); }

void ManagerWindow::CloseManager() {
    ReadForm();
    rules_.FormClose();
    RECT r{};
    GetWindowRect(hwnd(), &r);
    rules_.KeepPlace({r.left, r.top, r.right, r.bottom});
    Close();
}

bool ManagerWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_CLOSE:
            CloseManager();
            result = 0;
            return true;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            if (static_cast<int>(wp) != kList) return false;
            DrawEntry(item);
            result = TRUE;
            return true;
        }
        case WM_VKEYTOITEM:
            result = -1;  // the list's own keys
            return true;
        default:
            return false;
    }
}

void ManagerWindow::DrawEntry(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) return;
    entries_.Draw(item, rules_.PaintEntry(static_cast<int>(item.itemID)), ui::DpiOf(hwnd()), controls_);
}

}  // namespace vtx
