#include "app/result_list.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "catalogue/shortcut_record.h"

namespace vtx {
namespace {
// One pass over a record line: its `name`, and whether its `vis` is exactly "0". The
// refill does this for every line, so it avoids cutting the line field by field.
struct NameAndVisibility {
    std::string_view name;
    bool hidden = false;
};
NameAndVisibility ScanLine(std::string_view line) noexcept {
    NameAndVisibility out;
    out.name = line;
    int field = 0;
    std::size_t field_start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] != '|') continue;
        if (field == kName) out.name = line.substr(0, i);
        if (field == kVis) {
            out.hidden = line.substr(field_start, i - field_start) == "0";
            break;
        }
        ++field;
        field_start = i + 1;
    }
    return out;
}

// The first eight bytes of a name as one big-endian number, short names padded with
// zeros. Two names whose keys differ are in the same order as their bytes; only equal
// keys need the whole names compared.
std::uint64_t PrefixKey(std::string_view name) noexcept {
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < 8; ++i)
        key = (key << 8) | (i < name.size() ? static_cast<unsigned char>(name[i]) : 0u);
    return key;
}
}  // namespace

void ResultList::Fill(const Catalogue& catalogue, Text& text) {
    catalogue_ = &catalogue;
    rows_.clear();
    lowered_.clear();
    const auto& lines = catalogue.lines();
    rows_.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto [name, hidden] = ScanLine(lines[i]);
        if (hidden) continue;
        rows_.push_back({static_cast<int>(i), static_cast<unsigned>(lowered_.size()), static_cast<unsigned>(name.size())});
        lowered_ += name;
    }
    // One call for every name: lower-casing is per character, so the offsets still hold.
    std::string lower = text.ToLower(lowered_);
    if (lower.size() == lowered_.size()) {
        lowered_ = std::move(lower);
    } else {
        // A few letters change their length in UTF-8 when lowered (U+0130, U+023A): lower
        // name by name then, and keep a name that would move the offsets as it is.
        for (const Row& row : rows_) {
            const std::string one = text.ToLower(NameAt(row));
            if (one.size() == row.name_size) lowered_.replace(row.name_offset, row.name_size, one);
        }
    }
    BuildIndex();
}

void ResultList::BuildIndex() {
    const std::size_t n = rows_.size();
    struct Entry {
        std::uint64_t key;
        int row;
    };
    std::vector<Entry> entries(n);
    for (std::size_t r = 0; r < n; ++r) entries[r] = {PrefixKey(KeyAt(rows_[r])), static_cast<int>(r)};
    std::sort(entries.begin(), entries.end(), [this](const Entry& a, const Entry& b) {
        if (a.key != b.key) return a.key < b.key;
        const int c = KeyAt(rows_[static_cast<std::size_t>(a.row)]).compare(KeyAt(rows_[static_cast<std::size_t>(b.row)]));
        return c != 0 ? c < 0 : a.row < b.row;
    });
    by_name_.resize(n);
    for (std::size_t i = 0; i < n; ++i) by_name_[i] = entries[i].row;
    // Leaves at n + i hold by_name_[i]; each inner node the smaller of its two children.
    min_row_.assign(2 * n, 0);
    std::copy(by_name_.begin(), by_name_.end(), min_row_.begin() + static_cast<std::ptrdiff_t>(n));
    for (std::size_t i = n; i-- > 1;) min_row_[i] = std::min(min_row_[2 * i], min_row_[2 * i + 1]);
}

const std::string& ResultList::Line(int row) const noexcept {
    static const std::string kNone;
    const int index = CatalogueIndex(row);
    if (index < 0 || index >= catalogue_->size()) return kNone;
    return catalogue_->lines()[static_cast<std::size_t>(index)];
}

std::string_view ResultList::NameAt(const Row& row) const noexcept {
    const auto index = static_cast<std::size_t>(row.catalogue_index);
    if (!catalogue_ || index >= catalogue_->lines().size()) return {};
    return std::string_view(catalogue_->lines()[index]).substr(0, row.name_size);
}

std::string_view ResultList::Name(int row) const noexcept {
    if (row < 0 || row >= size()) return {};
    return NameAt(rows_[static_cast<std::size_t>(row)]);
}

int ResultList::CatalogueIndex(int row) const noexcept {
    if (row < 0 || row >= size()) return -1;
    return rows_[static_cast<std::size_t>(row)].catalogue_index;
}

int ResultList::FirstRowStartingWith(std::string_view prefix) const noexcept {
    if (rows_.empty()) return -1;
    if (prefix.empty()) return 0;
    auto name_of = [this](int row) { return KeyAt(rows_[static_cast<std::size_t>(row)]); };
    // Names that begin with the prefix stand together in byte order, from the first
    // name not below the prefix.
    const auto lo = std::lower_bound(by_name_.begin(), by_name_.end(), prefix,
                                     [&](int row, std::string_view p) { return name_of(row) < p; });
    const auto hi = std::partition_point(lo, by_name_.end(),
                                         [&](int row) { return name_of(row).substr(0, prefix.size()) == prefix; });
    if (lo == hi) return -1;
    // Smallest row over [l, r) of by_name_, walking the segment tree bottom-up.
    const std::size_t n = by_name_.size();
    std::size_t l = static_cast<std::size_t>(lo - by_name_.begin()) + n;
    std::size_t r = static_cast<std::size_t>(hi - by_name_.begin()) + n;
    int best = size();
    for (; l < r; l /= 2, r /= 2) {
        if (l & 1) best = std::min(best, min_row_[l++]);
        if (r & 1) best = std::min(best, min_row_[--r]);
    }
    return best;
}

void FillMainListBox(Catalogue& catalogue, Text& text, ResultList& list) {
    catalogue.Sort(text);
    list.Fill(catalogue, text);
}

// ---------------------------------------------------------------- drawing a row

std::optional<Rgb> ColorLabelRgb(std::string_view color) noexcept {
    struct Label {
        std::string_view name;
        Rgb rgb;
    };
    static constexpr std::array<Label, 7> kLabels{{
        {"Red", {255, 148, 137}},
        {"Orange", {253, 197, 117}},
        {"Yellow", {245, 232, 118}},
        {"Green", {200, 227, 126}},
        {"Blue", {140, 196, 253}},
        {"Purple", {217, 180, 228}},
        {"Gray", {198, 198, 198}},
    }};
    for (const auto& label : kLabels)
        if (label.name == color) return label.rgb;
    return std::nullopt;
}

RowPaint DescribeRow(std::string_view line, bool show_icons) {
    RowPaint paint;
    const std::string_view ty1 = FieldOf(line, kTy1);
    paint.icon = show_icons && ty1 != type::URL && ty1 != type::MultiShortcut && ty1 != type::Other;
    paint.text = std::string(FieldOf(line, kName));
    if (paint.icon) {
        if (!paint.text.empty() && paint.text[0] >= 'a' && paint.text[0] <= 'z')
            paint.text[0] = static_cast<char>(paint.text[0] - 'a' + 'A');
        paint.text_x = 24;
        paint.text_y = 2;
    }
    paint.background = ColorLabelRgb(FieldOf(line, kColor));
    return paint;
}

}  // namespace vtx
