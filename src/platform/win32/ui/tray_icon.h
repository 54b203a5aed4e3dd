#pragma once
// The icon in the notification area: its tooltip, the messages it sends its window, the
// balloon, and its return after Explorer restarts ("TaskbarCreated").

#include "platform/win32/windows_api.h"
#include <shellapi.h>

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

private:
    NOTIFYICONDATAA data_{};
    bool added_ = false;
    UINT taskbar_created_ = RegisterWindowMessageA("TaskbarCreated");
};

}  // namespace vtx::ui
