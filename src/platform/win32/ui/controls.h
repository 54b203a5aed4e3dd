#pragma once
// Controls created from a table: {id, kind, caption, box at 96 DPI, page, style}. The
// table's order is the tab order, so every field follows the text that labels it and
// screen readers name the field by that text. One UI font, the system's message font at
// the window's DPI, serves every dialog.

#include "platform/win32/windows_api.h"

#include <span>
#include <vector>

#include "platform/win32/handles.h"

namespace vtx::ui {

enum class Kind {
    Label,       // static text
    Heading,     // static text in bold
    Edit,        // one-line edit box
    Button,      // push button
    DefButton,   // the default push button (Enter)
    Check,       // check box
    Group,       // group box
    ListBox,     // list box with notifications
    ComboList,   // drop-down list
    Tabs,        // tab control; the caption holds the page names separated by "|"
    Slider,      // horizontal track bar
    Link,        // SysLink; the caption is the link's text
    Line,        // an etched vertical line
    Panel,       // a white static area
    Combo,       // drop-down combo box whose edit field takes typing
    Spin,        // up-down arrows for the control made just before it (its buddy)
    Canvas,      // an owner-drawn static area (WM_DRAWITEM to the parent)
    CheckList,   // owner-data list with a check-box state image each (the owner answers texts and ticks), one column, no header
};

// A rectangle in pixels at 96 DPI.
struct Box {
    int x = 0, y = 0, w = 0, h = 0;
};

struct Control {
    int id = 0;
    Kind kind = Kind::Label;
    const char* text = "";
    Box box{};
    int page = 0;     // 0: on every page, else the tab page (1, 2, ...) that shows it
    DWORD style = 0;  // added to the kind's own style
    bool hidden = false;  // made but never shown
};

// The message font at a DPI, made once per DPI and kept for the run.
[[nodiscard]] HFONT UiFont(UINT dpi);
// The same face, underlined or bold, for links and headings.
[[nodiscard]] HFONT UiFontStyled(UINT dpi, bool bold, bool underline);

// The controls of one window, made from its table.
class ControlSet {
public:
    void Create(HWND parent, std::span<const Control> table, UINT dpi);
    // Places and sizes every control again at a new DPI, with the font of that DPI.
    void Relayout(UINT dpi);
    // Shows the controls of one tab page and hides those of the others.
    void ShowPage(int page);
    // Shows or hides one control on its page; a hidden one stays hidden across page changes.
    void SetShown(int id, bool shown);

    [[nodiscard]] HWND operator[](int id) const noexcept;
    // The tab page a control stands on (0: every page, -1: not one of these controls).
    [[nodiscard]] int PageOf(HWND control) const noexcept;
    [[nodiscard]] UINT dpi() const noexcept { return dpi_; }
    [[nodiscard]] int Scaled(int px96) const noexcept;

private:
    HWND parent_ = nullptr;
    std::span<const Control> table_;
    std::vector<HWND> windows_;
    std::vector<bool> suppressed_;
    UINT dpi_ = 96;
    int page_ = 1;
};

}  // namespace vtx::ui
