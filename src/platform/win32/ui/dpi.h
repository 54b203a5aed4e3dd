#pragma once
// Every size on screen is given in pixels at 96 DPI and goes through Scale with the DPI of
// the window that shows it. The program is per-monitor DPI aware: a window moved to a
// monitor of another DPI lays itself out again (WM_DPICHANGED).

#include "platform/win32/windows_api.h"

namespace vtx::ui {

inline constexpr UINT kBaseDpi = 96;

[[nodiscard]] inline int Scale(int px96, UINT dpi) noexcept {
    return MulDiv(px96, static_cast<int>(dpi), static_cast<int>(kBaseDpi));
}
[[nodiscard]] inline int Unscale(int px, UINT dpi) noexcept {
    return dpi ? MulDiv(px, static_cast<int>(kBaseDpi), static_cast<int>(dpi)) : px;
}

// Asks for per-monitor (v2) awareness where the manifest did not already give it.
void EnablePerMonitorDpi() noexcept;
// The DPI a window is shown at; the system's DPI where the system cannot tell per window.
[[nodiscard]] UINT DpiOf(HWND window) noexcept;
// The DPI of the monitor nearest a point of the screen.
[[nodiscard]] UINT DpiAt(POINT screen_point) noexcept;
// Outer window size for a client area, at a DPI.
[[nodiscard]] SIZE WindowSizeFor(SIZE client, DWORD style, DWORD ex_style, UINT dpi) noexcept;

}  // namespace vtx::ui
