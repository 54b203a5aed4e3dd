#pragma once
// The program host: the application's hidden window (class "TApplication"), which the
// single-instance record names and which owns the launcher window, so the program has no
// task-bar button. It holds what belongs to the program rather than to one window: the tray
// icon and its menu, the global hotkey, the program mutex, the end of the log-on, the
// system's wake-up notices, Explorer's restart and a second start of the program. Its rules
// (ProgramHostRules) say what each leads to; it tells the launcher window what to show.

#include "platform/win32/windows_api.h"

#include <memory>
#include <optional>
#include <string>

#include "app/hotkey.h"
#include "app/program_port.h"
#include "launcher/win32/launcher_window.h"
#include "platform/win32/single_instance.h"
#include "platform/win32/ui/tray_icon.h"
#include "platform/win32/ui/window.h"
#include "platform/win32/win32_hotkeys.h"
#include "shell/program_host_rules.h"

namespace vtx {

class ProgramHost final : public ui::Window, public ProgramPort {
public:
    explicit ProgramHost(HINSTANCE instance) noexcept : instance_(instance) {}
    ~ProgramHost() override;
    ProgramHost(const ProgramHost&) = delete;
    ProgramHost& operator=(const ProgramHost&) = delete;

    // The hidden application window.
    [[nodiscard]] bool Create();
    // From now on the host's events reach the session and the launcher window: the hotkey is
    // registered for the application window, which hears of sessions locked and unlocked.
    void Attach(AppSession& app, LauncherWindow& launcher);
    // The tray icon; added before start-up so that the first-run balloon has an icon.
    void AddTrayIcon();

    // ProgramPort
    void HideTaskbarButton() override;
    void ShowBalloon(const std::string& title, const std::string& text, int seconds) override;
    bool RegisterHotkey(int value) override;
    bool ReplaceHotkey(int value) override;
    bool EnsureHotkey(int value) override;
    void CreateProgramMutex() override;

private:
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) override;
    void Carry(HostAction action);
    void TrackTrayMenu();
    // Gives up the icon, the hotkey and the session notices while the window still exists.
    void Release();

    HINSTANCE instance_;
    LauncherWindow* launcher_ = nullptr;
    std::optional<ProgramHostRules> rules_;
    ui::TrayIcon tray_;
    std::unique_ptr<win32::Win32HotkeyRegistrar> hotkey_registrar_;
    std::unique_ptr<HotkeyManager> hotkeys_;
    std::optional<win32::ProgramMutex> mutex_;
    bool session_notices_ = false;
};

}  // namespace vtx
