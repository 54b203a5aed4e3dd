// A stand-in target for shortcuts, browsers and file associations: it appends how it
// was started (its own path, command line, working folder, show command) to probe.log
// beside itself. Everything is asked in wide characters and logged as UTF-8, so a path in
// any script reads as the system gave it.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const wchar_t* wide) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string text(n > 0 ? static_cast<std::size_t>(n) : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), n, nullptr, nullptr);
    text.resize(text.size() - 1);
    return text;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring log = exe;
    log = log.substr(0, log.rfind(L'\\') + 1) + L"probe.log";
    wchar_t cwd[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, cwd);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    GetStartupInfoW(&si);
    const int show = (si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : -1;
    const std::string record = "exe=" + Utf8(exe) + "\ncmdline=" + Utf8(GetCommandLineW()) + "\ncwd=" + Utf8(cwd) +
                               "\nshow=" + std::to_string(show) + "\n--\n";
    // A multi-shortcut starts several probes at once: an append-only handle writes each record
    // whole at the end, where a seek and a write could land two records on the same bytes.
    for (int tries = 0; tries < 100; ++tries) {
        HANDLE f = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (f == INVALID_HANDLE_VALUE) {
            Sleep(20);
            continue;
        }
        DWORD written = 0;
        const BOOL ok = WriteFile(f, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
        CloseHandle(f);
        return ok && written == record.size() ? 0 : 1;
    }
    return 1;
}
