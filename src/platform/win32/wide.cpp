#include "platform/win32/wide.h"

#include <windows.h>

#include <climits>

#include "platform/utf8.h"

namespace vtx::win32 {
namespace {

std::wstring ToWide(UINT code_page, std::string_view text) {
    if (text.empty() || text.size() > INT_MAX) return {};
    // Most texts are ASCII: they widen byte for byte without a system call.
    if (IsAscii(text)) return std::wstring(text.begin(), text.end());
    const int n = static_cast<int>(text.size());
    const int need = MultiByteToWideChar(code_page, 0, text.data(), n, nullptr, 0);
    if (need <= 0) return {};
    std::wstring out(static_cast<std::size_t>(need), L'\0');
    const int got = MultiByteToWideChar(code_page, 0, text.data(), n, out.data(), need);
    out.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return out;
}

}  // namespace

std::wstring Utf8ToWide(std::string_view text) { return ToWide(CP_UTF8, text); }

std::string WideToUtf8(std::wstring_view text) {
    if (text.empty() || text.size() > INT_MAX / 4) return {};
    bool ascii = true;
    for (const wchar_t c : text) ascii = ascii && c < 0x80;
    if (ascii) {
        std::string out(text.size(), '\0');
        for (std::size_t i = 0; i < text.size(); ++i) out[i] = static_cast<char>(text[i]);
        return out;
    }
    const int n = static_cast<int>(text.size());
    const int need = WideCharToMultiByte(CP_UTF8, 0, text.data(), n, nullptr, 0, nullptr, nullptr);
    if (need <= 0) return {};
    std::string out(static_cast<std::size_t>(need), '\0');
    const int got = WideCharToMultiByte(CP_UTF8, 0, text.data(), n, out.data(), need, nullptr, nullptr);
    out.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return out;
}

std::string WideToUtf8(const wchar_t* text) { return text ? WideToUtf8(std::wstring_view(text)) : std::string(); }

std::string AnsiToUtf8(std::string_view text) { return WideToUtf8(ToWide(CP_ACP, text)); }

}  // namespace vtx::win32
