#pragma once
// The common dialog that asks for one existing file.

#include <windows.h>

#include <string>
#include <string_view>

namespace vtx::ui {

// `filter` is the dialog's list of pairs, each part ended by '\0' ("Bitmap\0*.bmp\0"); an
// empty `default_ext` adds none. The chosen path, or empty text when the user cancelled.
// The program's current folder stays where it was.
[[nodiscard]] std::string ChooseOpenFile(HWND owner, std::string_view filter, const std::string& default_ext = {});

}  // namespace vtx::ui
