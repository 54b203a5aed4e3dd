#pragma once
// What the main window's rules ask of the launcher window itself (what the program as a
// whole does is ProgramPort's). The Win32 window implements it; host tests record the calls.

#include <string>

namespace vtx {

// The four texts cool mode shows instead of the list.
struct CoolLabels {
    std::string shname;       // the typed text as entered
    std::string shinfo;       // name of the selected row
    std::string shinfoleft;   // name of the row before it
    std::string shinforight;  // name of the row after it
    bool operator==(const CoolLabels&) const = default;
};


class MainView {
public:
    virtual ~MainView() = default;

    // Start-up.
    virtual void SetOpacity(int alpha) = 0;
    virtual void SetItemHeight(int pixels) = 0;
    virtual void SetWindowFrame(bool frame) = 0;
    virtual void SetPosition(int left, int top) = 0;
    // The window's screen position, saved with the settings.
    struct Position {
        int left = 0;
        int top = 0;
    };
    [[nodiscard]] virtual Position GetPosition() = 0;
    // Once laid out: brings a saved place that no monitor shows back on screen, or places
    // the window fresh when nothing was saved. Views without monitors ignore it.
    virtual void KeepOnScreen(bool /*position_saved*/) {}
    virtual void ApplyStayOnTop(bool on) = 0;
    virtual void AcceptDroppedFiles() = 0;

    // The result list and the four Cool texts.
    virtual void RefillResultList(int rows) = 0;
    virtual void ShowSelection(int row) = 0;  // -1: nothing selected
    virtual void ShowLabels(const CoolLabels& labels) = 0;
    virtual void FocusEdit() = 0;
    virtual void SetEditText(const std::string& text) = 0;

    // Showing and hiding.
    [[nodiscard]] virtual bool IsShowing() = 0;
    virtual void Hide() = 0;
};

}  // namespace vtx
