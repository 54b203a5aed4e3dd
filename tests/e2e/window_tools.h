#pragma once
// What the test driver and the benchmark's driver both do to the program from outside: time,
// find a control by its text, hand it a drop as the shell would.

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

namespace vtx::tools {

// UTF-8 to UTF-16 and back: the tools take and print UTF-8, the program's windows speak UTF-16.
inline std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                      static_cast<int>(wide.size()));
    wide.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return wide;
}
inline std::string Utf8(const std::wstring& wide) {
    std::string text(wide.size() * 3 + 1, '\0');
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                                      static_cast<int>(text.size()), nullptr, nullptr);
    text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return text;
}
// A window's text as UTF-8, asked in wide characters (another process's ANSI answer loses
// every character its code page cannot spell).
inline std::string TextOf(HWND w) {
    wchar_t text[1024] = {};
    SendMessageW(w, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return Utf8(text);
}

// Seconds on the performance counter.
inline double Seconds() {
    static LARGE_INTEGER freq{};
    if (!freq.QuadPart) QueryPerformanceFrequency(&freq);
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(freq.QuadPart);
}

// The first child of `parent`, in tab order, whose text is `text` (UTF-8).
inline HWND ChildWithText(HWND parent, const char* text) {
    struct Data {
        const char* text;
        HWND found;
    } d{text, nullptr};
    EnumChildWindows(
        parent,
        [](HWND c, LPARAM lp) -> BOOL {
            auto* d = reinterpret_cast<Data*>(lp);
            wchar_t t[1024] = {};
            GetWindowTextW(c, t, 1024);
            if (Utf8(t) != d->text) return TRUE;
            d->found = c;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&d));
    return d.found;
}

// A drop as the shell hands it over: DROPFILES, then the paths in wide characters, each ended
// by a NUL, and a final NUL. A drop handle is only good in the receiving process, so the block is written
// into that process's memory; as fixed memory its address is its handle.
inline void* MakeDrop(HWND target, POINT pt, const std::vector<std::string>& paths) {
    std::wstring names;
    for (const auto& p : paths) names += Wide(p) + L'\0';
    names += L'\0';
    std::string block(sizeof(DROPFILES), '\0');
    DROPFILES head{};
    head.pFiles = sizeof(DROPFILES);
    head.pt = pt;
    head.fWide = TRUE;
    std::memcpy(block.data(), &head, sizeof head);
    block.append(reinterpret_cast<const char*>(names.data()), names.size() * sizeof(wchar_t));
    DWORD pid = 0;
    GetWindowThreadProcessId(target, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return nullptr;
    void* remote = VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (remote && !WriteProcessMemory(process, remote, block.data(), block.size(), nullptr)) remote = nullptr;
    CloseHandle(process);
    return remote;
}

}  // namespace vtx::tools
