#pragma once
// The text of a window or control.

#include <windows.h>

#include <string>

namespace vtx::win32 {

[[nodiscard]] std::string WindowText(HWND w);

}  // namespace vtx::win32
