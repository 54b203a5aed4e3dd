// A stand-in target for shortcuts, browsers and file associations: it appends how it
// was started (command line, working folder, show command) to probe.log beside itself.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string log = exe;
    log = log.substr(0, log.rfind('\\') + 1) + "probe.log";
    char cwd[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, cwd);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    GetStartupInfoA(&si);
    const int show = (si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : -1;
    char record[3 * MAX_PATH + 8192];
    const int n = std::snprintf(record, sizeof record, "cmdline=%s\ncwd=%s\nshow=%d\n--\n", GetCommandLineA(), cwd,
                                show);
    if (n <= 0 || n >= static_cast<int>(sizeof record)) return 1;
    // A multi-shortcut starts several probes at once: an append-only handle writes each record
    // whole at the end, where a seek and a write could land two records on the same bytes.
    for (int tries = 0; tries < 100; ++tries) {
        HANDLE f = CreateFileA(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (f == INVALID_HANDLE_VALUE) {
            Sleep(20);
            continue;
        }
        DWORD written = 0;
        const BOOL ok = WriteFile(f, record, static_cast<DWORD>(n), &written, nullptr);
        CloseHandle(f);
        return ok && written == static_cast<DWORD>(n) ? 0 : 1;
    }
    return 1;
}
