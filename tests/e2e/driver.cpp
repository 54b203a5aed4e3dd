// Test driver for end-to-end runs: finds the program's windows by class and talks to them.
//   vtx_driver wait CLASS [ms]        waits until a window of CLASS exists (exit 0) or times out (1)
//   vtx_driver ready [ms]             waits until the program has finished starting
//   vtx_driver gone CLASS [ms]        waits until no window of CLASS exists
//   vtx_driver visible CLASS          prints 1 or 0
//   vtx_driver rect CLASS             prints left top width height
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
//   vtx_driver msgbox [ms]            waits for a message box, prints its text and presses its first button
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

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

BOOL CALLBACK StaticText(HWND w, LPARAM lp) {
    char name[64] = {};
    GetClassNameA(w, name, sizeof name);
    if (std::strcmp(name, "Static") == 0) {
        char text[1024] = {};
        GetWindowTextA(w, text, sizeof text);
        if (text[0]) *reinterpret_cast<std::string*>(lp) += text;
    }
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string cmd = argv[1];
    const char* cls = argc > 2 ? argv[2] : "";
    if (cmd == "wait") return WaitFor(cls, argc > 3 ? std::atoi(argv[3]) : 10000, true) ? 0 : 1;
    if (cmd == "ready") {
        // Start-up ends by creating the mutex "OVVantrix".
        const int ms = argc > 2 ? std::atoi(argv[2]) : 20000;
        for (int waited = 0; waited <= ms; waited += 50) {
            if (HANDLE m = OpenMutexA(SYNCHRONIZE, FALSE, "OVVantrix")) {
                CloseHandle(m);
                return 0;
            }
            Sleep(50);
        }
        return 1;
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
        HANDLE h = GetClipboardData(CF_TEXT);
        const char* p = h ? static_cast<const char*>(GlobalLock(h)) : nullptr;
        std::printf("%s\n", p ? p : "");
        if (p) GlobalUnlock(h);
        CloseClipboard();
        return 0;
    }
    if (cmd == "settext") {
        if (!OpenClipboard(nullptr)) return 1;
        EmptyClipboard();
        const std::string t = cls;
        HGLOBAL g = GlobalAlloc(GMEM_MOVEABLE, t.size() + 1);
        std::memcpy(GlobalLock(g), t.c_str(), t.size() + 1);
        GlobalUnlock(g);
        SetClipboardData(CF_TEXT, g);
        CloseClipboard();
        return 0;
    }
    if (cmd == "workarea") {
        RECT r{};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
        std::printf("%ld %ld\n", r.right - r.left, r.bottom - r.top);
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
    HWND w = Find(cls);
    if (!w) {
        std::fprintf(stderr, "no window of class %s\n", cls);
        return 1;
    }
    if (cmd == "visible") {
        std::printf("%d\n", IsWindowVisible(w) ? 1 : 0);
    } else if (cmd == "rect") {
        RECT r{};
        GetWindowRect(w, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    } else if (cmd == "close") {
        PostMessageA(w, WM_CLOSE, 0, 0);
    } else if (cmd == "endsession") {
        SendMessageA(w, WM_QUERYENDSESSION, 0, 0);
        SendMessageA(w, WM_ENDSESSION, TRUE, 0);
    } else if (cmd == "foreground") {
        SetForegroundWindow(w);
    } else if (cmd == "edit") {
        HWND e = FindWindowExA(w, nullptr, "Edit", nullptr);
        char text[1024] = {};
        if (e) SendMessageA(e, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        std::printf("%s\n", text);
    } else if (cmd == "layered") {
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
        const BOOL ok = GetLayeredWindowAttributes(w, &key, &alpha, &flags);
        std::printf("%d %06lX %u %lu\n", ok ? 1 : 0, static_cast<unsigned long>(key), alpha, flags);
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
