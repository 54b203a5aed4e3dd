#include "platform/win32/ui/folder_browser.h"

#include <shlobj.h>

#include <array>
#include <memory>
#include <type_traits>

namespace vtx::ui {

std::string ChooseFolder(HWND owner, const std::string& title) {
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.lpszTitle = title.c_str();
    struct PidlDeleter {
        void operator()(std::remove_pointer_t<PIDLIST_ABSOLUTE>* p) const noexcept { CoTaskMemFree(p); }
    };
    const std::unique_ptr<std::remove_pointer_t<PIDLIST_ABSOLUTE>, PidlDeleter> chosen(SHBrowseForFolderA(&info));
    std::array<char, MAX_PATH> path{};
    if (!chosen || !SHGetPathFromIDListA(chosen.get(), path.data())) return {};
    return std::string(path.data());
}

}  // namespace vtx::ui
