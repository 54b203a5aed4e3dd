#include "platform/utf8.h"

#include <cstdint>
#include <cstring>

namespace vtx {

namespace {
constexpr bool IsContinuation(unsigned char c) noexcept { return (c & 0xC0) == 0x80; }

// Eight bytes at a time while the text is ASCII: most lists are.
std::size_t AsciiRun(const unsigned char* p, std::size_t n) noexcept {
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, p + i, 8);
        if (word & 0x8080808080808080ull) break;
    }
    while (i < n && p[i] < 0x80) ++i;
    return i;
}
// Where the character at i ends: a lead byte takes the continuation bytes after it (at
// most three); any other byte is a character of its own.
std::size_t NextChar(std::string_view s, std::size_t i) noexcept {
    const auto lead = static_cast<unsigned char>(s[i]);
    const std::size_t tail = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    ++i;
    for (std::size_t k = 0; k < tail && i < s.size() && IsContinuation(static_cast<unsigned char>(s[i])); ++k) ++i;
    return i;
}
}  // namespace

bool IsAscii(std::string_view s) noexcept {
    return AsciiRun(reinterpret_cast<const unsigned char*>(s.data()), s.size()) == s.size();
}

bool IsValidUtf8(std::string_view s) noexcept {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const std::size_t n = s.size();
    std::size_t i = 0;
    while (i < n) {
        i += AsciiRun(p + i, n - i);
        if (i == n) break;
        const unsigned char c = p[i];
        std::size_t len;
        unsigned char lo = 0x80, hi = 0xBF;  // the allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF) len = 2;
        else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            if (c == 0xE0) lo = 0xA0;       // overlong
            else if (c == 0xED) hi = 0x9F;  // surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            if (c == 0xF0) lo = 0x90;       // overlong
            else if (c == 0xF4) hi = 0x8F;  // past U+10FFFF
        } else {
            return false;
        }
        if (n - i < len || p[i + 1] < lo || p[i + 1] > hi) return false;
        for (std::size_t k = 2; k < len; ++k)
            if (!IsContinuation(p[i + k])) return false;
        i += len;
    }
    return true;
}

std::size_t Utf8Length(std::string_view s) noexcept {
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size(); i = NextChar(s, i)) ++count;
    return count;
}

std::string_view Utf8Prefix(std::string_view s, std::size_t max_chars) noexcept {
    std::size_t i = 0;
    for (std::size_t chars = 0; i < s.size() && chars < max_chars; ++chars) i = NextChar(s, i);
    return s.substr(0, i);
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t NextCodePoint(std::string_view s, std::size_t& i) noexcept {
    const std::size_t start = i;
    const std::size_t end = NextChar(s, i);
    const auto lead = static_cast<unsigned char>(s[start]);
    i = start + 1;
    if (lead < 0x80) return lead;
    if (!IsValidUtf8(s.substr(start, end - start)) || end - start < 2) return lead;
    char32_t c = lead & (end - start == 2 ? 0x1F : end - start == 3 ? 0x0F : 0x07);
    for (std::size_t k = start + 1; k < end; ++k) c = (c << 6) | (static_cast<unsigned char>(s[k]) & 0x3F);
    i = end;
    return c;
}

std::string_view Utf8CutBytes(std::string_view s, std::size_t max_bytes) noexcept {
    if (s.size() <= max_bytes) return s;
    // The character that the cut would split starts at most three bytes earlier.
    std::size_t start = max_bytes;
    for (int k = 0; k < 3 && start > 0 && IsContinuation(static_cast<unsigned char>(s[start])); ++k) --start;
    return s.substr(0, NextChar(s, start) > max_bytes ? start : max_bytes);
}

}  // namespace vtx
