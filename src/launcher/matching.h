#pragma once
// Matching the typed text against the result list, and the selection it moves.
// The window forwards the edit box's change, Up/Down and mouse selection here, then
// shows `selected()` in the list and the four labels in cool mode.

#include <string>

#include "app/main_view.h"

#include "app/result_list.h"
#include "platform/platform.h"

namespace vtx {

class Matcher {
public:
    Matcher(const ResultList& list, Text& text) noexcept : list_(list), text_(text) {}

    // Change of the edit box's text, whoever changed it. True when a row was selected:
    // the window then scrolls it into view and gives the focus to the edit box.
    bool Edit2Change(const std::string& edit_text);
    // The same matching entered directly (after a quick add); a blank text selects the
    // first row instead of emptying the labels.
    bool Edit1Change(const std::string& edit_text);

    // Up and Down in the edit box: one row, never past either end, never from nothing.
    void MoveUp() noexcept;
    void MoveDown() noexcept;
    // A mouse selection (left click, right button released); -1 or a row outside the
    // list selects nothing. The labels stay.
    void Select(int row) noexcept;
    // After a refill of the list: nothing selected; labels and typed text untouched.
    void Clear() noexcept { selected_ = -1; }

    [[nodiscard]] int selected() const noexcept { return selected_; }
    [[nodiscard]] const CoolLabels& labels() const noexcept { return labels_; }

private:
    bool Match(const std::string& edit_text, bool blank_selects_first);

    const ResultList& list_;
    Text& text_;
    int selected_ = -1;
    CoolLabels labels_;
};

// The row under a point `y` pixels below the top of the list's client area, given the
// row height and the first visible row; -1 above the list or below its last row.
[[nodiscard]] constexpr int RowAt(int y, int item_height, int top_index, int row_count) noexcept {
    if (y < 0 || item_height <= 0 || top_index < 0) return -1;
    const int row = top_index + y / item_height;
    return row < row_count ? row : -1;
}

}  // namespace vtx
