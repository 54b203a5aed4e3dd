#include "platform/win32/ui/dpi.h"

namespace vtx::ui {
namespace {

// Present from Windows 10 1607 on (and in Wine); looked up so the program still runs on
// systems without them.
template <class F>
F UserFunction(const char* name) noexcept {
    HMODULE user = GetModuleHandleW(L"user32.dll");
    return user ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(user, name))) : nullptr;
}

UINT SystemDpi() noexcept {
    HDC dc = GetDC(nullptr);
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : static_cast<int>(kBaseDpi);
    if (dc) ReleaseDC(nullptr, dc);
    return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}

}  // namespace

void EnablePerMonitorDpi() noexcept {
    using SetContext = BOOL(WINAPI*)(HANDLE);
    if (auto set = UserFunction<SetContext>("SetProcessDpiAwarenessContext")) {
        // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2; refused when the manifest already decided.
        if (set(reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-4)))) return;
        if (GetLastError() == ERROR_ACCESS_DENIED) return;
    }
    using SetAware = BOOL(WINAPI*)();
    if (auto aware = UserFunction<SetAware>("SetProcessDPIAware")) aware();
}

UINT DpiOf(HWND window) noexcept {
    using GetDpi = UINT(WINAPI*)(HWND);
    static const auto get = UserFunction<GetDpi>("GetDpiForWindow");
    if (get && window) {
        const UINT dpi = get(window);
        if (dpi) return dpi;
    }
    return SystemDpi();
}

UINT DpiAt(POINT pt) noexcept {
    using GetMonitorDpi = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto get = [] {
        HMODULE shcore = LoadLibraryW(L"shcore.dll");
        return shcore ? reinterpret_cast<GetMonitorDpi>(reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")))
                      : nullptr;
    }();
    UINT x = 0, y = 0;
    if (get && SUCCEEDED(get(MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST), 0, &x, &y)) && y) return y;
    return SystemDpi();
}

SIZE WindowSizeFor(SIZE client, DWORD style, DWORD ex_style, UINT dpi) noexcept {
    RECT r{0, 0, client.cx, client.cy};
    using Adjust = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjust = UserFunction<Adjust>("AdjustWindowRectExForDpi");
    if (!adjust || !adjust(&r, style, FALSE, ex_style, dpi)) AdjustWindowRectEx(&r, style, FALSE, ex_style);
    return {r.right - r.left, r.bottom - r.top};
}

}  // namespace vtx::ui
