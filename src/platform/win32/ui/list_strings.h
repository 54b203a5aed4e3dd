#pragma once
// Texts in and out of list boxes and combo boxes, in UTF-8 (the controls hold UTF-16).

#include "platform/win32/windows_api.h"

#include <string>
#include <string_view>
#include <vector>

namespace vtx::ui {

// Sends a message that carries a text in lParam (LB_ADDSTRING, CB_ADDSTRING, CB_FINDSTRINGEXACT...).
LRESULT SendText(HWND w, UINT msg, WPARAM wp, std::string_view text);

// Empties the list (`reset`) and adds the items in order (`add`).
void FillStrings(HWND w, const std::vector<std::string>& items, UINT reset, UINT add);

// Item i's text through its length and text messages (LB_GETTEXTLEN/LB_GETTEXT, CB_GETLBTEXTLEN/CB_GETLBTEXT).
[[nodiscard]] std::string ItemText(HWND w, int i, UINT len_msg, UINT text_msg);

}  // namespace vtx::ui
