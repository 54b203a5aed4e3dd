// Test driver for end-to-end runs: finds the program's windows by class and talks to them.
// Texts in and out are UTF-8; the program is asked in wide characters.
//   vtx_driver wait CLASS [ms]        waits until a window of CLASS exists (exit 0) or times out (1)
//   vtx_driver ready [ms]             waits until the program has finished starting
//   vtx_driver gone CLASS [ms]        waits until no window of CLASS exists
//   vtx_driver visible CLASS          prints 1 or 0
//   vtx_driver rect CLASS             prints left top width height
//   vtx_driver client CLASS           prints the screen position of the window's client area
//   vtx_driver close CLASS            posts WM_CLOSE
//   vtx_driver endsession CLASS       sends WM_QUERYENDSESSION and WM_ENDSESSION(TRUE)
//   vtx_driver clipboard              prints the clipboard text
//   vtx_driver settext TEXT           puts TEXT on the clipboard
//   vtx_driver foreground CLASS       brings the window to the foreground
//   vtx_driver edit CLASS             prints the text of the window's first Edit child
//   vtx_driver layered CLASS          prints colour key, alpha and flags of a layered window
//   vtx_driver message CLASS MSG W L  sends a message and prints its result
//   vtx_driver count CLASS            prints how many top-level windows of CLASS exist
//   vtx_driver workarea               prints the work area's width and height
//   vtx_driver fgclass                prints the class of the foreground window and of the focus in it
//   vtx_driver msgbox [ms]            waits for a message box, prints its text and presses its first button
//   vtx_driver shown CLASS [ms]       waits until a visible top-level window of CLASS exists
//   vtx_driver listsel CLASS          prints the selected row of the window's first ListBox child (-1: none)
//   vtx_driver listcount CLASS        prints the number of rows of that list (or of its list view)
//   vtx_driver ticked CLASS ROW       prints 1 or 0: the box of that check-list row is ticked
//   vtx_driver boxpoint CLASS ROW     prints the screen point of that check-list row's box
//   vtx_driver listtext CLASS N       prints row N of that list as LB_GETTEXTLEN and LB_GETTEXT give it
//                                     to another process, as a screen reader reads it
//   vtx_driver listpoint CLASS N      prints the screen point at the middle of row N of that list (a
//                                     row scrolled out of sight fails)
//   vtx_driver region CLASS           prints the window region's type (0 = ERROR, none set) and its box
//   vtx_driver post CLASS MSG W L     posts a message (for commands that open a modal box)
//   vtx_driver launch DIR EXE [ms]    starts EXE in DIR, waits until the program is ready and prints
//                                     the milliseconds from its start
//   vtx_driver spawn DIR EXE          starts EXE in DIR and prints the milliseconds until it ends
//   vtx_driver matchtime CLASS TEXT N sets the edit box to TEXT N times (empty in between) and prints
//                                     the average microseconds of one change, the selected row and the
//                                     average microseconds of an empty message (WM_NULL) for comparison
//   vtx_driver closewait CLASS [ms]   posts WM_CLOSE and prints the milliseconds until the process ends
//   vtx_driver checked CLASS CAPTION  prints 1 or 0: the check box of that caption is ticked
//   vtx_driver after CLASS LABEL      prints the text of the control that follows the one whose text is
//                                     LABEL (a field after its label, a value after its caption)
//   vtx_driver before CLASS TEXT      prints the screen box (left top width height) of the control made
//                                     just before the one whose text is TEXT (a picture before its link)
//   vtx_driver focus CLASS            prints the class and text of the control that has the keyboard
//   vtx_driver focushandle CLASS      prints the handle of that control, to see the focus move
//   vtx_driver drop CLASS X Y PATH... posts WM_DROPFILES with the paths, dropped at client point X Y
//   vtx_driver link LINK TARGET       saves a shell link (".lnk") at LINK that points to TARGET
//   vtx_driver hold MODS VK FILE      registers the hotkey MODS+VK as another program would, prints 1
//                                     (held) or 0, and keeps it until FILE exists (at most 2 minutes)
//   vtx_driver childrect CLASS CHILD  prints the first CHILD-class control's box in the window's client
//                                     coordinates: left top width height
//   vtx_driver closekill CLASS MS     posts WM_CLOSE, kills the process MS milliseconds (fractions
//                                     allowed) later and prints "killed", or "ended MS" when it had
//                                     already ended by itself, seen MS milliseconds after the close
//   vtx_driver endsessionkill CLASS   the end of the log-on, then at once a kill, as Windows does
//   vtx_driver editsel CLASS          prints the start and end of the selection in the Edit child
//   vtx_driver editfocus CLASS        prints 1 when the window is in the foreground and its Edit child
//                                     has the keyboard focus, else 0
//   vtx_driver buttons                prints whether the left and right mouse buttons are down (1 0)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>
#include <vector>

#include "window_tools.h"

namespace {

using vtx::tools::ChildWithText;
using vtx::tools::MakeDrop;
using vtx::tools::Seconds;
using vtx::tools::TextOf;
using vtx::tools::Utf8;
using vtx::tools::Wide;



HWND Find(const char* cls) { return FindWindowA(cls, nullptr); }

bool WaitFor(const char* cls, int ms, bool present) {
    for (int waited = 0; waited <= ms; waited += 50) {
        if ((Find(cls) != nullptr) == present) return true;
        Sleep(50);
    }
    return false;
}

struct CountData { const char* cls; int n; };
BOOL CALLBACK CountProc(HWND w, LPARAM lp) {
    auto* d = reinterpret_cast<CountData*>(lp);
    char name[256] = {};
    GetClassNameA(w, name, sizeof name);
    if (std::strcmp(name, d->cls) == 0) ++d->n;
    return TRUE;
}

struct BoxData { HWND box; };
BOOL CALLBACK BoxProc(HWND w, LPARAM lp) {
    char name[64] = {};
    GetClassNameA(w, name, sizeof name);
    if (std::strcmp(name, "#32770") == 0 && IsWindowVisible(w)) {
        reinterpret_cast<BoxData*>(lp)->box = w;
        return FALSE;
    }
    return TRUE;
}

struct ShownData { const char* cls; HWND found; };
BOOL CALLBACK ShownProc(HWND w, LPARAM lp) {
    auto* d = reinterpret_cast<ShownData*>(lp);
    char name[256] = {};
    GetClassNameA(w, name, sizeof name);
    if (std::strcmp(name, d->cls) == 0 && IsWindowVisible(w)) {
        d->found = w;
        return FALSE;
    }
    return TRUE;
}

// The mutex "OVVantrix" is the last thing start-up creates.
bool ProgramReady() {
    if (HANDLE m = OpenMutexA(SYNCHRONIZE, FALSE, "OVVantrix")) {
        CloseHandle(m);
        return true;
    }
    return false;
}

// Starts exe in dir; the process handle, or null.
HANDLE Start(const char* dir, const char* exe) {
    std::wstring line = L"\"" + Wide(exe) + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, Wide(dir).c_str(), &si, &pi))
        return nullptr;
    CloseHandle(pi.hThread);
    return pi.hProcess;
}


// The process of a window, opened to wait for it and to end it; null when it cannot be opened.
HANDLE ProcessOf(HWND w) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    return OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
}

// Ends a process at once, as a power cut or the task manager would, and waits until it is gone.
void Kill(HANDLE process) {
    TerminateProcess(process, 9);
    WaitForSingleObject(process, 10000);
}

BOOL CALLBACK StaticText(HWND w, LPARAM lp) {
    char name[64] = {};
    GetClassNameA(w, name, sizeof name);
    if (std::strcmp(name, "Static") == 0) *reinterpret_cast<std::string*>(lp) += TextOf(w);
    return TRUE;
}

}  // namespace

// Saves a shell link through the shell-link object, as an installer would.
bool SaveLink(const char* link_path, const char* target) {
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return false;
    IShellLinkW* link = nullptr;
    bool saved = false;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->SetPath(Wide(target).c_str())) &&
            SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            saved = SUCCEEDED(file->Save(Wide(link_path).c_str(), TRUE));
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return saved;
}

// The arguments as UTF-8, whatever the system's code page: argv would hold them in that page.
std::vector<std::string> Arguments() {
    int n = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &n);
    std::vector<std::string> args;
    for (int i = 0; i < n; ++i) args.push_back(Utf8(wide[i]));
    LocalFree(wide);
    return args;
}

int main(int, char**) {
    std::vector<std::string> args = Arguments();
    std::vector<char*> arg_pointers;
    for (auto& a : args) arg_pointers.push_back(a.data());
    const int argc = static_cast<int>(arg_pointers.size());
    char** argv = arg_pointers.data();
    if (argc < 2) return 2;
    const std::string cmd = argv[1];
    if (cmd == "link" && argc > 3) return SaveLink(argv[2], argv[3]) ? 0 : 1;
    if (cmd == "hold" && argc > 4) {
        const BOOL held = RegisterHotKey(nullptr, 1, static_cast<UINT>(std::strtoul(argv[2], nullptr, 0)),
                                         static_cast<UINT>(std::strtoul(argv[3], nullptr, 0)));
        std::printf("%d\n", held ? 1 : 0);
        std::fflush(stdout);
        for (int i = 0; i < 2400 && GetFileAttributesW(Wide(argv[4]).c_str()) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(50);
        if (held) UnregisterHotKey(nullptr, 1);
        return held ? 0 : 1;
    }
    const char* cls = argc > 2 ? argv[2] : "";
    if (cmd == "wait") return WaitFor(cls, argc > 3 ? std::atoi(argv[3]) : 10000, true) ? 0 : 1;
    if (cmd == "ready") {
        const int ms = argc > 2 ? std::atoi(argv[2]) : 20000;
        for (int waited = 0; waited <= ms; waited += 50) {
            if (ProgramReady()) return 0;
            Sleep(50);
        }
        return 1;
    }
    if (cmd == "shown") {
        const int ms = argc > 3 ? std::atoi(argv[3]) : 5000;
        for (int waited = 0; waited <= ms; waited += 50) {
            ShownData d{cls, nullptr};
            EnumWindows(ShownProc, reinterpret_cast<LPARAM>(&d));
            if (d.found) return 0;
            Sleep(50);
        }
        return 1;
    }
    if (cmd == "launch" && argc > 3) {
        // Polls finely: the time until ready is what the caller measures.
        const int ms = argc > 4 ? std::atoi(argv[4]) : 120000;
        const double start = Seconds();
        HANDLE process = Start(argv[2], argv[3]);
        if (!process) return 1;
        while (!ProgramReady()) {
            if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0 || Seconds() - start > ms / 1000.0) {
                CloseHandle(process);
                return 1;
            }
            Sleep(2);
        }
        CloseHandle(process);
        std::printf("%.0f\n", (Seconds() - start) * 1000);
        return 0;
    }
    if (cmd == "spawn" && argc > 3) {
        const double start = Seconds();
        HANDLE process = Start(argv[2], argv[3]);
        if (!process) return 1;
        WaitForSingleObject(process, INFINITE);
        CloseHandle(process);
        std::printf("%.0f\n", (Seconds() - start) * 1000);
        return 0;
    }
    if (cmd == "buttons") {
        std::printf("%d %d\n", (GetAsyncKeyState(VK_LBUTTON) & 0x8000) ? 1 : 0,
                    (GetAsyncKeyState(VK_RBUTTON) & 0x8000) ? 1 : 0);
        return 0;
    }
    if (cmd == "gone") return WaitFor(cls, argc > 3 ? std::atoi(argv[3]) : 10000, false) ? 0 : 1;
    if (cmd == "count") {
        CountData d{cls, 0};
        EnumWindows(CountProc, reinterpret_cast<LPARAM>(&d));
        std::printf("%d\n", d.n);
        return 0;
    }
    if (cmd == "clipboard") {
        if (!OpenClipboard(nullptr)) return 1;
        HANDLE h = GetClipboardData(CF_UNICODETEXT);
        const auto* p = h ? static_cast<const wchar_t*>(GlobalLock(h)) : nullptr;
        std::printf("%s\n", p ? Utf8(p).c_str() : "");
        if (p) GlobalUnlock(h);
        CloseClipboard();
        return 0;
    }
    if (cmd == "settext") {
        if (!OpenClipboard(nullptr)) return 1;
        EmptyClipboard();
        const std::wstring t = Wide(cls);
        HGLOBAL g = GlobalAlloc(GMEM_MOVEABLE, (t.size() + 1) * sizeof(wchar_t));
        std::memcpy(GlobalLock(g), t.c_str(), (t.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(g);
        SetClipboardData(CF_UNICODETEXT, g);
        CloseClipboard();
        return 0;
    }
    if (cmd == "workarea") {
        RECT r{};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
        std::printf("%ld %ld\n", r.right - r.left, r.bottom - r.top);
        return 0;
    }
    if (cmd == "fgclass") {
        // The focus of another thread is only visible through that thread's GUI info.
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        char fg[256] = {}, focus[256] = {};
        if (HWND f = GetForegroundWindow()) GetClassNameA(f, fg, sizeof fg);
        if (GetGUIThreadInfo(0, &info) && info.hwndFocus) GetClassNameA(info.hwndFocus, focus, sizeof focus);
        std::printf("%s %s\n", fg[0] ? fg : "-", focus[0] ? focus : "-");
        return 0;
    }
    if (cmd == "msgbox") {
        const int ms = argc > 2 ? std::atoi(argv[2]) : 5000;
        for (int waited = 0; waited <= ms; waited += 50) {
            BoxData d{nullptr};
            EnumWindows(BoxProc, reinterpret_cast<LPARAM>(&d));
            if (d.box) {
                std::string text;
                EnumChildWindows(d.box, StaticText, reinterpret_cast<LPARAM>(&text));
                std::printf("%s\n", text.c_str());
                std::fflush(stdout);
                PostMessageA(d.box, WM_COMMAND, IDOK, 0);
                return 0;
            }
            Sleep(50);
        }
        return 1;
    }
    if (cmd == "boxover") {
        // The visible message box against the window of the class that raised it: the box's
        // owner's class, 1 when the box lies above that window in the z-order, whether that
        // window takes input meanwhile, and whether the box is top-most.
        BoxData d{nullptr};
        EnumWindows(BoxProc, reinterpret_cast<LPARAM>(&d));
        HWND raiser = Find(cls);
        if (!d.box || !raiser) return 1;
        char owner[256] = {};
        if (HWND o = GetWindow(d.box, GW_OWNER)) GetClassNameA(o, owner, sizeof owner);
        bool above = false;
        for (HWND h = GetWindow(d.box, GW_HWNDNEXT); h && !above; h = GetWindow(h, GW_HWNDNEXT)) above = h == raiser;
        const bool topmost = (GetWindowLongA(d.box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        std::printf("%s %d %d %d\n", owner[0] ? owner : "-", above ? 1 : 0, IsWindowEnabled(raiser) ? 1 : 0,
                    topmost ? 1 : 0);
        return 0;
    }
    HWND w = Find(cls);
    if (!w) {
        std::fprintf(stderr, "no window of class %s\n", cls);
        return 1;
    }
    if (cmd == "visible") {
        std::printf("%d\n", IsWindowVisible(w) ? 1 : 0);
    } else if (cmd == "enabled") {
        std::printf("%d\n", IsWindowEnabled(w) ? 1 : 0);
    } else if (cmd == "rect") {
        RECT r{};
        GetWindowRect(w, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    } else if (cmd == "client") {
        POINT origin{0, 0};
        ClientToScreen(w, &origin);
        std::printf("%ld %ld\n", origin.x, origin.y);
    } else if (cmd == "close") {
        PostMessageA(w, WM_CLOSE, 0, 0);
    } else if (cmd == "endsession") {
        SendMessageA(w, WM_QUERYENDSESSION, 0, 0);
        SendMessageA(w, WM_ENDSESSION, TRUE, 0);
    } else if (cmd == "foreground") {
        SetForegroundWindow(w);
    } else if (cmd == "edit") {
        HWND e = FindWindowExA(w, nullptr, "Edit", nullptr);
        std::printf("%s\n", e ? TextOf(e).c_str() : "");
    } else if (cmd == "layered") {
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
        const BOOL ok = GetLayeredWindowAttributes(w, &key, &alpha, &flags);
        std::printf("%d %06lX %u %lu\n", ok ? 1 : 0, static_cast<unsigned long>(key), alpha, flags);
    } else if (cmd == "ticked" && argc > 3) {
        // The box a check list shows on a row (0 unticked, 1 ticked): its state image, which the
        // list asks its owner for in the owner's own process.
        HWND v = FindWindowExA(w, nullptr, "SysListView32", nullptr);
        if (!v) return 1;
        const LRESULT state = SendMessageA(v, 0x102C /* LVM_GETITEMSTATE */, static_cast<WPARAM>(std::atoi(argv[3])),
                                           0xF000 /* LVIS_STATEIMAGEMASK */);
        std::printf("%lld\n", static_cast<long long>(((state & 0xF000) >> 12) - 1));
    } else if (cmd == "boxpoint" && argc > 3) {
        // Screen point of a check list row's box: the row's rectangle is read through memory in
        // the list's process, as the message carries a pointer.
        HWND v = FindWindowExA(w, nullptr, "SysListView32", nullptr);
        DWORD pid = 0;
        if (!v || !GetWindowThreadProcessId(v, &pid)) return 1;
        HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (!process) return 1;
        RECT r{0 /* LVIR_BOUNDS */, 0, 0, 0};
        void* remote = VirtualAllocEx(process, nullptr, sizeof r, MEM_COMMIT, PAGE_READWRITE);
        bool ok = remote && WriteProcessMemory(process, remote, &r, sizeof r, nullptr) &&
                  SendMessageA(v, 0x100E /* LVM_GETITEMRECT */, static_cast<WPARAM>(std::atoi(argv[3])),
                               reinterpret_cast<LPARAM>(remote)) &&
                  ReadProcessMemory(process, remote, &r, sizeof r, nullptr);
        if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
        CloseHandle(process);
        if (!ok) return 1;
        POINT box{r.left + GetSystemMetrics(SM_CXSMICON) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(v, &box);
        std::printf("%ld %ld\n", box.x, box.y);
    } else if (cmd == "listcount" && !FindWindowExA(w, nullptr, "ListBox", nullptr)) {
        HWND v = FindWindowExA(w, nullptr, "SysListView32", nullptr);
        if (!v) return 1;
        std::printf("%lld\n", static_cast<long long>(SendMessageA(v, 0x1004 /* LVM_GETITEMCOUNT */, 0, 0)));
    } else if (cmd == "listsel" || cmd == "listcount") {
        HWND l = FindWindowExA(w, nullptr, "ListBox", nullptr);
        if (!l) return 1;
        const LRESULT r = SendMessageA(l, cmd == "listsel" ? LB_GETCURSEL : LB_GETCOUNT, 0, 0);
        std::printf("%lld\n", static_cast<long long>(r));
    } else if (cmd == "listtext" && argc > 3) {
        // In wide characters, as screen readers ask.
        HWND l = FindWindowExA(w, nullptr, "ListBox", nullptr);
        if (!l) return 1;
        const WPARAM row = static_cast<WPARAM>(std::atoi(argv[3]));
        const LRESULT length = SendMessageW(l, LB_GETTEXTLEN, row, 0);
        if (length == LB_ERR || length < 0) return 1;
        std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
        const LRESULT got = SendMessageW(l, LB_GETTEXT, row, reinterpret_cast<LPARAM>(wide.data()));
        if (got == LB_ERR || got < 0) return 1;
        wide.resize(std::min(static_cast<std::size_t>(got), std::wcslen(wide.c_str())));
        std::printf("%s\n", Utf8(wide).c_str());
    } else if (cmd == "listpoint" && argc > 3) {
        HWND l = FindWindowExA(w, nullptr, "ListBox", nullptr);
        RECT r{}, client{};
        if (!l || SendMessageA(l, LB_GETITEMRECT, static_cast<WPARAM>(std::atoi(argv[3])),
                               reinterpret_cast<LPARAM>(&r)) == LB_ERR) {
            return 1;
        }
        GetClientRect(l, &client);
        POINT mid{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        if (mid.y < client.top || mid.y >= client.bottom) return 1;
        ClientToScreen(l, &mid);
        std::printf("%ld %ld\n", mid.x, mid.y);
    } else if (cmd == "region") {
        HRGN rgn = CreateRectRgn(0, 0, 0, 0);
        const int type = GetWindowRgn(w, rgn);
        RECT box{};
        if (type != ERROR) GetRgnBox(rgn, &box);
        DeleteObject(rgn);
        std::printf("%d %ld %ld %ld %ld\n", type, box.left, box.top, box.right, box.bottom);
    } else if (cmd == "post" && argc > 5) {
        PostMessageA(w, static_cast<UINT>(std::strtoul(argv[3], nullptr, 0)),
                     static_cast<WPARAM>(std::strtoull(argv[4], nullptr, 0)),
                     static_cast<LPARAM>(std::strtoll(argv[5], nullptr, 0)));
    } else if (cmd == "matchtime" && argc > 4) {
        // One WM_SETTEXT is one change of the typed text: the program matches before it returns.
        HWND e = FindWindowExA(w, nullptr, "Edit", nullptr);
        HWND l = FindWindowExA(w, nullptr, "ListBox", nullptr);
        if (!e || !l) return 1;
        const int n = std::max(1, std::atoi(argv[4]));
        double total = 0;
        for (int i = 0; i < n; ++i) {
            SendMessageW(e, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
            const double t0 = Seconds();
            SendMessageW(e, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(argv[3]).c_str()));
            total += Seconds() - t0;
        }
        // The cost of any message sent to the program, for comparison.
        double null_total = 0;
        for (int i = 0; i < n; ++i) {
            const double t0 = Seconds();
            SendMessageA(e, WM_NULL, 0, 0);
            null_total += Seconds() - t0;
        }
        std::printf("%.0f %lld %.0f\n", total / n * 1e6, static_cast<long long>(SendMessageA(l, LB_GETCURSEL, 0, 0)),
                    null_total / n * 1e6);
    } else if (cmd == "closewait") {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
        if (!process) return 1;
        const double t0 = Seconds();
        PostMessageA(w, WM_CLOSE, 0, 0);
        const DWORD r = WaitForSingleObject(process, argc > 3 ? std::atoi(argv[3]) : 120000);
        CloseHandle(process);
        if (r != WAIT_OBJECT_0) return 1;
        std::printf("%.0f\n", (Seconds() - t0) * 1000);
    } else if (cmd == "checked" && argc > 3) {
        HWND b = ChildWithText(w, argv[3]);
        if (!b) return 1;
        std::printf("%d\n", SendMessageA(b, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
    } else if (cmd == "after" && argc > 3) {
        HWND label = ChildWithText(w, argv[3]);
        HWND next = label ? GetWindow(label, GW_HWNDNEXT) : nullptr;
        if (!next) return 1;
        std::printf("%s\n", TextOf(next).c_str());
    } else if (cmd == "textrect" && argc > 3) {
        // The screen rectangle of the control with this text (a button to click).
        HWND c = ChildWithText(w, argv[3]);
        RECT r{};
        if (!c || !GetWindowRect(c, &r)) return 1;
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    } else if (cmd == "before" && argc > 3) {
        HWND c = ChildWithText(w, argv[3]);
        HWND prev = c ? GetWindow(c, GW_HWNDPREV) : nullptr;
        RECT r{};
        if (!prev || !GetWindowRect(prev, &r)) return 1;
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    } else if (cmd == "focus") {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(GetWindowThreadProcessId(w, nullptr), &info) || !info.hwndFocus) return 1;
        char name[64] = {};
        GetClassNameA(info.hwndFocus, name, sizeof name);
        std::printf("%s %s\n", name, TextOf(info.hwndFocus).c_str());
    } else if (cmd == "focushandle") {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(GetWindowThreadProcessId(w, nullptr), &info) || !info.hwndFocus) return 1;
        std::printf("%p\n", static_cast<void*>(info.hwndFocus));
    } else if (cmd == "drop" && argc > 5) {
        const POINT pt{std::atoi(argv[3]), std::atoi(argv[4])};
        void* drop = MakeDrop(w, pt, std::vector<std::string>(argv + 5, argv + argc));
        if (!drop || !PostMessageA(w, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0)) return 1;
    } else if (cmd == "childrect" && argc > 3) {
        HWND c = FindWindowExA(w, nullptr, argv[3], nullptr);
        if (!c) return 1;
        RECT r{};
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&r), 2);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    } else if (cmd == "closekill" && argc > 3) {
        HANDLE process = ProcessOf(w);
        if (!process) return 1;
        const double delay = std::atof(argv[3]) / 1000.0;
        PostMessageA(w, WM_CLOSE, 0, 0);
        const double t0 = Seconds();
        // Sleep(1) for the most of the wait, then a spin for the last millisecond or two.
        bool ended = false;
        while (Seconds() - t0 < delay) {
            if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0) {
                ended = true;
                break;
            }
            if (delay - (Seconds() - t0) > 0.002) Sleep(1);
        }
        if (!ended) ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
        if (!ended) Kill(process);
        CloseHandle(process);
        // An end seen before the kill comes with the time it was seen, an upper bound of the save.
        if (ended)
            std::printf("ended %.0f\n", (Seconds() - t0) * 1000);
        else
            std::printf("killed\n");
    } else if (cmd == "endsessionkill") {
        HANDLE process = ProcessOf(w);
        if (!process) return 1;
        SendMessageA(w, WM_QUERYENDSESSION, 0, 0);
        SendMessageA(w, WM_ENDSESSION, TRUE, 0);
        Kill(process);
        CloseHandle(process);
    } else if (cmd == "editfocus") {
        HWND e = FindWindowExA(w, nullptr, "Edit", nullptr);
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        const bool focus = e && GetForegroundWindow() == w &&
                           GetGUIThreadInfo(GetWindowThreadProcessId(w, nullptr), &info) && info.hwndFocus == e;
        std::printf("%d\n", focus ? 1 : 0);
    } else if (cmd == "editsel") {
        HWND e = FindWindowExA(w, nullptr, "Edit", nullptr);
        if (!e) return 1;
        const auto sel = static_cast<DWORD>(SendMessageA(e, EM_GETSEL, 0, 0));
        std::printf("%u %u\n", static_cast<unsigned>(LOWORD(sel)), static_cast<unsigned>(HIWORD(sel)));
    } else if (cmd == "message" && argc > 5) {
        const LRESULT r = SendMessageA(w, static_cast<UINT>(std::strtoul(argv[3], nullptr, 0)),
                                       static_cast<WPARAM>(std::strtoull(argv[4], nullptr, 0)),
                                       static_cast<LPARAM>(std::strtoll(argv[5], nullptr, 0)));
        std::printf("%lld\n", static_cast<long long>(r));
    } else {
        return 2;
    }
    return 0;
}
