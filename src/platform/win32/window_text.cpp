#include "platform/win32/window_text.h"

#include "platform/win32/wide.h"

namespace vtx::win32 {

std::string WindowText(HWND w) {
    const int n = GetWindowTextLengthW(w);
    if (n <= 0) return {};
    std::wstring s(static_cast<std::size_t>(n) + 1, L'\0');
    const int got = GetWindowTextW(w, s.data(), n + 1);
    s.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return WideToUtf8(s);
}

}  // namespace vtx::win32
