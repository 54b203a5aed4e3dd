#include "shell/program_host_rules.h"

#include "platform/trace.h"

namespace vtx {

HostAction ProgramHostRules::OnTray(TrayEvent event) noexcept {
    switch (event) {
        case TrayEvent::LeftUp: return HostAction::ShowLauncher;
        case TrayEvent::RightUp:
        case TrayEvent::ContextMenu: return HostAction::TrayMenu;
        case TrayEvent::Other: break;
    }
    return HostAction::None;
}

HostAction ProgramHostRules::OnHotkey(bool ours) {
    if (!ours) return HostAction::None;
    Trace("Form1.HKM1HotKeyPressed");
    return HostAction::BringUpForTyping;
}

HostAction ProgramHostRules::OnSecondStart() {
    Trace("Form1.SecondStart", 0);
    return HostAction::BringUpForTyping;
}

void ProgramHostRules::OnEndSession(bool ending) {
    // Every top-level window of the program hears of the end: the first saves, once.
    if (!ending || session_ended_) return;
    session_ended_ = true;
    app_.EndSession();
}

void ProgramHostRules::OnSystemNotice(SystemNotice kind, unsigned code) {
    if (HotkeyMayBeLost(kind, code)) app_.CheckHotkey();
}

}  // namespace vtx
