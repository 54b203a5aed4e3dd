#include "editors/win32/more_options_dialog.h"

#include <commctrl.h>

#include "platform/win32/ui/list_strings.h"
#include "platform/trace.h"
#include "themes/win32/gdi_util.h"

namespace vtx {
namespace {

enum : int { kColorText = 100, kColorCombo, kColorNote, kStateText, kStateCombo, kStateNote, kVisibleText, kVisibleCheck,
             kVisibleNote, kLearnLink };

using ui::Kind;
constexpr ui::Control kTable[] = {
    {kColorText, Kind::Label, "Color Label:", {16, 16, 90, 16}},
    {kColorCombo, Kind::ComboList, "", {110, 12, 180, 220}, 0, CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL},
    {kColorNote, Kind::Label, "Color Labels help you visually categorize your shortcuts.", {110, 40, 260, 16}},
    {kStateText, Kind::Label, "Window State:", {16, 72, 90, 16}},
    {kStateCombo, Kind::ComboList, "", {110, 68, 180, 120}},
    {kStateNote, Kind::Label, "You can open shortcuts minimed or maximized.", {110, 96, 260, 16}},
    {kVisibleText, Kind::Label, "Visibility:", {16, 128, 90, 16}},
    {kVisibleCheck, Kind::Check, "Make This Shortcut Invisible", {110, 126, 250, 20}},
    {kVisibleNote, Kind::Label, "If you want to include this shortcut in a multishortcut, make it invisible.",
     {110, 150, 260, 30}},
    {kLearnLink, Kind::Link, "Learn more...", {110, 184, 120, 18}},
    {IDOK, Kind::DefButton, "OK", {296, 214, 75, 25}},
};

}  // namespace

std::span<const ui::Control> MoreOptionsDialog::Table() noexcept { return kTable; }

bool MoreOptionsDialog::Create(HINSTANCE instance, HWND owner) {
    if (!MakeDialog(instance, owner, {"TForm14", "More Options", {387, 252}, true, 0}, kTable)) return false;
    for (const auto& label : kColorLabels) ui::SendText(Item(kColorCombo), CB_ADDSTRING, 0, label.name);
    for (std::string_view state : kWindowStates) ui::SendText(Item(kStateCombo), CB_ADDSTRING, 0, state);
    return true;
}

void MoreOptionsDialog::ShowModal(HWND over, ItemOptions& options, const std::function<void()>& closed) {
    const MoreOptionsForm form = MoreOptionsShow(options);
    SendMessageW(Item(kColorCombo), CB_SETCURSEL, static_cast<WPARAM>(form.color), 0);
    SendMessageW(Item(kStateCombo), CB_SETCURSEL, static_cast<WPARAM>(form.state), 0);
    SetChecked(kVisibleCheck, form.invisible);
    if (over) EnableWindow(over, FALSE);
    Show();
    MSG msg;
    while (IsShowing()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (ui::Dialog::PreTranslateAll(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    Close();
    if (over) {
        EnableWindow(over, TRUE);
        SetForegroundWindow(over);
    }
    MoreOptionsForm chosen;
    const LRESULT color = SendMessageW(Item(kColorCombo), CB_GETCURSEL, 0, 0);
    const LRESULT state = SendMessageW(Item(kStateCombo), CB_GETCURSEL, 0, 0);
    chosen.color = color == CB_ERR ? -1 : static_cast<int>(color);
    chosen.state = state == CB_ERR ? -1 : static_cast<int>(state);
    chosen.invisible = Checked(kVisibleCheck);
    MoreOptionsClose(chosen, options);
    if (closed) closed();
}

LRESULT MoreOptionsDialog::OnNotify(const NMHDR& header) {
    if (static_cast<int>(header.idFrom) == kLearnLink && (header.code == NM_CLICK || header.code == NM_RETURN))
        app_.OpenHelpPage(std::string(kMultishortcutsHelp));
    return 0;
}

bool MoreOptionsDialog::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_MEASUREITEM && static_cast<int>(wp) == kColorCombo) {
        reinterpret_cast<MEASUREITEMSTRUCT*>(lp)->itemHeight = static_cast<UINT>(controls_.Scaled(18));
        result = TRUE;
        return true;
    }
    if (msg != WM_DRAWITEM || static_cast<int>(wp) != kColorCombo) return false;
    Trace("Form14.collabelCBDrawItem");
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    const RECT& r = item.rcItem;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    win32::FillSolid(item.hDC, r, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID < kColorLabels.size()) {
        const ColorLabel& label = kColorLabels[item.itemID];
        // The swatch runs up to 25 pixels from the left edge; the name starts at 30.
        RECT swatch{r.left + 2, r.top + 2, r.left + controls_.Scaled(25), r.bottom - 2};
        win32::FillSolid(item.hDC, swatch, RGB(label.red, label.green, label.blue));
        FrameRect(item.hDC, &swatch, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        RECT text{r.left + controls_.Scaled(30), r.top, r.right, r.bottom};
        win32::DrawLabel(item.hDC, label.name, ui::UiFont(controls_.dpi()), RGB(0, 0, 0), Align::Left, text);
    }
    result = TRUE;
    return true;
}

}  // namespace vtx
