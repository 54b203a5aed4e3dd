#include "dialogs/win32/about_dialog.h"

#include <commctrl.h>

#include "catalogue/web_addresses.h"
#include "themes/win32/gdi_util.h"
#include "platform/win32/ui/dpi.h"

namespace vtx {
namespace {

enum : int { kBand = 200, kLogo, kProduct, kDescription, kVersionText, kVersion, kLine, kContactText, kMail,
             kWebText, kWeb, kNotice, kOtherProducts };

using ui::Kind;

// Link texts are filled in at creation from the maker's addresses.
constexpr ui::Control kTable[] = {
    {kBand, Kind::Panel, "", {0, 0, 450, 73}},
    {kLogo, Kind::Label, "", {4, 2, 380, 70}, 0, SS_OWNERDRAW},
    {kProduct, Kind::Heading, "OV Vantrix", {16, 86, 200, 20}},
    {kDescription, Kind::Label, "Application and file launcher for Windows.", {16, 108, 200, 34}},
    {kVersionText, Kind::Label, "Version:", {16, 148, 60, 16}},
    {kVersion, Kind::Label, "", {80, 148, 136, 16}, 0, SS_RIGHT},
    {kLine, Kind::Line, "", {228, 86, 2, 140}},
    {kContactText, Kind::Label,
     "If you have any questions, suggestions or comments, you can contact us at:", {240, 86, 196, 46}},
    {kMail, Kind::Link, "", {240, 134, 196, 18}},
    {kWebText, Kind::Label, "For latest product information, visit us at:", {240, 164, 196, 32}},
    {kWeb, Kind::Link, "", {240, 198, 196, 18}},
    {kNotice, Kind::Label, "Vantrix is made by Orvane. Copyright \u00A9 2026 Orvane. All rights reserved.",
     {16, 236, 420, 34}},
    {kOtherProducts, Kind::Button, "Learn about other OV products...", {16, 310, 200, 25}},
    {IDOK, Kind::DefButton, "Close", {361, 310, 75, 25}},
};

}  // namespace

std::span<const ui::Control> AboutDialog::Table() noexcept { return kTable; }

bool AboutDialog::Create(HINSTANCE instance, HWND owner) {
    if (!MakeDialog(instance, owner, {"TForm4", "About", {450, 347}, false, 0, IDOK}, kTable)) return false;
    SetText(kMail, std::string("<a>") + web::kSupportMail + "</a>");
    SetText(kWeb, std::string("<a>") + web::kHomePage + "</a>");
    SetText(kVersion, rules_.VersionText());
    return true;
}

void AboutDialog::OnCommand(int id, int code, HWND) {
    if (id == kOtherProducts && code == BN_CLICKED) rules_.WebClick();
}

LRESULT AboutDialog::OnNotify(const NMHDR& header) {
    if (header.code != NM_CLICK && header.code != NM_RETURN) return 0;
    if (static_cast<int>(header.idFrom) == kMail) rules_.MailClick();
    if (static_cast<int>(header.idFrom) == kWeb) rules_.WebClick();
    return 0;
}

bool AboutDialog::OnMessage(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
    if (msg == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        if (static_cast<int>(item.CtlID) != kLogo) return false;
        DrawLogo(item);
        result = TRUE;
        return true;
    }
    return false;
}

// The logo: a rounded tile with the initial, then the product's name, on the white band.
void AboutDialog::DrawLogo(const DRAWITEMSTRUCT& item) const {
    HDC dc = item.hDC;
    const RECT r = item.rcItem;
    const int h = r.bottom - r.top;
    win32::FillSolid(dc, r, RGB(255, 255, 255));
    const int pad = h / 8;
    const int tile = h - 2 * pad;
    win32::FillRoundRect(dc, r.left + pad, r.top + pad, tile, tile, RGB(32, 96, 200));
    LOGFONTW lf{};
    GetObjectW(ui::UiFont(controls_.dpi()), sizeof lf, &lf);
    lf.lfHeight = -tile * 3 / 4;
    lf.lfWeight = FW_BOLD;
    win32::UniqueFont big(CreateFontIndirectW(&lf));
    win32::ScopedSelect font(dc, big.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    RECT t{r.left + pad, r.top + pad, r.left + pad + tile, r.top + pad + tile};
    DrawTextW(dc, L"V", 1, &t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SetTextColor(dc, RGB(32, 48, 80));
    RECT n{r.left + tile + 3 * pad, r.top, r.right, r.bottom};
    DrawTextW(dc, L"Vantrix", 7, &n, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace vtx
