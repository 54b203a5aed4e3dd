// The yardstick of bench/program_bench.sh: the least a tray launcher can be under Wine. A hidden
// application window, a tray icon, Win+Z as a global hotkey and a mutex made last ("ready", as
// vantrix.exe does), and one plain window that the hotkey shows and Escape hides. Typed
// characters go into the window's text and are drawn, so a keystroke has the same way to the
// screen as in the launcher: input queue, WM_CHAR, invalidation, WM_PAINT.
// "vtx_bare_tray.exe libs" first loads the system libraries vantrix.exe imports and starts COM and the
// common controls as it does: the part of the program's footprint that is Wine's libraries. They are
// loaded by name, so that the plain bare program does not import them; "lib:NAME.dll" loads one alone.
#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <string>

namespace {

constexpr UINT kTrayMessage = WM_APP + 1;
constexpr int kHotkeyId = 1;
constexpr char kWindowClass[] = "VtxBareWindow";

std::string g_typed;

LRESULT CALLBACK WindowProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_HOTKEY:
            ShowWindow(w, SW_SHOW);
            SetForegroundWindow(w);
            SetFocus(w);
            return 0;
        case WM_KEYDOWN:
            if (wp == VK_ESCAPE) {
                ShowWindow(w, SW_HIDE);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wp == '\b') {
                if (!g_typed.empty()) g_typed.pop_back();
            } else if (wp >= ' ') {
                g_typed.push_back(static_cast<char>(wp));
            } else {
                return 0;
            }
            // Invalidated before the text changes: whoever sees the new text also sees the paint owed.
            InvalidateRect(w, nullptr, TRUE);
            SetWindowTextA(w, g_typed.c_str());
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(w, &ps);
            RECT r{};
            GetClientRect(w, &r);
            FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
            SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
            DrawTextA(dc, g_typed.c_str(), static_cast<int>(g_typed.size()), &r, DT_LEFT | DT_TOP | DT_SINGLELINE);
            EndPaint(w, &ps);
            return 0;
        }
        case kTrayMessage:
            if (LOWORD(lp) == WM_LBUTTONUP) SendMessageA(w, WM_HOTKEY, kHotkeyId, 0);
            return 0;
        case WM_CLOSE:
            DestroyWindow(w);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcA(w, msg, wp, lp);
}

}  // namespace

// The libraries of vantrix.exe's import table beyond the bare program's, and its first calls into them.
void LoadProgramLibraries() {
    for (const char* name : {"comctl32.dll", "shlwapi.dll", "ole32.dll", "advapi32.dll", "version.dll",
                             "comdlg32.dll", "msimg32.dll"})
        LoadLibraryA(name);
    using CoInit = HRESULT(WINAPI*)(void*, DWORD);
    if (auto co = reinterpret_cast<CoInit>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ole32.dll"), "CoInitializeEx"))))
        co(nullptr, COINIT_APARTMENTTHREADED);
    struct Icc {
        DWORD size, classes;
    } icc{sizeof(Icc), 0x4000 /* ICC_STANDARD_CLASSES */ | 0xFF /* ICC_WIN95_CLASSES */};
    using InitControls = BOOL(WINAPI*)(const Icc*);
    if (auto init = reinterpret_cast<InitControls>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("comctl32.dll"), "InitCommonControlsEx"))))
        init(&icc);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
    if (command_line && std::strstr(command_line, "libs")) LoadProgramLibraries();
    // "lib:NAME.dll": that one library alone, to see what it costs.
    if (const char* one = command_line ? std::strstr(command_line, "lib:") : nullptr) LoadLibraryA(one + 4);
    WNDCLASSEXA app_class{};
    app_class.cbSize = sizeof app_class;
    app_class.lpfnWndProc = DefWindowProcA;
    app_class.hInstance = instance;
    app_class.lpszClassName = "VtxBareApp";
    RegisterClassExA(&app_class);
    HWND app = CreateWindowExA(0, "VtxBareApp", "Bare", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);

    WNDCLASSEXA window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = WindowProc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
    window_class.lpszClassName = kWindowClass;
    RegisterClassExA(&window_class);
    // The launcher's size at 96 DPI, owned by the hidden window so that it has no task-bar button.
    // "layered" and "children" give the window what the launcher's has, to tell what each costs
    // the show: the layered style (for opacity) and an edit box over a list box.
    const bool layered = command_line && std::strstr(command_line, "layered");
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW | (layered ? WS_EX_LAYERED : 0), kWindowClass, "",
                                  WS_POPUP | WS_BORDER | WS_CLIPCHILDREN, 100, 100, 141, 200, app, nullptr, instance,
                                  nullptr);
    if (!app || !window) return 1;
    if (layered) SetLayeredWindowAttributes(window, 0, 255, LWA_ALPHA);
    if (command_line && std::strstr(command_line, "children")) {
        CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 5, 19, 132, 21, window,
                        nullptr, instance, nullptr);
        HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER, 5, 40, 131,
                                    152, window, nullptr, instance, nullptr);
        for (int i = 0; i < 50; ++i) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("shortcut"));
    }

    NOTIFYICONDATAA tray{};
    tray.cbSize = sizeof tray;
    tray.hWnd = window;
    tray.uID = 1;
    tray.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    tray.uCallbackMessage = kTrayMessage;
    tray.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    lstrcpynA(tray.szTip, "Bare", sizeof tray.szTip);
    Shell_NotifyIconA(NIM_ADD, &tray);
    RegisterHotKey(window, kHotkeyId, MOD_WIN, 'Z');
    HANDLE ready = CreateMutexA(nullptr, FALSE, "VtxBareTray");

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    Shell_NotifyIconA(NIM_DELETE, &tray);
    if (ready) CloseHandle(ready);
    DestroyWindow(app);
    return 0;
}
