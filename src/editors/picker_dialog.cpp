#include "editors/picker_dialog.h"

#include <commctrl.h>

namespace vtx {
namespace {

enum : int { kHeading = 100, kIntro, kLearnMore, kList };

using ui::Kind;

constexpr ui::Control kChooserTable[] = {
    {kHeading, Kind::Heading, "Select shortcuts to open at once", {16, 12, 360, 18}},
    {kIntro, Kind::Label,
     "You can open multiple shortcuts at once using a multishortcut. Select the shortcuts that you want from the "
     "list below.",
     {16, 34, 360, 32}},
    {kLearnMore, Kind::Link, "Learn more about multishortcuts...", {16, 70, 360, 18}},
    {kList, Kind::CheckList, "", {16, 94, 360, 220}},
    {IDOK, Kind::DefButton, "OK", {301, 324, 75, 25}},
};

constexpr ui::Control kInstalledTable[] = {
    {kHeading, Kind::Heading, "Select a program", {16, 12, 360, 18}},
    {kIntro, Kind::Label,
     "You can select from the programs that are installed on your computer. Select a program from the list below.",
     {16, 34, 360, 32}},
    {kList, Kind::ListBox, "", {16, 72, 360, 242}},
    {IDOK, Kind::DefButton, "OK", {220, 324, 75, 25}},
    {IDCANCEL, Kind::Button, "Cancel", {301, 324, 75, 25}},
};

constexpr ui::Control kStandardTable[] = {
    {kHeading, Kind::Heading, "Select a program", {16, 12, 360, 18}},
    {kIntro, Kind::Label,
     "You can select from the programs that are installed on your computer by Windows. Select a program from the "
     "list below.",
     {16, 34, 360, 32}},
    {kList, Kind::ListBox, "", {16, 72, 360, 242}},
    {IDOK, Kind::DefButton, "OK", {220, 324, 75, 25}},
    {IDCANCEL, Kind::Button, "Cancel", {301, 324, 75, 25}},
};

constexpr SIZE kClient{392, 360};

void FillList(HWND list, const std::vector<std::string>& items) {
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const auto& s : items) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

int Selected(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)); }

}  // namespace

void PumpPendingMessages() {
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // the message loop still ends the program
            return;
        }
        if (ui::Dialog::PreTranslateAll(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// ---------------------------------------------------------------- Add to MultiShortcut List

bool MultiChooserDialog::Create(HINSTANCE instance, HWND owner) {
    return MakeDialog(instance, owner, {"TForm16", "Add to MultiShortcut List", kClient, false, 0, kList}, kChooserTable);
}

void MultiChooserDialog::Open(const std::string& caller) {
    HWND list = Item(kList);
    ListView_DeleteAllItems(list);
    int row = 0;
    for (const std::string& name : rules_.FormShow(caller)) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = row++;
        item.pszText = const_cast<char*>(name.c_str());
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    if (row > 0) ListView_SetItemState(list, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    Show();
}

void MultiChooserDialog::OnOK() {
    HWND list = Item(kList);
    std::vector<bool> ticked;
    const int n = ListView_GetItemCount(list);
    for (int i = 0; i < n; ++i) ticked.push_back(ListView_GetCheckState(list, i) != FALSE);
    rules_.OKBTNClick(ticked);
    OnCancel();
}

void MultiChooserDialog::OnCancel() {
    Close();
    rules_.FormClose();
}

LRESULT MultiChooserDialog::OnNotify(const NMHDR& header) {
    if (static_cast<int>(header.idFrom) == kLearnMore && (header.code == NM_CLICK || header.code == NM_RETURN))
        app_.OpenHelpPage("multishortcuts.htm");
    return 0;
}

// ---------------------------------------------------------------- Installed Programs

bool InstalledProgramsDialog::Create(HINSTANCE instance, HWND owner) {
    return MakeDialog(instance, owner, {"TForm17", "Installed Programs", kClient, false, 0}, kInstalledTable);
}

void InstalledProgramsDialog::Open(const std::string& caller) {
    if (scanning_) return;  // asked again from a message handled during the scan
    scanning_ = true;
    HCURSOR old = SetCursor(LoadCursor(nullptr, IDC_APPSTARTING));
    const auto names = rules_.FormShow(caller, PumpPendingMessages);
    SetCursor(old);
    scanning_ = false;
    Show();
    FillList(Item(kList), names);
}

void InstalledProgramsDialog::OnCommand(int id, int code, HWND) {
    if (id == kList && code == LBN_DBLCLK) OnOK();
}

void InstalledProgramsDialog::OnOK() {
    // The list holds the names in the rules' order: its positions are theirs.
    if (rules_.OKBTNClick(Selected(Item(kList)))) OnCancel();
}

void InstalledProgramsDialog::OnCancel() {
    Close();
    rules_.FormClose();
}

// ---------------------------------------------------------------- Standard Windows Programs

bool StandardProgramsDialog::Create(HINSTANCE instance, HWND owner) {
    return MakeDialog(instance, owner, {"TForm19", "Standard Windows Programs", kClient, false, 0}, kStandardTable);
}

void StandardProgramsDialog::Open(const std::string& caller) {
    FillList(Item(kList), rules_.FormShow(caller));
    Show();
}

void StandardProgramsDialog::OnCommand(int id, int code, HWND) {
    if (id == kList && code == LBN_DBLCLK) OnOK();
}

void StandardProgramsDialog::OnOK() {
    rules_.OKBTNClick(Selected(Item(kList)));
    OnCancel();
}

void StandardProgramsDialog::OnCancel() {
    Close();
    rules_.FormClose();
}

}  // namespace vtx
