#pragma once
// "Define Browsers" (class "TForm15"): four browser slots, "System Default", OK and Cancel.
// The opener passes its caller tag; the dialog switches that window's stay-on-top off
// while it is open and asks it to refill its browser combo after OK.

#include <functional>
#include <string>

#include "editors/browsers_rules.h"
#include "platform/win32/ui/dialog.h"

namespace vtx {

class BrowsersDialog final : public ui::Dialog {
public:
    // `caller_on_top(tag, on)` switches the caller's stay-on-top; `refill(tag)` its combo.
    BrowsersDialog(AppSession& app, std::function<void(const std::string&, bool)> caller_on_top,
                   std::function<void(const std::string&)> refill)
        : rules_(app), app_(app), caller_on_top_(std::move(caller_on_top)), refill_(std::move(refill)) {}
    bool Create(HINSTANCE instance, HWND owner);
    // The control table, in tab order, at 96 DPI.
    [[nodiscard]] static std::span<const ui::Control> Table() noexcept;
    void ShowFor(const std::string& caller);

private:
    void OnCommand(int id, int code, HWND control) override;
    void OnOK() override;
    void OnCancel() override;
    LRESULT OnNotify(const NMHDR& header) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void ReadSlots();
    void WriteSlots();
    void Finish();

    BrowsersRules rules_;
    AppSession& app_;
    std::function<void(const std::string&, bool)> caller_on_top_;
    std::function<void(const std::string&)> refill_;
    HWND opener_ = nullptr;  // the window that opened the dialog: it gets the keyboard back
};

}  // namespace vtx
