#include "platform/win32/ui/open_file_dialog.h"

#include <commdlg.h>

#include <array>

namespace vtx::ui {

std::string ChooseOpenFile(HWND owner, std::string_view filter, const std::string& default_ext) {
    // The dialog reads the filter up to its double '\0'.
    const std::string filters = std::string(filter) + '\0';
    std::array<char, 4096> path{};
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filters.c_str();
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = static_cast<DWORD>(path.size());
    ofn.lpstrDefExt = default_ext.empty() ? nullptr : default_ext.c_str();
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    return GetOpenFileNameA(&ofn) ? std::string(path.data()) : std::string();
}

}  // namespace vtx::ui
