#pragma once
// UTF-8 is the program's text inside; these helpers never split a character.

#include <cstddef>
#include <string>
#include <string_view>

namespace vtx {

// True when every byte belongs to a well-formed UTF-8 sequence (no overlong forms, no
// surrogates, nothing past U+10FFFF). Plain ASCII is valid.
[[nodiscard]] bool IsValidUtf8(std::string_view s) noexcept;

// True when every byte is below 0x80: such text is the same in every code page.
[[nodiscard]] bool IsAscii(std::string_view s) noexcept;

// The number of characters (code points); a stray byte counts as one.
[[nodiscard]] std::size_t Utf8Length(std::string_view s) noexcept;

// The first max_chars characters of s (all of s when it has no more).
[[nodiscard]] std::string_view Utf8Prefix(std::string_view s, std::size_t max_chars) noexcept;

// The longest start of s of at most max_bytes bytes that ends on a character boundary.
[[nodiscard]] std::string_view Utf8CutBytes(std::string_view s, std::size_t max_bytes) noexcept;

// Appends the UTF-8 form of one code point.
void AppendUtf8(std::string& out, char32_t c);

// The code point starting at i, i moved past it; a byte that starts no well-formed
// sequence is returned as itself (0x80..0xFF) and passed alone.
[[nodiscard]] char32_t NextCodePoint(std::string_view s, std::size_t& i) noexcept;

// The byte order mark some editors put at the start of a UTF-8 file.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The text of a file's bytes: UTF-8 when they are valid UTF-8 (a leading byte order mark
// dropped), else text in the system's ANSI code page, converted by ansi_to_utf8.
template <typename AnsiToUtf8>
[[nodiscard]] std::string DecodeTextFile(std::string bytes, AnsiToUtf8&& ansi_to_utf8) {
    std::string_view body = bytes;
    const bool bom = body.substr(0, kUtf8Bom.size()) == kUtf8Bom;
    if (bom) body.remove_prefix(kUtf8Bom.size());
    if (IsValidUtf8(body)) return bom ? std::string(body) : std::move(bytes);
    return ansi_to_utf8(body);
}

}  // namespace vtx
