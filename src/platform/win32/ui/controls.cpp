#include "platform/win32/ui/controls.h"

#include <commctrl.h>

#include <map>
#include <string>
#include <tuple>

#include "platform/win32/ui/dpi.h"
#include "platform/win32/wide.h"

namespace vtx::ui {
namespace {

struct KindInfo {
    const wchar_t* cls;
    DWORD style;
    DWORD ex_style;
};

KindInfo InfoOf(Kind kind) {
    switch (kind) {
        case Kind::Label:
        case Kind::Heading: return {L"STATIC", SS_LEFT, 0};
        case Kind::Edit: return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | WS_BORDER, 0};
        case Kind::Button: return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
        case Kind::DefButton: return {L"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, 0};
        case Kind::Check: return {L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0};
        // Transparent, so that what lies beneath shows through its frame.
        case Kind::Group: return {L"BUTTON", BS_GROUPBOX, WS_EX_TRANSPARENT};
        case Kind::ListBox: return {L"LISTBOX", WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0};
        case Kind::ComboList: return {L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
        case Kind::Tabs: return {WC_TABCONTROLW, WS_TABSTOP | WS_CLIPSIBLINGS, 0};
        case Kind::Slider: return {TRACKBAR_CLASSW, WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS, 0};
        case Kind::Link: return {L"SysLink", WS_TABSTOP, 0};
        case Kind::Line: return {L"STATIC", SS_ETCHEDVERT, 0};
        case Kind::Panel: return {L"STATIC", SS_WHITERECT, 0};
        case Kind::Combo: return {L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0};
        case Kind::Spin:
            return {UPDOWN_CLASSW, UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_AUTOBUDDY, 0};
        case Kind::Canvas: return {L"STATIC", SS_OWNERDRAW, 0};
        case Kind::CheckList:
            return {WC_LISTVIEWW, WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL |
                                      LVS_SHOWSELALWAYS | LVS_OWNERDATA, 0};
    }
    return {L"STATIC", 0, 0};
}

// Unticked and ticked boxes, state images 1 and 2; the list view destroys the list with itself.
HIMAGELIST MakeCheckBoxImages() {
    const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
    HIMAGELIST list = ImageList_Create(cx, cy, ILC_COLOR32 | ILC_MASK, 2, 0);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    for (UINT state : {DFCS_BUTTONCHECK | DFCS_FLAT, DFCS_BUTTONCHECK | DFCS_FLAT | DFCS_CHECKED}) {
        HBITMAP bitmap = CreateCompatibleBitmap(screen, cx, cy);
        HGDIOBJ old = SelectObject(dc, bitmap);
        RECT all{0, 0, cx, cy};
        FillRect(dc, &all, GetSysColorBrush(COLOR_WINDOW));
        RECT box{2, 2, cx - 2, cy - 2};
        DrawFrameControl(dc, &box, DFC_BUTTON, state);
        SelectObject(dc, old);
        if (list) ImageList_AddMasked(list, bitmap, RGB(1, 2, 3));  // no colour is masked out
        DeleteObject(bitmap);
    }
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return list;
}

HFONT MakeFont(UINT dpi, bool bold, bool underline) {
    NONCLIENTMETRICSW m{};
    m.cbSize = sizeof m;
    LOGFONTW lf{};
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0)) {
        lf = m.lfMessageFont;
        // The system answers at its own DPI; the font follows the window's.
        HDC dc = GetDC(nullptr);
        const int system_dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
        if (dc) ReleaseDC(nullptr, dc);
        lf.lfHeight = MulDiv(lf.lfHeight, static_cast<int>(dpi), system_dpi > 0 ? system_dpi : 96);
    } else {
        lstrcpynW(lf.lfFaceName, L"Segoe UI", LF_FACESIZE);
        lf.lfHeight = -Scale(12, dpi);
    }
    if (bold) lf.lfWeight = FW_BOLD;
    lf.lfUnderline = underline ? TRUE : FALSE;
    return CreateFontIndirectW(&lf);
}

}  // namespace

HFONT UiFontStyled(UINT dpi, bool bold, bool underline) {
    // Fonts live for the run: controls keep using them until the program ends.
    static std::map<std::tuple<UINT, bool, bool>, win32::UniqueFont> fonts;
    auto& font = fonts[{dpi, bold, underline}];
    if (!font) font.reset(MakeFont(dpi, bold, underline));
    return font.get();
}

HFONT UiFont(UINT dpi) { return UiFontStyled(dpi, false, false); }

void ControlSet::Create(HWND parent, std::span<const Control> table, UINT dpi) {
    parent_ = parent;
    table_ = table;
    dpi_ = dpi;
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    windows_.clear();
    suppressed_.assign(table.size(), false);
    for (const Control& c : table) {
        const KindInfo info = InfoOf(c.kind);
        DWORD style = WS_CHILD | info.style | c.style;
        if (c.page <= 1 && !c.hidden) style |= WS_VISIBLE;
        std::string text = c.kind == Kind::Tabs ? "" : c.text;
        if (c.kind == Kind::Link) text = std::string("<a>") + c.text + "</a>";
        HWND w = CreateWindowExW(info.ex_style, info.cls, win32::Utf8ToWide(text).c_str(), style, Scale(c.box.x, dpi),
                                 Scale(c.box.y, dpi), Scale(c.box.w, dpi), Scale(c.box.h, dpi), parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
        if (w && c.kind == Kind::Tabs) {
            std::string names = c.text;
            int index = 0;
            for (std::size_t start = 0; start <= names.size();) {
                std::size_t bar = names.find('|', start);
                if (bar == std::string::npos) bar = names.size();
                std::wstring name = win32::Utf8ToWide(names.substr(start, bar - start));
                TCITEMW item{};
                item.mask = TCIF_TEXT;
                item.pszText = name.data();
                SendMessageW(w, TCM_INSERTITEMW, index++, reinterpret_cast<LPARAM>(&item));
                start = bar + 1;
            }
        }
        if (w && c.kind == Kind::CheckList) {
            // Rows come from the owner (a hundred thousand cost no memory here), so the boxes are
            // state images the owner answers for; the built-in check boxes do not work with that.
            ListView_SetExtendedListViewStyle(w, LVS_EX_FULLROWSELECT);
            ListView_SetCallbackMask(w, LVIS_STATEIMAGEMASK);
            if (HIMAGELIST boxes = MakeCheckBoxImages()) ListView_SetImageList(w, boxes, LVSIL_STATE);
            LVCOLUMNW column{};
            column.mask = LVCF_WIDTH;
            SendMessageW(w, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
        }
        windows_.push_back(w);
    }
    Relayout(dpi);
}

void ControlSet::Relayout(UINT dpi) {
    dpi_ = dpi;
    HDWP batch = BeginDeferWindowPos(static_cast<int>(windows_.size()));
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        HWND w = windows_[i];
        if (!w) continue;
        const Box& b = table_[i].box;
        const bool bold = table_[i].kind == Kind::Heading;
        HFONT font = UiFontStyled(dpi, bold, false);
        if (table_[i].kind == Kind::Link) {
            // Wine's link control deletes the font it was given when it goes; it gets a copy
            // of its own, so the fonts every other control shares stay alive.
            LOGFONTW lf{};
            GetObjectW(font, sizeof lf, &lf);
            font = CreateFontIndirectW(&lf);
        }
        SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (batch) {
            batch = DeferWindowPos(batch, w, nullptr, Scale(b.x, dpi), Scale(b.y, dpi), Scale(b.w, dpi),
                                   Scale(b.h, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (batch) EndDeferWindowPos(batch);
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        if (windows_[i] && table_[i].kind == Kind::CheckList)
            ListView_SetColumnWidth(windows_[i], 0, LVSCW_AUTOSIZE_USEHEADER);  // the one column fills the list
    }
    InvalidateRect(parent_, nullptr, TRUE);
}

void ControlSet::ShowPage(int page) {
    page_ = page;
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        if (!windows_[i] || table_[i].page == 0 || table_[i].hidden) continue;
        ShowWindow(windows_[i], table_[i].page == page && !suppressed_[i] ? SW_SHOWNA : SW_HIDE);
    }
}

void ControlSet::SetShown(int id, bool shown) {
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        if (table_[i].id != id || !windows_[i]) continue;
        suppressed_[i] = !shown;
        const bool on_page = table_[i].page == 0 || table_[i].page == page_;
        ShowWindow(windows_[i], shown && on_page ? SW_SHOWNA : SW_HIDE);
    }
}

HWND ControlSet::operator[](int id) const noexcept {
    for (std::size_t i = 0; i < windows_.size(); ++i)
        if (table_[i].id == id) return windows_[i];
    return nullptr;
}

int ControlSet::PageOf(HWND control) const noexcept {
    for (std::size_t i = 0; i < windows_.size(); ++i)
        if (windows_[i] == control) return table_[i].page;
    return -1;
}

int ControlSet::Scaled(int px96) const noexcept { return Scale(px96, dpi_); }

}  // namespace vtx::ui
