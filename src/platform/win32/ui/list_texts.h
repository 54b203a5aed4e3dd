#pragma once
// An owner-data list box (LBS_NODATA) holds no texts: screen readers, and any program that
// reads a list with LB_GETTEXT, meet blank rows. This gives such a list the texts of its rows
// without giving up owner data. The list is marked as one that holds strings, which is what
// makes the system carry LB_GETTEXT to and from another process (the list itself read its
// style when it was made, so it stays owner-data), and its subclass answers LB_GETTEXTLEN and
// LB_GETTEXT from the rows' texts, asked for only when someone reads a row.

#include "platform/win32/windows_api.h"

#include <functional>
#include <optional>
#include <string>

namespace vtx::ui {

// The text of a row, in UTF-8; asked only for rows of the list.
using RowText = std::function<std::string(int row)>;

// Marks a list, once it is made, as one that holds texts.
void MarkHoldsTexts(HWND list);

// For a list that has a subclass of its own: the answer to LB_GETTEXTLEN and LB_GETTEXT;
// nothing for other messages.
[[nodiscard]] std::optional<LRESULT> AnswerRowText(HWND list, UINT msg, WPARAM wp, LPARAM lp, const RowText& text);

// Both, for a list without a subclass.
void GiveRowTexts(HWND list, RowText text);

}  // namespace vtx::ui
