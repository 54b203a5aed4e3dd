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

namespace {

// Sorts [first, last) by sort keys: the collation is costly per call (on Windows each call
// converts both texts), so every line gets its key once and the sort compares keys. The
// first eight key bytes are kept beside each entry: most comparisons end there.
void SortByKeys(Lines::iterator first, Lines::iterator last, Text& text) {
    struct Entry {
        std::uint64_t head;  // first key bytes, big-endian, zero-padded
        std::size_t offset;  // into the joined keys
        std::uint32_t length, index;
    };
    const auto n = static_cast<std::size_t>(last - first);
    if (n < 2) return;
    std::size_t text_bytes = 0;
    for (auto l = first; l != last; ++l) text_bytes += l->size();
    std::string keys;
    keys.reserve(text_bytes);  // keys are at least as long as their text in practice
    std::vector<Entry> order;
    order.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::string key = text.SortKey(first[static_cast<std::ptrdiff_t>(i)]);
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
    for (const Entry& e : order) sorted.push_back(std::move(first[e.index]));
    std::move(sorted.begin(), sorted.end(), first);
}

}  // namespace

void Catalogue::Sort(Text& text) {
    const std::size_t n = lines_.size();
    // A saved list is in order (every refill sorts before the save) up to what was added since:
    // one comparison per neighbour finds that ordered start, far cheaper than a key per line.
    std::size_t ordered = 1;
    while (ordered < n && text.CompareNoCase(lines_[ordered - 1], lines_[ordered]) <= 0) ++ordered;
    if (ordered >= n) return;
    const auto begin = lines_.begin(), middle = begin + static_cast<std::ptrdiff_t>(ordered), end = lines_.end();
    if (n - ordered > ordered) {
        SortByKeys(begin, end, text);
        return;
    }
    // The added lines are sorted apart, then merged in from where the first of them belongs.
    // Both steps are stable with the older lines first, so the result is the full sort's.
    SortByKeys(middle, end, text);
    const auto less = [&text](const std::string& a, const std::string& b) { return text.CompareNoCase(a, b) < 0; };
    std::inplace_merge(std::upper_bound(begin, middle, *middle, less), middle, end, less);
}

}  // namespace vtx
