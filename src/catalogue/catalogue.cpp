#include "catalogue/catalogue.h"

#include <algorithm>
#include <cstdint>
#include <vector>

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
    // The collation is costly per call (on Windows each call converts both texts), so every
    // line gets its sort key once and the sort compares keys. The first eight key bytes are
    // kept beside each entry: most comparisons end there without touching the key text.
    struct Entry {
        std::uint64_t head;  // first key bytes, big-endian, zero-padded
        std::size_t offset;  // into the joined keys
        std::uint32_t length, index;
    };
    const std::size_t n = lines_.size();
    if (n < 2) return;
    std::size_t text_bytes = 0;
    for (const auto& l : lines_) text_bytes += l.size();
    std::string keys;
    keys.reserve(text_bytes);  // keys are at least as long as their text in practice
    std::vector<Entry> order;
    order.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::string key = text.SortKey(lines_[i]);
        std::uint64_t head = 0;
        for (std::size_t b = 0; b < 8; ++b)
            head = (head << 8) | (b < key.size() ? static_cast<unsigned char>(key[b]) : 0u);
        order.push_back({head, keys.size(), static_cast<std::uint32_t>(key.size()),
                         static_cast<std::uint32_t>(i)});
        keys += key;
    }
    const std::string_view all(keys);
    std::sort(order.begin(), order.end(), [all](const Entry& a, const Entry& b) {
        // Zero padding makes a short key's head tie with a longer key that has zero bytes
        // there, so a tie still needs the full keys.
        if (a.head != b.head) return a.head < b.head;
        const std::string_view ka = all.substr(a.offset, a.length), kb = all.substr(b.offset, b.length);
        if (ka != kb) return ka < kb;
        // Lines the collation calls equal ("Notes" and "notes") keep their order, so sorting a
        // sorted list (every refill, every load of a saved list) never reorders it.
        return a.index < b.index;
    });
    Lines sorted;
    sorted.reserve(n);
    for (const Entry& e : order) sorted.push_back(std::move(lines_[e.index]));
    lines_.swap(sorted);
}

}  // namespace vtx
