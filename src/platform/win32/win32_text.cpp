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

std::string Win32Text::SortKey(std::string_view s) {
    // The empty text has no key of its own; nothing sorts before it, so the empty key fits.
    if (s.empty()) return {};
    const int src = static_cast<int>(s.size());
    const int size = LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, s.data(), src, nullptr, 0);
    // Not expected for valid input; the text itself still gives a well-defined place.
    if (size <= 0) return std::string(s);
    std::string key(static_cast<std::size_t>(size), '\0');
    const int written =
        LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, s.data(), src, key.data(), size);
    // The key ends with a NUL byte that belongs to no weight.
    key.resize(written > 0 ? static_cast<std::size_t>(written - 1) : 0);
    return key;
}

}  // namespace vtx::win32
