#pragma once
// The About window (class "TForm4"): the product, its version read from the running
// executable, and the maker's addresses.

#include "dialogs/about_rules.h"
#include "platform/win32/ui/dialog.h"

namespace vtx {

class AboutDialog final : public ui::Dialog {
public:
    explicit AboutDialog(AppSession& app) : rules_(app) {}
    bool Create(HINSTANCE instance, HWND owner);
    // The control table, in tab order, at 96 DPI.
    [[nodiscard]] static std::span<const ui::Control> Table() noexcept;

private:
    void OnCommand(int id, int code, HWND control) override;
    LRESULT OnNotify(const NMHDR& header) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void DrawLogo(const DRAWITEMSTRUCT& item) const;

    AboutRules rules_;
};

}  // namespace vtx
