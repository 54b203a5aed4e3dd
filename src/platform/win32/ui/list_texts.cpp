#include "platform/win32/ui/list_texts.h"

#include <cstring>
#include <utility>

#include "platform/win32/ui/subclass.h"

namespace vtx::ui {

void MarkHoldsTexts(HWND list) {
    const LONG_PTR style = GetWindowLongPtrA(list, GWL_STYLE);
    if (!(style & LBS_HASSTRINGS)) SetWindowLongPtrA(list, GWL_STYLE, style | LBS_HASSTRINGS);
}

std::optional<LRESULT> AnswerRowText(HWND list, UINT msg, WPARAM wp, LPARAM lp, const RowText& text) {
    if (msg != LB_GETTEXTLEN && msg != LB_GETTEXT) return std::nullopt;
    const int row = static_cast<int>(wp);
    if (row < 0 || row >= static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0))) return LB_ERR;
    const std::string ansi = text(row);
    // The list's procedure is a wide one (the control's, and the subclass's): what reaches it,
    // from this process or another, is in wide characters (the system maps ANSI requests).
    if (IsWindowUnicode(list)) {
        const int n = ansi.empty() ? 0
                                   : MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                                                         nullptr, 0);
        if (msg == LB_GETTEXTLEN) return n;
        auto* out = reinterpret_cast<wchar_t*>(lp);
        if (!out) return LB_ERR;
        if (n > 0) MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), out, n);
        out[n] = L'\0';
        return n;
    }
    if (msg == LB_GETTEXT) {
        auto* out = reinterpret_cast<char*>(lp);
        if (!out) return LB_ERR;
        std::memcpy(out, ansi.c_str(), ansi.size() + 1);
    }
    return static_cast<LRESULT>(ansi.size());
}

void GiveRowTexts(HWND list, RowText text) {
    MarkHoldsTexts(list);
    Subclass(list, [list, text = std::move(text)](UINT msg, WPARAM wp, LPARAM lp) {
        return AnswerRowText(list, msg, wp, lp, text);
    });
}

}  // namespace vtx::ui
