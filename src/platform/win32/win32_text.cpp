#include "platform/win32/win32_text.h"

#include <windows.h>

#include <climits>

#include "platform/ascii.h"
#include "platform/utf8.h"
#include "platform/win32/wide.h"

namespace vtx::win32 {
namespace {

// LCMapStringW's simple case mapping (no linguistic casing) of a text.
std::string MapCase(std::string_view s, DWORD flag) {
    std::wstring wide = Utf8ToWide(s);
    if (wide.empty() || wide.size() > INT_MAX) return std::string(s);
    const int n = static_cast<int>(wide.size());
    std::wstring out(wide.size(), L'\0');
    const int got = LCMapStringW(LOCALE_USER_DEFAULT, flag, wide.data(), n, out.data(), n);
    if (got <= 0) return std::string(s);
    out.resize(static_cast<std::size_t>(got));
    return WideToUtf8(out);
}

}  // namespace

// Without LCMAP_LINGUISTIC_CASING the mapping of A..Z is the same in every locale, so ASCII
// text takes the short way with the same answer.
std::string Win32Text::ToLower(std::string_view s) {
    if (IsAscii(s)) return LowerAscii(s);
    return MapCase(s, LCMAP_LOWERCASE);
}

std::string Win32Text::ToUpper(std::string_view s) {
    if (IsAscii(s)) return UpperAscii(s);
    return MapCase(s, LCMAP_UPPERCASE);
}

int Win32Text::CompareNoCase(std::string_view a, std::string_view b) {
    const std::wstring wa = Utf8ToWide(a), wb = Utf8ToWide(b);
    const int r = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wa.data(), static_cast<int>(wa.size()),
                                 wb.data(), static_cast<int>(wb.size()));
    return r == 0 ? 0 : r - CSTR_EQUAL;
}

std::string Win32Text::SortKey(std::string_view s) {
    // The empty text has no key of its own; nothing sorts before it, so the empty key fits.
    if (s.empty()) return {};
    const std::wstring wide = Utf8ToWide(s);
    const int src = static_cast<int>(wide.size());
    constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
    // Making a key is the costly part of a sort: one call into room that fits the keys of
    // ordinary text, and the size asked first only for a key longer than that.
    std::string key(wide.size() * 6 + 32, '\0');
    // With LCMAP_SORTKEY the destination is bytes, whatever its declared type.
    int written = LCMapStringW(LOCALE_USER_DEFAULT, kFlags, wide.data(), src, reinterpret_cast<LPWSTR>(key.data()),
                               static_cast<int>(key.size()));
    if (written <= 0) {
        const int size = LCMapStringW(LOCALE_USER_DEFAULT, kFlags, wide.data(), src, nullptr, 0);
        // Not expected for valid input; the text itself still gives a well-defined place.
        if (size <= 0) return std::string(s);
        key.assign(static_cast<std::size_t>(size), '\0');
        written = LCMapStringW(LOCALE_USER_DEFAULT, kFlags, wide.data(), src, reinterpret_cast<LPWSTR>(key.data()),
                               size);
    }
    // The key ends with a NUL byte that belongs to no weight.
    key.resize(written > 0 ? static_cast<std::size_t>(written - 1) : 0);
    return key;
}

}  // namespace vtx::win32
