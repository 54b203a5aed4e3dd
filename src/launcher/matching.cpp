#include "launcher/matching.h"

#include "platform/ascii.h"
#include "platform/trace.h"

namespace vtx {

bool Matcher::Edit2Change(const std::string& edit_text) { return Match(edit_text, false); }

bool Matcher::Edit1Change(const std::string& edit_text) {
    Trace("Form1.Edit1Change");
    return Match(edit_text, true);
}

bool Matcher::Match(const std::string& edit_text, bool blank_selects_first) {
    selected_ = -1;
    // Only the typed side is lower-cased: names are compared as stored.
    const std::string q = TrimBlanks(text_.ToLower(edit_text));
    labels_.shname = edit_text;
    if (q.empty()) {
        labels_.shname.clear();
        if (!blank_selects_first) {
            labels_ = CoolLabels{};
            return false;
        }
    }
    const int row = list_.FirstRowStartingWith(q);
    if (row < 0) return false;  // the other labels keep what they showed
    selected_ = row;
    labels_.shinfo = std::string(list_.Name(row));
    labels_.shinfoleft = std::string(list_.Name(row - 1));   // empty before the first row
    labels_.shinforight = std::string(list_.Name(row + 1));  // empty after the last row
    return true;
}

void Matcher::MoveUp() noexcept {
    if (selected_ > 0) --selected_;
}

void Matcher::MoveDown() noexcept {
    if (selected_ >= 0 && selected_ + 1 < list_.size()) ++selected_;
}

void Matcher::Select(int row) noexcept { selected_ = (row >= 0 && row < list_.size()) ? row : -1; }

}  // namespace vtx
