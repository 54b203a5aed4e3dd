#include "catalogue/catalogue.h"

#include <algorithm>

namespace vtx {

std::string Catalogue::GetShPart(int index, int col) const { return std::string(FieldOf(line(index), col)); }

void Catalogue::SetShPart(int index, int col, std::string_view text) {
    auto& l = lines_.at(static_cast<std::size_t>(index));
    l = WithField(l, col, text);
}

void Catalogue::Delete(int index) {
    if (index >= 0 && index < size()) lines_.erase(lines_.begin() + index);
}

void Catalogue::Sort(Text& text) {
    std::sort(lines_.begin(), lines_.end(),
              [&text](const std::string& a, const std::string& b) { return text.CompareNoCase(a, b) < 0; });
}

}  // namespace vtx
