#pragma once
// What the test driver and the benchmark's driver both do to the program from outside: time,
// find a control by its text, hand it a drop as the shell would.

#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <string>
#include <vector>

namespace vtx::tools {

// Seconds on the performance counter.
inline double Seconds() {
    static LARGE_INTEGER freq{};
    if (!freq.QuadPart) QueryPerformanceFrequency(&freq);
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(freq.QuadPart);
}

// The first child of `parent`, in tab order, whose text is `text`.
inline HWND ChildWithText(HWND parent, const char* text) {
    struct Data {
        const char* text;
        HWND found;
    } d{text, nullptr};
    EnumChildWindows(
        parent,
        [](HWND c, LPARAM lp) -> BOOL {
            auto* d = reinterpret_cast<Data*>(lp);
            char t[1024] = {};
            GetWindowTextA(c, t, sizeof t);
            if (std::strcmp(t, d->text) != 0) return TRUE;
            d->found = c;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&d));
    return d.found;
}

// A drop as the shell hands it over: DROPFILES, then the paths, each ended by a NUL, and a
// final NUL. A drop handle is only good in the receiving process, so the block is written
// into that process's memory; as fixed memory its address is its handle.
inline void* MakeDrop(HWND target, POINT pt, const std::vector<std::string>& paths) {
    std::string names;
    for (const auto& p : paths) names += p + '\0';
    names += '\0';
    std::string block(sizeof(DROPFILES), '\0');
    DROPFILES head{};
    head.pFiles = sizeof(DROPFILES);
    head.pt = pt;
    std::memcpy(block.data(), &head, sizeof head);
    block += names;
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
