#include "platform/win32/ui/list_texts.h"

#include <utility>

#include "platform/win32/ui/subclass.h"
#include "platform/win32/wide.h"

namespace vtx::ui {

void MarkHoldsTexts(HWND list) {
    const LONG_PTR style = GetWindowLongPtrW(list, GWL_STYLE);
    if (!(style & LBS_HASSTRINGS)) SetWindowLongPtrW(list, GWL_STYLE, style | LBS_HASSTRINGS);
}

std::optional<LRESULT> AnswerRowText(HWND list, UINT msg, WPARAM wp, LPARAM lp, const RowText& text) {
    if (msg != LB_GETTEXTLEN && msg != LB_GETTEXT) return std::nullopt;
    const int row = static_cast<int>(wp);
    if (row < 0 || row >= static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0))) return LB_ERR;
    const std::wstring wide = win32::Utf8ToWide(text(row));
    // The list's procedure is a wide one (the control's, and the subclass's): what reaches it,
    // from this process or another, is in wide characters (the system maps ANSI requests).
    if (IsWindowUnicode(list)) {
        const int n = static_cast<int>(wide.size());
        if (msg == LB_GETTEXTLEN) return n;
        auto* out = reinterpret_cast<wchar_t*>(lp);
        if (!out) return LB_ERR;
        wide.copy(out, wide.size());
        out[n] = L'\0';
        return n;
    }
    // An ANSI list (none of ours): the text through the ANSI code page.
    const int n = wide.empty() ? 0
                               : WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                                     0, nullptr, nullptr);
    if (msg == LB_GETTEXT) {
        auto* out = reinterpret_cast<char*>(lp);
        if (!out) return LB_ERR;
        if (n > 0) WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), out, n, nullptr, nullptr);
        out[n > 0 ? n : 0] = '\0';
    }
    return n;
}

void GiveRowTexts(HWND list, RowText text) {
    MarkHoldsTexts(list);
    Subclass(list, [list, text = std::move(text)](UINT msg, WPARAM wp, LPARAM lp) {
        return AnswerRowText(list, msg, wp, lp, text);
    });
}

}  // namespace vtx::ui
