#pragma once
// The Catalogue: every shortcut line, held in memory for the whole run. Positions are
// valid until the next sort (FillMainListBox), which reorders the lines.

#include <string>
#include <string_view>

#include "catalogue/shortcut_record.h"
#include "platform/platform.h"
#include "platform/text_file.h"

namespace vtx {

class Catalogue {
public:
    [[nodiscard]] const Lines& lines() const noexcept { return lines_; }
    [[nodiscard]] Lines& lines() noexcept { return lines_; }
    [[nodiscard]] int size() const noexcept { return static_cast<int>(lines_.size()); }
    [[nodiscard]] const std::string& line(int index) const { return lines_.at(static_cast<std::size_t>(index)); }

    // Field `col` of the line at `index`; missing fields read as empty text.
    [[nodiscard]] std::string GetShPart(int index, int col) const;
    // Replaces one field and stores the line back in its 24-field form. No re-sort.
    void SetShPart(int index, int col, std::string_view text);

    void Append(std::string line) { lines_.push_back(std::move(line)); }
    void Delete(int index);
    void Clear() noexcept { lines_.clear(); }

    // Sorts the lines by whole text, case ignored, in the user's collation.
    void Sort(Text& text);

private:
    Lines lines_;
};

}  // namespace vtx
