#pragma once
// Small locale-free helpers for texts that are known to be plain ASCII (keys, extensions).

#include <string>
#include <string_view>

namespace vtx {

[[nodiscard]] constexpr char ToLowerAscii(char c) noexcept {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
[[nodiscard]] constexpr char ToUpperAscii(char c) noexcept {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
[[nodiscard]] bool EqualsNoCaseAscii(std::string_view a, std::string_view b) noexcept;
[[nodiscard]] std::string LowerAscii(std::string_view s);
[[nodiscard]] std::string UpperAscii(std::string_view s);
[[nodiscard]] bool EndsWith(std::string_view s, std::string_view tail) noexcept;
[[nodiscard]] bool StartsWith(std::string_view s, std::string_view head) noexcept;
// Drops leading and trailing characters up to and including the blank (control characters and blanks).
[[nodiscard]] std::string TrimBlanks(std::string_view s);
// Decimal integer as the program reads numbers: optional sign, digits, nothing else.
[[nodiscard]] bool ParseInt(std::string_view s, int& out) noexcept;

}  // namespace vtx
