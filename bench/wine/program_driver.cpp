// The measuring side of bench/program_bench.sh (not run by CI): starts vantrix.exe or the bare tray
// program, presses keys with SendInput as a user's keyboard would, and watches the windows from
// outside. A window counts as painted when it is visible and neither it nor any visible child owes a
// paint (empty update region): a window is invalidated in the same server request that shows it and
// is validated by its WM_PAINT's EndPaint, so this is the moment the real paint has run.
// Memory: Wine fills PROCESS_MEMORY_COUNTERS_EX.PrivateUsage only for the calling process (another
// process's comes back as its swap alone), so the script reads the private figure from Linux as
// Wine computes it for a process itself; the driver's "mem" lines give WorkingSetSize and say when
// the process has settled.
//   start DIR EXE MUTEX [ARG]  starts EXE (with ARG) in DIR; prints "ready MS" once MUTEX exists,
//                              then waits until the process has settled (working set and window
//                              count still for a second) and prints "mem PRIVATE_KB RSS_KB"
//   mem CLASS                  prints "mem PRIVATE_KB RSS_KB" of the process of the window CLASS
//   settle CLASS               the same once that process has settled
//   hotkey CLASS N             N times: Win+Z, the milliseconds until CLASS is shown and painted,
//                              then Escape until it is hidden again; prints "hotkey MS..."
//   keys CLASS N               shows CLASS with the hotkey, then N times "m" and Backspace; prints
//                              "key MS..." (each "m" until the text reads "m" and all is painted)
//                              and "null US", the average round trip of WM_NULL to the window
//   open CLASS KEY TARGET      with CLASS shown, presses KEY (a virtual-key number) and prints
//                              "open MS" when TARGET is shown and painted; closes TARGET again
//   openstep I DROPPATH        step I (0, 1, ... until it exits 1) of opening each window of
//                              vantrix.exe the driver can reach as a user does (menu commands,
//                              buttons, a dropped file): waits for its paint, prints "opened CLASS"
//                              and closes it (the manager stays open for the steps that need it)
//   launches N NAME LOG        N times: Win+Z (when hidden), NAME typed, Enter, until LOG holds one
//                              more start; then "mem PRIVATE_KB RSS_KB"
//   close CLASS                posts WM_CLOSE and prints "exit MS" once the process has ended
#include <windows.h>
#include <psapi.h>
#include <shlobj.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "window_tools.h"

namespace {

using vtx::tools::ChildWithText;
using vtx::tools::MakeDrop;
using vtx::tools::Seconds;

constexpr int kWaitMs = 60000;


// Polls `done` every millisecond for at most `ms`; false when it never held.
bool WaitUntil(const std::function<bool()>& done, int ms = kWaitMs) {
    const double until = Seconds() + ms / 1000.0;
    while (!done()) {
        if (Seconds() > until) return false;
        Sleep(1);
    }
    return true;
}

HWND Find(const char* cls) { return FindWindowA(cls, nullptr); }

BOOL CALLBACK ChildOwesPaint(HWND child, LPARAM lp) {
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(lp) = true;
        return FALSE;
    }
    return TRUE;
}

bool Painted(HWND w) {
    if (!w || !IsWindowVisible(w) || GetUpdateRect(w, nullptr, FALSE)) return false;
    bool owed = false;
    EnumChildWindows(w, ChildOwesPaint, reinterpret_cast<LPARAM>(&owed));
    return !owed;
}

void Keys(std::initializer_list<std::pair<WORD, bool>> strokes) {
    std::vector<INPUT> in;
    for (const auto& [vk, up] : strokes) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk;
        i.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
        i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        if (vk == VK_LWIN) i.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
        in.push_back(i);
    }
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}
void Press(WORD vk) { Keys({{vk, false}, {vk, true}}); }
void Hotkey() { Keys({{VK_LWIN, false}, {'Z', false}, {'Z', true}, {VK_LWIN, true}}); }

HANDLE ProcessOf(HWND w) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    return OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | SYNCHRONIZE, FALSE, pid);
}

struct Memory {
    SIZE_T private_bytes = 0;
    SIZE_T working_set = 0;
};
Memory MemoryOf(HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX c{};
    c.cb = sizeof c;
    Memory m;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&c), sizeof c)) {
        m.private_bytes = c.PrivateUsage;
        m.working_set = c.WorkingSetSize;
    }
    return m;
}
void PrintMemory(const char* label, const Memory& m) {
    std::printf("%s %zu %zu\n", label, m.private_bytes / 1024, m.working_set / 1024);
}

struct CountData {
    DWORD pid;
    int n;
};
BOOL CALLBACK CountOfProcess(HWND w, LPARAM lp) {
    auto* d = reinterpret_cast<CountData*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == d->pid) ++d->n;
    return TRUE;
}
int WindowsOf(DWORD pid) {
    CountData d{pid, 0};
    EnumWindows(CountOfProcess, reinterpret_cast<LPARAM>(&d));
    return d.n;
}

// Work done in idle time after "ready" (windows built in the background) is part of the start-up's
// footprint: the process has settled when its memory and its number of windows stay put a second.
Memory Settle(HANDLE process) {
    const DWORD pid = GetProcessId(process);
    Memory last = MemoryOf(process);
    int windows = WindowsOf(pid);
    double still_since = Seconds();
    const double until = Seconds() + kWaitMs / 1000.0;
    while (Seconds() - still_since < 1.0 && Seconds() < until) {
        Sleep(100);
        const Memory now = MemoryOf(process);
        const int n = WindowsOf(pid);
        if (now.working_set != last.working_set || now.private_bytes != last.private_bytes || n != windows)
            still_since = Seconds();
        last = now;
        windows = n;
    }
    return last;
}

bool ProgramReady(const char* mutex) {
    if (HANDLE m = OpenMutexA(SYNCHRONIZE, FALSE, mutex)) {
        CloseHandle(m);
        return true;
    }
    return false;
}

std::string SentText(HWND w) {
    char text[256] = {};
    DWORD_PTR r = 0;
    if (!SendMessageTimeoutA(w, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 10000, &r))
        return "<no answer>";
    return text;
}

// The typed text: the window's edit box, or the window's own text when it has none.
std::string TypedText(HWND w) {
    HWND e = FindWindowExA(w, nullptr, "Edit", nullptr);
    return SentText(e ? e : w);
}

bool Show(HWND w, double* ms = nullptr) {
    const double t0 = Seconds();
    Hotkey();
    if (!WaitUntil([&] { return Painted(w); })) return false;
    if (ms) *ms = (Seconds() - t0) * 1000;
    return true;
}

bool Hide(HWND w) {
    Press(VK_ESCAPE);
    return WaitUntil([&] { return !IsWindowVisible(w); }, 10000);
}

// Closes a secondary window as its close box does and answers a question it may ask with "No".
bool CloseShown(HWND w) {
    PostMessageA(w, WM_CLOSE, 0, 0);
    return WaitUntil([&] {
        if (HWND box = FindWindowA("#32770", nullptr); box && IsWindowVisible(box)) {
            PostMessageA(box, WM_COMMAND, IDNO, 0);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        return !IsWindowVisible(w);
    }, 20000);
}


// A drop on the title strip: it is offered as a new shortcut.
bool Drop(HWND target, const std::string& path) {
    void* remote = MakeDrop(target, POINT{30, 8}, {path});
    return remote && PostMessageA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
}

int Starts(const char* log) {
    std::ifstream in(log);
    std::string line;
    int n = 0;
    while (std::getline(in, line))
        if (line == "--" || line == "--\r") ++n;
    return n;
}

int Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const std::string cmd = argv[1];
    if (cmd == "start" && argc > 4) {
        std::string line = std::string("\"") + argv[3] + "\"";
        for (int i = 5; i < argc; ++i) line += std::string(" ") + argv[i];
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        const double t0 = Seconds();
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, argv[2], &si, &pi))
            return Fail("cannot start the program");
        CloseHandle(pi.hThread);
        const bool ready = WaitUntil([&] {
            return ProgramReady(argv[4]) || WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0;
        });
        if (!ready || !ProgramReady(argv[4])) return Fail("the program did not become ready");
        std::printf("ready %.1f\n", (Seconds() - t0) * 1000);
        std::fflush(stdout);
        PrintMemory("mem", Settle(pi.hProcess));
        CloseHandle(pi.hProcess);
        return 0;
    }
    if (cmd == "launches" && argc > 4) {
        HWND w = Find("TForm1");
        if (!w) return Fail("no launcher");
        HANDLE process = ProcessOf(w);
        const int n = std::atoi(argv[2]);
        const int before = Starts(argv[4]);
        HWND edit = FindWindowExA(w, nullptr, "Edit", nullptr);
        for (int i = 1; i <= n; ++i) {
            if (!IsWindowVisible(w) && !Show(w)) return Fail("the launcher did not show");
            SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[3]));
            Press(VK_RETURN);
            if (!WaitUntil([&] { return Starts(argv[4]) >= before + i; })) return Fail("a launch did not start");
        }
        PrintMemory("mem", Settle(process));
        CloseHandle(process);
        return 0;
    }
    if (cmd == "openstep" && argc > 3) {
        HWND launcher = Find("TForm1");
        if (!launcher) return Fail("no launcher");
        double asked = Seconds();  // when the window was asked for
        // Waits for a window to be shown and painted and names it, with the milliseconds it took.
        auto seen = [&](const char* cls) {
            HWND w = nullptr;
            if (!WaitUntil([&] { return (w = Find(cls)) && Painted(w); }, 20000)) {
                std::fprintf(stderr, "%s did not open\n", cls);
                return static_cast<HWND>(nullptr);
            }
            std::printf("opened %s %.1f\n", cls, (Seconds() - asked) * 1000);
            return w;
        };
        // A click on the manager's button of that caption, or its menu command `id`.
        auto click = [&](const char* caption, int id) {
            HWND manager = Find("TForm2");
            if (!manager || !IsWindowVisible(manager)) return false;
            HWND b = caption ? ChildWithText(manager, caption) : nullptr;
            if (caption && !b) return false;
            asked = Seconds();
            return PostMessageA(manager, WM_COMMAND, MAKEWPARAM(b ? GetDlgCtrlID(b) : id, BN_CLICKED),
                                reinterpret_cast<LPARAM>(b)) != FALSE;
        };
        auto from_manager = [&](const char* caption, int id, const char* cls) {
            if (!click(caption, id)) return;
            if (HWND w = seen(cls)) CloseShown(w);
        };
        auto from_menu = [&](int id, const char* cls) {
            asked = Seconds();
            PostMessageA(launcher, WM_COMMAND, id, 0);
            if (HWND w = seen(cls)) CloseShown(w);
        };
        switch (std::atoi(argv[2])) {
            case 0: PostMessageA(launcher, WM_COMMAND, 1002, 0); seen("TForm2"); break;  // Shortcuts...
            case 1: from_manager("Add...", 0, "TForm16"); break;
            case 2: from_manager("Define Browsers...", 0, "TForm15"); break;
            case 3: from_manager("New", 0, "TForm5"); break;
            case 4: from_manager(nullptr, 501, "TForm17"); break;  // Select's "from Installed Programs..."
            case 5:
                if (HWND manager = Find("TForm2")) CloseShown(manager);
                from_menu(1003, "TForm3");  // Settings...
                break;
            case 6: from_menu(1006, "TForm4"); break;  // About...
            case 7:
                asked = Seconds();
                if (Drop(launcher, argv[3]))
                    if (HWND w = seen("TForm18")) CloseShown(w);
                break;
            default: return 1;
        }
        return 0;
    }
    HWND w = Find(argv[2]);
    if (!w) return Fail("no window of that class");
    if (cmd == "mem" || cmd == "settle") {
        HANDLE process = ProcessOf(w);
        PrintMemory("mem", cmd == "settle" ? Settle(process) : MemoryOf(process));
        CloseHandle(process);
    } else if (cmd == "hotkey" && argc > 3) {
        std::printf("hotkey");
        for (int i = 0, n = std::atoi(argv[3]); i < n; ++i) {
            double ms = 0;
            if (IsWindowVisible(w) && !Hide(w)) return Fail("the window did not hide");
            if (!Show(w, &ms)) return Fail("the window was not shown and painted");
            std::printf(" %.1f", ms);
            if (!Hide(w)) return Fail("the window did not hide");
        }
        std::printf("\n");
    } else if (cmd == "keys" && argc > 3) {
        if (!IsWindowVisible(w) && !Show(w)) return Fail("the window was not shown");
        // The first stroke also waits for the keyboard focus to settle; it is not counted.
        std::printf("key");
        for (int i = 0, n = std::atoi(argv[3]); i <= n; ++i) {
            const double t0 = Seconds();
            Press('M');
            if (!WaitUntil([&] { return TypedText(w) == "m" && Painted(w); })) return Fail("the typed m was not drawn");
            if (i > 0) std::printf(" %.2f", (Seconds() - t0) * 1000);
            Press(VK_BACK);
            if (!WaitUntil([&] { return TypedText(w).empty() && Painted(w); })) return Fail("Backspace was not drawn");
        }
        std::printf("\n");
        double total = 0;
        constexpr int kNulls = 200;
        for (int i = 0; i < kNulls; ++i) {
            const double t0 = Seconds();
            SendMessageA(w, WM_NULL, 0, 0);
            total += Seconds() - t0;
        }
        std::printf("null %.0f\n", total / kNulls * 1e6);
        Hide(w);
    } else if (cmd == "open" && argc > 4) {
        if (!IsWindowVisible(w) && !Show(w)) return Fail("the window was not shown");
        const double t0 = Seconds();
        Press(static_cast<WORD>(std::atoi(argv[3])));
        HWND target = nullptr;
        if (!WaitUntil([&] { return (target = Find(argv[4])) && Painted(target); }))
            return Fail("the window asked for was not shown and painted");
        std::printf("open %.1f\n", (Seconds() - t0) * 1000);
        std::fflush(stdout);
        if (!CloseShown(target)) return Fail("the window asked for did not close");
        if (IsWindowVisible(w)) Hide(w);
    } else if (cmd == "close") {
        HANDLE process = ProcessOf(w);
        const double t0 = Seconds();
        PostMessageA(w, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process, 300000) != WAIT_OBJECT_0) return Fail("the program did not end");
        std::printf("exit %.0f\n", (Seconds() - t0) * 1000);
        CloseHandle(process);
    } else {
        return 2;
    }
    return 0;
}
