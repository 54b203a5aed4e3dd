// Program entry of vantrix.exe: the program host with the application's hidden window, the
// single-instance rule, the launcher window and its start-up, then the message loop.
#include "platform/win32/windows_api.h"
#include <commctrl.h>
#include <objbase.h>

#include "app/app_session.h"
#include "launcher/launcher_rules.h"
#include "launcher/win32/launcher_window.h"
#include "shell/win32/program_host.h"
#include "shell/win32/program_windows.h"
#include "platform/win32/single_instance.h"
#include "platform/win32/ui/dialog.h"
#include "platform/win32/ui/dpi.h"
#include "platform/win32/win32_hotkeys.h"
#include "platform/win32/win32_platform.h"
#include "platform/trace.h"

#include <cstdio>
#include <cstdlib>

namespace {

// The trace stays silent unless VTX_TRACE names a file to append it to (used by tests
// and when diagnosing a problem on a user's machine).
void RouteTraceFromEnvironment() {
    // In wide characters: the folder may be named in any script.
    const wchar_t* path = _wgetenv(L"VTX_TRACE");
    if (!path || !*path) return;
    std::wstring file = path;
    vtx::SetTraceSink([file](std::string_view label, int level) {
        if (FILE* f = _wfopen(file.c_str(), L"ab")) {
            std::fprintf(f, "%d %.*s\n", level, static_cast<int>(label.size()), label.data());
            std::fclose(f);
        }
    });
}

int Run(HINSTANCE instance) {
    RouteTraceFromEnvironment();
    vtx::ui::EnablePerMonitorDpi();
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);

    vtx::ProgramHost host(instance);
    if (!host.Create()) return 1;
    HWND app = host.hwnd();
    vtx::win32::SingleInstance single;
    if (!single.Claim(app)) {
        // A second copy: the user asked for the launcher, so the running one brings it up
        // (a start with Windows, "ns", asks for nothing). This copy ends without showing,
        // starting or saving anything.
        vtx::win32::Win32System system;
        if (system.FirstParameter() != "ns") single.SummonFirst();
        return 0;
    }

    vtx::win32::Win32Platform services;
    services.set_owner(app);
    vtx::win32::Win32Keys keys;
    vtx::Platform platform = services.platform(keys);
    vtx::AppSession session(platform);
    vtx::ProgramWindows windows(session);
    vtx::LauncherRules rules(session, windows);

    vtx::LauncherWindow window(instance, rules);
    if (!window.Create(app)) return 1;
    services.set_owner(window.hwnd());
    host.Attach(session, window);
    host.AddTrayIcon();
    session.FormCreate(window, window, host);
    // The secondary windows: made hidden at their first use (the manager when idle), shown on demand.
    windows.Prepare(instance, window.hwnd());
    if (session.ShowAtStart()) window.ShowAtStart();

    MSG msg;
    bool started = false;
    bool windows_left = true;
    for (;;) {
        // The first idle moment finishes start-up (the catalogue's backup, the launcher's images);
        // later ones build the windows worth having ready, one at a time, so input is never kept
        // waiting long.
        while ((!started || windows_left) && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!started) {
                session.FinishStartup();
                window.LoadImages();
                started = true;
            } else {
                windows_left = windows.CreateNext();
            }
        }
        // The wide loop: a Unicode window's WM_CHAR carries the typed character whole, in any
        // script; through the ANSI functions it would pass the code page and could become "?".
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
        if (vtx::ui::Dialog::PreTranslateAll(msg)) continue;
        if (window.PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int rc = 1;
    try {
        rc = Run(instance);
    } catch (...) {
        MessageBoxW(nullptr, L"Vantrix could not start.", L"Vantrix", MB_OK | MB_ICONERROR);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return rc;
}
