#pragma once
// More Options (class "TForm14"): colour label, window state and visibility of the
// shortcut loaded in the manager. Modal over the manager.

#include <functional>

#include "app/app_session.h"
#include "editors/more_options_rules.h"
#include "platform/win32/ui/dialog.h"

namespace vtx {

class MoreOptionsDialog final : public ui::Dialog {
public:
    explicit MoreOptionsDialog(AppSession& app) : app_(app) {}
    bool Create(HINSTANCE instance, HWND owner);
    // The control table, in tab order, at 96 DPI.
    [[nodiscard]] static std::span<const ui::Control> Table() noexcept;
    // Shows the options, waits until the dialog closes (however it closes) and stores what
    // it shows back into them; `closed` runs then.
    void ShowModal(HWND over, ItemOptions& options, const std::function<void()>& closed);

private:
    void OnOK() override { Close(); }
    void OnCancel() override { Close(); }
    LRESULT OnNotify(const NMHDR& header) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

    AppSession& app_;
};

}  // namespace vtx
