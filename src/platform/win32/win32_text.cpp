#include "platform/win32/win32_text.h"

#include <windows.h>

namespace vtx::win32 {

std::string Win32Text::ToLower(std::string_view s) {
    std::string out(s);
    if (!out.empty()) CharLowerBuffA(out.data(), static_cast<DWORD>(out.size()));
    return out;
}

std::string Win32Text::ToUpper(std::string_view s) {
    std::string out(s);
    if (!out.empty()) CharUpperBuffA(out.data(), static_cast<DWORD>(out.size()));
    return out;
}

int Win32Text::CompareNoCase(std::string_view a, std::string_view b) {
    const int r = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                                 b.data(), static_cast<int>(b.size()));
    return r == 0 ? 0 : r - CSTR_EQUAL;
}

}  // namespace vtx::win32
