#pragma once
// The shell's folder browser.

#include <windows.h>

#include <string>

namespace vtx::ui {

// The chosen folder's path, or empty text when the user cancelled or chose no file-system folder.
[[nodiscard]] std::string ChooseFolder(HWND owner, const std::string& title);

}  // namespace vtx::ui
