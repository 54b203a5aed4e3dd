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
    if (FILE* f = std::fopen(log.c_str(), "ab")) {
        std::fprintf(f, "cmdline=%s\ncwd=%s\nshow=%d\n--\n", GetCommandLineA(), cwd, show);
        std::fclose(f);
    }
    return 0;
}
