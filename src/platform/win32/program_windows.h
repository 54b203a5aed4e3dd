#pragma once
// The secondary windows: made hidden once at start-up, in their order, and shown on
// demand through Dialogs. They live until the program ends.

#include "platform/win32/windows_api.h"

#include <memory>
#include <string>

#include "app/app_session.h"
#include "app/dialogs.h"

namespace vtx {

class OptionsDialog;
class AboutDialog;

class ProgramWindows final : public Dialogs {
public:
    explicit ProgramWindows(AppSession& app);
    ~ProgramWindows() override;
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // Makes every secondary window, hidden, owned by the launcher window.
    void Create(HINSTANCE instance, HWND launcher);

    void ShowOptions() override;
    void ShowAbout() override;
    void ShowManager(const std::string& search) override;
    void ShowNewShortcut() override;
    [[nodiscard]] bool ManagerShowing() override;
    void ShowThemeEditor(const std::string& theme_file) override;

private:
    AppSession& app_;
    std::unique_ptr<OptionsDialog> options_;
    std::unique_ptr<AboutDialog> about_;
};

}  // namespace vtx
