#include "platform/win32/ui/folder_browser.h"

#include <shlobj.h>

#include <array>
#include <memory>
#include <type_traits>

#include "platform/win32/wide.h"

namespace vtx::ui {

std::string ChooseFolder(HWND owner, const std::string& title) {
    const std::wstring caption = win32::Utf8ToWide(title);
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.lpszTitle = caption.c_str();
    struct PidlDeleter {
        void operator()(std::remove_pointer_t<PIDLIST_ABSOLUTE>* p) const noexcept { CoTaskMemFree(p); }
    };
    const std::unique_ptr<std::remove_pointer_t<PIDLIST_ABSOLUTE>, PidlDeleter> chosen(SHBrowseForFolderW(&info));
    std::array<wchar_t, MAX_PATH> path{};
    if (!chosen || !SHGetPathFromIDListW(chosen.get(), path.data())) return {};
    return win32::WideToUtf8(path.data());
}

}  // namespace vtx::ui
