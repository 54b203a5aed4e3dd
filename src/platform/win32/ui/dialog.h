#pragma once
// A modeless dialog on the window base: made hidden once at start-up from its control
// table, shown and hidden any number of times. The message loop hands it every message
// first (PreTranslate), so Tab, Shift+Tab, Enter (the default button), Escape (Cancel),
// Alt+letter and Ctrl+Tab (next page) work as in any dialog.

#include <span>
#include <string>

#include "platform/win32/ui/controls.h"
#include "platform/win32/ui/keys.h"
#include "platform/win32/ui/window.h"

namespace vtx::ui {

struct DialogFrame {
    const char* class_name;  // the form's name: "TForm3"
    const char* caption;
    SIZE client;             // at 96 DPI
    bool topmost = false;
    int tabs_id = 0;         // the tab control whose pages the table's `page` numbers name
    int first_focus_id = 0;  // the control that takes the keyboard first; 0: the first of the tab order
};

// Colours of a field that holds a value the dialog warns about (a name already taken): its
// background turns light red. The answer to WM_CTLCOLOREDIT for that field.
[[nodiscard]] LRESULT WarningFieldColours(HDC dc) noexcept;

class Dialog : public Window {
public:
    ~Dialog() override;
    // Every modeless dialog sees the loop's messages before they are dispatched.
    static bool PreTranslateAll(MSG& msg);

    // Shows the dialog (centred at its first showing), or brings it forward when shown.
    void Show();
    // Hides it; the dialog keeps its state for the next showing.
    void Close();
    [[nodiscard]] bool IsShowing() const noexcept;
    // Puts the window's top-left corner at a screen point; it is then not centred when shown.
    void PlaceAt(int left, int top);

protected:
    bool MakeDialog(HINSTANCE instance, HWND owner, const DialogFrame& frame, std::span<const Control> table);

    // Hooks for the form. OnShowing runs before the window appears.
    virtual void OnShowing() {}
    virtual void OnCommand(int id, int code, HWND control) { (void)id, (void)code, (void)control; }
    virtual void OnOK() { Close(); }
    virtual void OnCancel() { Close(); }
    // Keys seen before the focused control (key preview); true consumes the message. A chord
    // acted on at a key's release reads its modifiers from `chords_.KeyUp(msg.wParam)`.
    virtual bool KeyPreview(const MSG& msg) { (void)msg; return false; }
    virtual LRESULT OnNotify(const NMHDR& header) { (void)header; return 0; }
    // Anything else the form handles itself; false passes the message on.
    virtual bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
        (void)msg, (void)wp, (void)lp, (void)result;
        return false;
    }

    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) override;
    void SelectPage(int index);
    // Text and background colours of a control on a tab page, whose body is the window colour.
    LRESULT PageColours(HDC dc, HWND control) const;

    [[nodiscard]] HWND Item(int id) const noexcept { return controls_[id]; }
    [[nodiscard]] bool Checked(int id) const noexcept;
    void SetChecked(int id, bool on) const noexcept;
    [[nodiscard]] std::string Text(int id) const;
    void SetText(int id, const std::string& text) const;

    ControlSet controls_;
    DialogFrame frame_{};
    ChordKeys chords_;  // every key press of the dialog, with the modifiers held at it

private:
    bool PreTranslate(MSG& msg);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void OnActivate(bool active);
    bool placed_ = false;
    HWND last_focus_ = nullptr;
};

}  // namespace vtx::ui
