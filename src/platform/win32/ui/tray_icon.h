#pragma once
// The icon in the notification area: its tooltip, the messages it sends its window, the
// balloon, and its return after Explorer restarts ("TaskbarCreated").

#include "platform/win32/windows_api.h"
#include <shellapi.h>

#include <functional>
#include <string>

namespace vtx::ui {

class TrayIcon {
public:
    TrayIcon() = default;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    ~TrayIcon() { Remove(); }

    // `message` reaches `window` with the mouse event in the low word of lParam.
    void Add(HWND window, UINT message, HICON icon, const std::string& tip);
    void Remove();
    // The information balloon; the icon is added again first when it is missing.
    void Balloon(const std::string& title, const std::string& text, int seconds);
    // Explorer restarted: the icon is put back. True when `message` was that news.
    bool OnTaskbarCreated(UINT message);
    // A menu at a screen point, chosen by click or by key; `chosen` runs with the command chosen
    // (not when none was). The menu's owner must be the foreground window with the keyboard, or
    // the menu gets no keys and does not close on a click elsewhere: `window` when it shows, else
    // a one-pixel stand-in shown at the menu's corner until the command has run, so a window the
    // command shows takes the keyboard over from it. A hidden window cannot take the keyboard:
    // under Wine the keys then stayed with the desktop, so once one of our windows had closed,
    // the tray menu's letters and arrows did nothing.
    void TrackMenu(HMENU menu, POINT at, HWND window, const std::function<void(int)>& chosen);

private:
    NOTIFYICONDATAW data_{};
    bool added_ = false;
    UINT taskbar_created_ = RegisterWindowMessageW(L"TaskbarCreated");
};

}  // namespace vtx::ui
