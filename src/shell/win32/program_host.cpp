#include "shell/win32/program_host.h"

#include <wtsapi32.h>

#include "launcher/launcher_menus.h"
#include "launcher/win32/popup_menu.h"

namespace vtx {
namespace {

constexpr char kClassName[] = "TApplication";
constexpr UINT kTrayMessage = WM_APP + 1;

TrayEvent TrayEventOf(LPARAM lp) {
    switch (LOWORD(lp)) {
        case WM_LBUTTONUP: return TrayEvent::LeftUp;
        case WM_RBUTTONUP: return TrayEvent::RightUp;
        case WM_CONTEXTMENU: return TrayEvent::ContextMenu;
        default: return TrayEvent::Other;
    }
}

}  // namespace

ProgramHost::~ProgramHost() { Release(); }

bool ProgramHost::Create() {
    RegisterFormClass(instance_, kClassName, 0, LoadIconW(instance_, MAKEINTRESOURCEW(1)));
    return CreateForm(instance_, kClassName, "Vantrix", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0,
                      RECT{0, 0, 0, 0}, nullptr);
}

void ProgramHost::Attach(AppSession& app, LauncherWindow& launcher) {
    launcher_ = &launcher;
    rules_.emplace(app);
    hotkey_registrar_ = std::make_unique<win32::Win32HotkeyRegistrar>(hwnd());
    hotkeys_ = std::make_unique<HotkeyManager>(*hotkey_registrar_);
    // Lock, unlock, user switch: only a window registered for them hears of them.
    session_notices_ = WTSRegisterSessionNotification(hwnd(), NOTIFY_FOR_THIS_SESSION) != FALSE;
}

void ProgramHost::Release() {
    if (session_notices_ && hwnd()) WTSUnRegisterSessionNotification(hwnd());
    session_notices_ = false;
    tray_.Remove();
    hotkeys_.reset();  // unregisters while the window still exists
}

void ProgramHost::AddTrayIcon() {
    tray_.Add(hwnd(), kTrayMessage, LoadIconW(instance_, MAKEINTRESOURCEW(1)), "VTX 2.0");
}

LRESULT ProgramHost::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    if (!rules_ || !launcher_) return DefWindowProcW(hwnd(), msg, wp, lp);
    switch (msg) {
        case kTrayMessage:
            Carry(ProgramHostRules::OnTray(TrayEventOf(lp)));
            return 0;
        case WM_HOTKEY:
            if (hotkeys_) Carry(ProgramHostRules::OnHotkey(hotkeys_->OnHotKeyMessage(LOWORD(lp), HIWORD(lp)).has_value()));
            break;  // then the system's default handling
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            rules_->OnEndSession(wp != 0);
            return 0;
        case WM_POWERBROADCAST:
            rules_->OnSystemNotice(SystemNotice::Power, static_cast<unsigned>(wp));
            return TRUE;
        case WM_WTSSESSION_CHANGE:
            rules_->OnSystemNotice(SystemNotice::Session, static_cast<unsigned>(wp));
            return 0;
        case WM_DESTROY:
            Release();
            return 0;
        default:
            if (tray_.OnTaskbarCreated(msg)) return 0;
            if (msg == win32::SingleInstance::SummonMessage() && msg != 0) {  // the program was started again
                Carry(ProgramHostRules::OnSecondStart());
                return 0;
            }
            break;
    }
    return DefWindowProcW(hwnd(), msg, wp, lp);
}

void ProgramHost::Carry(HostAction action) {
    switch (action) {
        case HostAction::ShowLauncher: launcher_->ShowFromTray(); break;
        case HostAction::BringUpForTyping: launcher_->BringUpForTyping(); break;
        case HostAction::TrayMenu: TrackTrayMenu(); break;
        case HostAction::None: break;
    }
}

void ProgramHost::TrackTrayMenu() {
    POINT pt{};
    GetCursorPos(&pt);
    const win32::UniqueMenu menu = BuildPopupMenu(TrayMenu());
    SetMenuDefaultItem(menu.get(), static_cast<UINT>(Command::ShowVtx), FALSE);
    // Its owner takes the keyboard while it is open, also when the launcher is hidden.
    tray_.TrackMenu(menu.get(), pt, launcher_->hwnd(), [this](int id) { launcher_->RunCommand(id); });
}

// ---------------------------------------------------------------- ProgramPort

void ProgramHost::HideTaskbarButton() {
    SetWindowLongW(hwnd(), GWL_EXSTYLE, GetWindowLongW(hwnd(), GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
}

void ProgramHost::ShowBalloon(const std::string& title, const std::string& text, int seconds) {
    tray_.Balloon(title, text, seconds);
}

bool ProgramHost::RegisterHotkey(int value) { return hotkeys_ && hotkeys_->RegisterAppHotkey(value) != 0; }

bool ProgramHost::EnsureHotkey(int value) { return hotkeys_ && hotkeys_->EnsureRegistered(value); }

bool ProgramHost::ReplaceHotkey(int value) {
    if (!hotkeys_) return false;
    hotkeys_->UnregisterAllHotkeys();
    return hotkeys_->RegisterAppHotkey(value) != 0;
}

void ProgramHost::CreateProgramMutex() { mutex_.emplace(); }

}  // namespace vtx
