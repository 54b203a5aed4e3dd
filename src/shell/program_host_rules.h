#pragma once
// The rules of the program host: what a click on the tray icon, the global hotkey, a second
// start of the program, the end of the log-on and the system's wake-up notices lead to. The
// Win32 host turns its window messages into these calls and carries out what they return.

#include "app/app_session.h"
#include "app/system_notices.h"

namespace vtx {

// What the tray icon reports, from the mouse message in its notification.
enum class TrayEvent { LeftUp, RightUp, ContextMenu, Other };

// What the host does next with the launcher window.
enum class HostAction {
    None,
    ShowLauncher,      // shown and in front, as it was left
    BringUpForTyping,  // shown, in front, the keyboard in the edit box with its text selected
    TrayMenu,          // the tray menu at the pointer
};

class ProgramHostRules {
public:
    explicit ProgramHostRules(AppSession& app) : app_(app) {}
    ProgramHostRules(const ProgramHostRules&) = delete;
    ProgramHostRules& operator=(const ProgramHostRules&) = delete;

    [[nodiscard]] static HostAction OnTray(TrayEvent event) noexcept;
    // `ours`: the hotkey message names the program's registered hotkey.
    [[nodiscard]] static HostAction OnHotkey(bool ours);
    [[nodiscard]] static HostAction OnSecondStart();
    // The log-on ends (`ending`) or its end was called off: only an end saves, and only once.
    void OnEndSession(bool ending);
    // Sleep, a lock or another user's session may have cost the hotkey its registration.
    void OnSystemNotice(SystemNotice kind, unsigned code);

private:
    AppSession& app_;
    bool session_ended_ = false;
};

}  // namespace vtx
