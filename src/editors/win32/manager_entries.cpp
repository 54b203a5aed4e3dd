#include "editors/win32/manager_entries.h"

#include "themes/win32/gdi_util.h"

namespace vtx {
namespace {

HFONT EntryFont(UINT dpi, int points, bool bold) {
    return CreateFontW(-MulDiv(points, static_cast<int>(dpi), 72), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0,
                       DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, L"Tahoma");
}

}  // namespace

void ManagerEntryPainter::Draw(const DRAWITEMSTRUCT& item, const EntryPaint& paint, UINT dpi,
                               const ui::ControlSet& controls) {
    if (font_dpi_ != dpi) {
        bold_font_.reset(EntryFont(dpi, 9, true));
        small_font_.reset(EntryFont(dpi, 8, false));
        font_dpi_ = dpi;
    }
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    HDC dc = item.hDC;
    const RECT& r = item.rcItem;
    const COLORREF back = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    win32::FillSolid(dc, r, back);
    if (back != RGB(255, 255, 255)) {
        RECT line{r.left, r.bottom - 1, r.right, r.bottom};
        win32::FillSolid(dc, line, RGB(0xC0, 0xC0, 0xC0));
    }
    const COLORREF selected_text = GetSysColor(COLOR_HIGHLIGHTTEXT);
    const int s5 = controls.Scaled(5), s23 = controls.Scaled(23), s18 = controls.Scaled(18);
    RECT first{r.left + s5, r.top + s5, r.right - s5, r.top + s5 + s18};
    win32::DrawLabel(dc, paint.first, bold_font_.get(), selected ? selected_text : RGB(0x13, 0x70, 0xAB),
                     Align::Left, first);
    RECT second{r.left + s5, r.top + s23, r.right - s5, r.top + s23 + s18};
    win32::DrawLabel(dc, paint.second, small_font_.get(), selected ? selected_text : RGB(0x4C, 0x4C, 0x4C),
                     Align::Left, second);
    if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(dc, &r);
}

}  // namespace vtx
