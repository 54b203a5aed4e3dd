#include "platform/win32/ui/open_file_dialog.h"

#include <commdlg.h>

#include <array>

#include "platform/win32/wide.h"

namespace vtx::ui {

std::string ChooseOpenFile(HWND owner, std::string_view filter, const std::string& default_ext) {
    // The dialog reads the filter up to its double '\0'.
    const std::wstring filters = win32::Utf8ToWide(filter) + L'\0';
    const std::wstring ext = win32::Utf8ToWide(default_ext);
    std::array<wchar_t, 4096> path{};
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filters.c_str();
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = static_cast<DWORD>(path.size());
    ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    // The wide dialog: a file named in any script comes back whole.
    return GetOpenFileNameW(&ofn) ? win32::WideToUtf8(path.data()) : std::string();
}

}  // namespace vtx::ui
