#include "launcher/win32/quick_add_dialog.h"

#include "platform/win32/handles.h"

namespace vtx {
namespace {

enum : int { kHeading = 100, kAboutText, kAdEDT, kNameText, kNameEDT, kWarIcon, kWarPNL, kChangesText };

using ui::Kind;

constexpr ui::Control kTable[] = {
    {kHeading, Kind::Heading, "Create new shortcut?", {16, 12, 400, 18}},
    {kAboutText, Kind::Label, "You are about to create a new shortcut for:", {16, 40, 400, 16}},
    {kAdEDT, Kind::Edit, "", {16, 58, 400, 23}},
    {kNameText, Kind::Label, "Its name will be:", {16, 92, 200, 16}},
    {kNameEDT, Kind::Edit, "", {16, 110, 180, 23}},
    {kWarIcon, Kind::Label, "", {204, 106, 32, 32}, 0, SS_ICON, true},
    {kWarPNL, Kind::Label, "A shortcut with this name already\r\nexists. Please type another name.",
     {240, 106, 190, 32}, 0, 0, true},
    {kChangesText, Kind::Label, "Make changes if you wish. You can also change them later.", {16, 148, 400, 16}},
    {IDOK, Kind::DefButton, "OK", {260, 180, 75, 25}},
    {IDCANCEL, Kind::Button, "Cancel", {341, 180, 75, 25}},
};


}  // namespace

bool QuickAddDialog::Create(HINSTANCE instance, HWND owner) {
    if (!MakeDialog(instance, owner, {"TForm18", "Add Quick Shortcut", {432, 216}, false, 0}, kTable)) return false;
    SendMessageW(Item(kWarIcon), STM_SETICON, reinterpret_cast<WPARAM>(LoadIcon(nullptr, IDI_WARNING)), 0);
    return true;
}

void QuickAddDialog::Open(const std::string& name, const std::string& address, const std::string& type) {
    const QuickAddForm form = rules_.Open(name, address, type);
    SetText(kAdEDT, form.address);
    SetText(kNameEDT, form.name);
    Show();
}

QuickAddForm QuickAddDialog::ReadForm() const { return QuickAddForm{Text(kAdEDT), Text(kNameEDT), warning_}; }

void QuickAddDialog::ShowWarning(bool on) {
    warning_ = on;
    ShowWindow(Item(kWarIcon), on ? SW_SHOWNA : SW_HIDE);
    ShowWindow(Item(kWarPNL), on ? SW_SHOWNA : SW_HIDE);
    InvalidateRect(Item(kNameEDT), nullptr, TRUE);
}

void QuickAddDialog::OnShowing() {
    QuickAddForm form = ReadForm();
    rules_.FormShow(form);
    ShowWarning(form.warning);
}

void QuickAddDialog::OnCommand(int id, int code, HWND) {
    if (id == kNameEDT && code == EN_CHANGE) {
        QuickAddForm form = ReadForm();
        rules_.nameEDTChange(form);
        if (form.warning != warning_) ShowWarning(form.warning);
    }
}

void QuickAddDialog::OnOK() {
    if (rules_.OKBTNClick(ReadForm())) Close();
}

bool QuickAddDialog::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_CTLCOLOREDIT && reinterpret_cast<HWND>(lp) == Item(kNameEDT) && warning_) {
        result = ui::WarningFieldColours(reinterpret_cast<HDC>(wp));
        return true;
    }
    return false;
}

}  // namespace vtx
