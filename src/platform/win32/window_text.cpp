#include "platform/win32/window_text.h"

namespace vtx::win32 {

std::string WindowText(HWND w) {
    const int n = GetWindowTextLengthA(w);
    std::string s(static_cast<std::size_t>(n) + 1, '\0');
    const int got = GetWindowTextA(w, s.data(), n + 1);
    s.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return s;
}

}  // namespace vtx::win32
