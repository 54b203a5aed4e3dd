#pragma once
// The one place where the program's UTF-8 text meets the system's UTF-16.

#include <string>
#include <string_view>

namespace vtx::win32 {

// UTF-8 as UTF-16; a byte that is no UTF-8 becomes U+FFFD.
[[nodiscard]] std::wstring Utf8ToWide(std::string_view text);
// UTF-16 as UTF-8; a lone surrogate becomes U+FFFD.
[[nodiscard]] std::string WideToUtf8(std::wstring_view text);
// A zero-ended UTF-16 text (nullptr gives "").
[[nodiscard]] std::string WideToUtf8(const wchar_t* text);
// Text in the ANSI code page (CP_ACP) as UTF-8.
[[nodiscard]] std::string AnsiToUtf8(std::string_view text);

}  // namespace vtx::win32
