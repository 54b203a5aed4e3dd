#include "editors/win32/picker_dialog.h"

#include <commctrl.h>

#include "platform/win32/ui/list_strings.h"
#include "platform/win32/wide.h"

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
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ui::FillStrings(list, items, LB_RESETCONTENT, LB_ADDSTRING);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

int Selected(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)); }

}  // namespace

void PumpPendingMessages() {
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // the message loop still ends the program
            return;
        }
        if (ui::Dialog::PreTranslateAll(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// ---------------------------------------------------------------- Add to MultiShortcut List

bool MultiChooserDialog::Create(HINSTANCE instance, HWND owner) {
    return MakeDialog(instance, owner, {"TForm16", "Add to MultiShortcut List", kClient, false, 0, kList}, kChooserTable);
}

void MultiChooserDialog::Open(const std::string& caller) {
    HWND list = Item(kList);
    const int rows = static_cast<int>(rules_.FormShow(caller).size());
    // The rows are the rules' own: the list only learns how many and asks for what it shows.
    ListView_SetItemCountEx(list, rows, 0);
    if (rows > 0) ListView_SetItemState(list, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    ListView_EnsureVisible(list, 0, FALSE);
    Show();
}

void MultiChooserDialog::Toggle(int row) {
    if (row < 0) return;
    rules_.Toggle(static_cast<std::size_t>(row));
    ListView_RedrawItems(Item(kList), row, row);
}

void MultiChooserDialog::OnOK() {
    rules_.OKBTNClick(rules_.ticks());
    OnCancel();
}

void MultiChooserDialog::OnCancel() {
    Close();
    rules_.FormClose();
}

LRESULT MultiChooserDialog::OnNotify(const NMHDR& header) {
    const int id = static_cast<int>(header.idFrom);
    if (id == kLearnMore && (header.code == NM_CLICK || header.code == NM_RETURN))
        app_.OpenHelpPage("multishortcuts.htm");
    if (id != kList) return 0;
    const auto& entries = rules_.entries();
    switch (header.code) {
        case LVN_GETDISPINFOW: {
            auto& row = const_cast<LVITEMW&>(reinterpret_cast<const NMLVDISPINFOW&>(header).item);
            if (row.iItem < 0 || static_cast<std::size_t>(row.iItem) >= entries.size()) return 0;
            if ((row.mask & LVIF_TEXT) && row.pszText && row.cchTextMax > 0) {
                const std::wstring name = win32::Utf8ToWide(entries[static_cast<std::size_t>(row.iItem)]);
                lstrcpynW(row.pszText, name.c_str(), row.cchTextMax);
            }
            if (row.mask & LVIF_STATE) {
                const UINT ticked = rules_.IsTicked(static_cast<std::size_t>(row.iItem)) ? 2 : 1;
                row.state = (row.state & ~LVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(ticked);
                row.stateMask |= LVIS_STATEIMAGEMASK;
            }
            return 0;
        }
        case NM_CLICK:
        case NM_DBLCLK: {
            // Only a click on the box ticks it, as with the built-in boxes.
            LVHITTESTINFO hit{};
            hit.pt = reinterpret_cast<const NMITEMACTIVATE&>(header).ptAction;
            if (ListView_HitTest(header.hwndFrom, &hit) >= 0 && (hit.flags & LVHT_ONITEMSTATEICON)) Toggle(hit.iItem);
            return 0;
        }
        case LVN_KEYDOWN:
            if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_SPACE) {
                for (int row = ListView_GetNextItem(header.hwndFrom, -1, LVNI_SELECTED); row >= 0;
                     row = ListView_GetNextItem(header.hwndFrom, row, LVNI_SELECTED))
                    Toggle(row);
            }
            return 0;
        case LVN_ODFINDITEMW: {
            // Typing jumps to the next name that starts with the typed letters.
            const auto& find = reinterpret_cast<const NMLVFINDITEMW&>(header);
            if (!(find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.lvfi.psz || entries.empty()) return -1;
            const std::string typed = win32::WideToUtf8(find.lvfi.psz);
            return rules_.FindTyped(typed, find.iStart);
        }
        default: return 0;
    }
}

// ---------------------------------------------------------------- Installed Programs

bool InstalledProgramsDialog::Create(HINSTANCE instance, HWND owner) {
    return MakeDialog(instance, owner, {"TForm17", "Installed Programs", kClient, false, 0}, kInstalledTable);
}

void InstalledProgramsDialog::Open(const std::string& caller) {
    if (scanning_) return;  // asked again from a message handled during the scan
    scanning_ = true;
    HCURSOR old = SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_APPSTARTING)));
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
