#pragma once
// Notices of the system after which the global hotkey may have been lost: the computer woke
// from sleep, the session was unlocked, connected again or logged on. The window asks the
// session to check the registration then (AppSession::CheckHotkey).

namespace vtx {

enum class SystemNotice {
    Power,    // WM_POWERBROADCAST, code in wParam
    Session,  // WM_WTSSESSION_CHANGE, code in wParam
};

namespace notice {
inline constexpr unsigned kResumeCritical = 0x6;    // PBT_APMRESUMECRITICAL
inline constexpr unsigned kResumeSuspend = 0x7;     // PBT_APMRESUMESUSPEND: woken by the user
inline constexpr unsigned kResumeAutomatic = 0x12;  // PBT_APMRESUMEAUTOMATIC: woken at all
inline constexpr unsigned kSuspend = 0x4;           // PBT_APMSUSPEND
inline constexpr unsigned kConsoleConnect = 0x1;    // WTS_CONSOLE_CONNECT
inline constexpr unsigned kConsoleDisconnect = 0x2; // WTS_CONSOLE_DISCONNECT
inline constexpr unsigned kRemoteConnect = 0x3;     // WTS_REMOTE_CONNECT
inline constexpr unsigned kSessionLogon = 0x5;      // WTS_SESSION_LOGON
inline constexpr unsigned kSessionLock = 0x7;       // WTS_SESSION_LOCK
inline constexpr unsigned kSessionUnlock = 0x8;     // WTS_SESSION_UNLOCK
}  // namespace notice

// True when, after this notice, the hotkey's registration must be checked. Going to sleep,
// locking or disconnecting changes nothing yet: the check comes when the user is back.
[[nodiscard]] constexpr bool HotkeyMayBeLost(SystemNotice kind, unsigned code) noexcept {
    if (kind == SystemNotice::Power)
        return code == notice::kResumeAutomatic || code == notice::kResumeSuspend || code == notice::kResumeCritical;
    return code == notice::kSessionUnlock || code == notice::kConsoleConnect || code == notice::kRemoteConnect ||
           code == notice::kSessionLogon;
}

}  // namespace vtx
