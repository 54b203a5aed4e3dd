#pragma once
// The text of a window or control, as UTF-8.

#include <windows.h>

#include <string>

namespace vtx::win32 {

[[nodiscard]] std::string WindowText(HWND w);

}  // namespace vtx::win32
