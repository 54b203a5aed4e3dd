#include "editors/win32/browsers_dialog.h"

#include <commctrl.h>

#include <array>

#include "editors/file_filters.h"
#include "platform/win32/ui/foreground.h"
#include "platform/win32/ui/open_file_dialog.h"

namespace vtx {
namespace {

enum : int {
    kHeading = 100, kIntro, kDefaultGroup, kName1Text, kName1, kAddr1Text, kAddr1, kBrowse1, kSystemDefault, kDefaultNote,
    kAltIntro, kGroup2, kName2Text, kName2, kAddr2Text, kAddr2, kBrowse2, kNote2,
    kGroup3, kName3Text, kName3, kAddr3Text, kAddr3, kBrowse3, kNote3,
    kGroup4, kName4Text, kName4, kAddr4Text, kAddr4, kBrowse4, kNote4, kLearnLink,
};
constexpr std::array<int, 4> kNames = {kName1, kName2, kName3, kName4};
constexpr std::array<int, 4> kAddrs = {kAddr1, kAddr2, kAddr3, kAddr4};
constexpr std::array<int, 4> kBrowse = {kBrowse1, kBrowse2, kBrowse3, kBrowse4};

using ui::Kind;
#define VTX_SLOT(group, caption, y, nt, n, at, a, b, note, text)                              \
    {group, Kind::Group, caption, {12, y, 456, 84}},                                         \
    {nt, Kind::Label, "Name:", {24, y + 22, 54, 16}},                                       \
    {n, Kind::Edit, "", {80, y + 18, 120, 23}},                                             \
    {at, Kind::Label, "Address:", {208, y + 22, 54, 16}},                                   \
    {a, Kind::Edit, "", {264, y + 18, 120, 23}},                                            \
    {b, Kind::Button, "Browse...", {388, y + 18, 72, 23}},                                  \
    {note, Kind::Label, text, {24, y + 48, 436, 30}}

constexpr ui::Control kTable[] = {
    {kHeading, Kind::Heading, "Define Browsers", {12, 8, 300, 18}},
    {kIntro, Kind::Label, "You can define up to four web browsers for opening web sites.", {12, 28, 456, 16}},
    {kDefaultGroup, Kind::Group, "Default Web Browser", {12, 50, 456, 110}},
    {kName1Text, Kind::Label, "Name:", {24, 72, 54, 16}},
    {kName1, Kind::Edit, "", {80, 68, 120, 23}},
    {kAddr1Text, Kind::Label, "Address:", {208, 72, 54, 16}},
    {kAddr1, Kind::Edit, "", {264, 68, 120, 23}},
    {kBrowse1, Kind::Button, "Browse...", {388, 68, 72, 23}},
    {kSystemDefault, Kind::Button, "System Default", {24, 96, 110, 23}},
    {kDefaultNote, Kind::Label,
     "This browser will be used for opening web sites if you do not select another when creating shorcuts.",
     {24, 124, 436, 30}},
    {kAltIntro, Kind::Label, "If you are using more than one browser, you can define them below.", {12, 168, 456, 16}},
    VTX_SLOT(kGroup2, "Alternate Browser 1", 188, kName2Text, kName2, kAddr2Text, kAddr2, kBrowse2, kNote2,
             "Type a name and click Browse to select a browser."),
    VTX_SLOT(kGroup3, "Alternate Browser 2", 278, kName3Text, kName3, kAddr3Text, kAddr3, kBrowse3, kNote3,
             "Type a name and click Browse to select a browser."),
    VTX_SLOT(kGroup4, "Alternate Browser 3", 368, kName4Text, kName4, kAddr4Text, kAddr4, kBrowse4, kNote4,
             "Type a name and click Browse to select a browser."),
    {kLearnLink, Kind::Link, "Learn more about alternate browsers...", {12, 464, 250, 18}},
    {IDOK, Kind::DefButton, "OK", {312, 460, 75, 25}},
    {IDCANCEL, Kind::Button, "Cancel", {393, 460, 75, 25}},
};
#undef VTX_SLOT

}  // namespace

std::span<const ui::Control> BrowsersDialog::Table() noexcept { return kTable; }

bool BrowsersDialog::Create(HINSTANCE instance, HWND owner) {
    if (!MakeDialog(instance, owner, {"TForm15", "Define Browsers", {480, 496}, true, 0}, kTable)) return false;
    rules_.FormCreate();
    WriteSlots();
    return true;
}

void BrowsersDialog::ShowFor(const std::string& caller) {
    rules_.set_caller(caller);
    if (!IsShowing()) opener_ = GetActiveWindow();
    if (caller_on_top_) caller_on_top_(caller, false);
    Show();
}

// Windows asks every window before the log-on ends and only then tells them it ends: the
// slots, typed values included, become the browser list that the session then writes.
bool BrowsersDialog::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
    if (msg != WM_QUERYENDSESSION) return false;
    ReadSlots();
    rules_.StoreSlots();
    result = TRUE;
    return true;
}

void BrowsersDialog::ReadSlots() {
    for (std::size_t k = 0; k < 4; ++k) rules_.slots()[k] = {Text(kNames[k]), Text(kAddrs[k])};
}

void BrowsersDialog::WriteSlots() {
    for (std::size_t k = 0; k < 4; ++k) {
        SetText(kNames[k], rules_.slots()[k].name);
        SetText(kAddrs[k], rules_.slots()[k].addr);
    }
}

void BrowsersDialog::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return;
    if (id == kSystemDefault) {
        ReadSlots();
        rules_.SystemDefaultClick();
        WriteSlots();
        return;
    }
    for (std::size_t k = 0; k < 4; ++k) {
        if (id != kBrowse[k]) continue;
        if (const std::string path = ui::ChooseOpenFile(hwnd(), kProgramFileFilter, "exe"); !path.empty())
            SetText(kAddrs[k], path);
    }
}

void BrowsersDialog::OnOK() {
    ReadSlots();
    const std::string caller = rules_.OKBTNClick();
    if (!caller.empty() && refill_) refill_(caller);
    Finish();
}

// Cancel keeps what the slots show for the next opening.
void BrowsersDialog::OnCancel() { Finish(); }

// The opener is activated before the dialog hides; otherwise Windows would hand the
// activation to the dialog's owner, the launcher, and the opener would lose the keyboard.
void BrowsersDialog::Finish() {
    if (caller_on_top_) caller_on_top_(rules_.caller(), true);
    if (opener_ && opener_ != hwnd() && IsWindowVisible(opener_)) ui::BringToFront(opener_);
    opener_ = nullptr;
    Close();
}

LRESULT BrowsersDialog::OnNotify(const NMHDR& header) {
    if (static_cast<int>(header.idFrom) == kLearnLink && (header.code == NM_CLICK || header.code == NM_RETURN))
        app_.OpenHelpPage(std::string(kBrowsersHelp));
    return 0;
}

}  // namespace vtx
