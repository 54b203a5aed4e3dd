#include "platform/win32/ui/list_strings.h"

#include "platform/win32/wide.h"

namespace vtx::ui {

LRESULT SendText(HWND w, UINT msg, WPARAM wp, std::string_view text) {
    const std::wstring wide = win32::Utf8ToWide(text);
    return SendMessageW(w, msg, wp, reinterpret_cast<LPARAM>(wide.c_str()));
}

void FillStrings(HWND w, const std::vector<std::string>& items, UINT reset, UINT add) {
    SendMessageW(w, reset, 0, 0);
    for (const auto& s : items) SendText(w, add, 0, s);
}

std::string ItemText(HWND w, int i, UINT len_msg, UINT text_msg) {
    const LRESULT len = SendMessageW(w, len_msg, static_cast<WPARAM>(i), 0);
    if (len <= 0) return {};
    std::wstring text(static_cast<std::size_t>(len) + 1, L'\0');
    const LRESULT got = SendMessageW(w, text_msg, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got > 0 && got <= len ? static_cast<std::size_t>(got) : 0);
    return win32::WideToUtf8(text);
}

}  // namespace vtx::ui
