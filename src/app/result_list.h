#pragma once
// The launcher window's result list: one row per Catalogue line whose `vis` is not
// exactly "0", in Catalogue order. The window shows it as an owner-data list box, so
// rows hold Catalogue positions, not copies of the lines.
//
// For the keystroke the list also keeps the lower-cased names in one block of memory and an
// index of them in byte order, so the first row whose name begins with a text is found without
// a pass over every row. A name itself is read from its line, the start of it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "platform/platform.h"

namespace vtx {

class ResultList {
public:
    // Rebuilds the rows from the Catalogue. The Catalogue must stay alive and unchanged
    // until the next Fill (every change of it is followed by FillMainListBox).
    // Names are matched lower-cased by `text`, so a name saved with capitals can be typed.
    void Fill(const Catalogue& catalogue, Text& text);

    [[nodiscard]] int size() const noexcept { return static_cast<int>(rows_.size()); }
    [[nodiscard]] bool empty() const noexcept { return rows_.empty(); }

    // The whole record line of a row; empty text for a row outside the list.
    [[nodiscard]] const std::string& Line(int row) const noexcept;
    // The `name` of a row; empty for a row outside the list.
    [[nodiscard]] std::string_view Name(int row) const noexcept;
    // The Catalogue position of a row; -1 for a row outside the list.
    [[nodiscard]] int CatalogueIndex(int row) const noexcept;

    // The first row, in list order, whose lower-cased name begins with `prefix` (which the
    // caller has lower-cased); -1 when there is none. Every name begins with the empty text.
    [[nodiscard]] int FirstRowStartingWith(std::string_view prefix) const noexcept;

private:
    struct Row {
        int catalogue_index;
        unsigned name_offset;
        unsigned name_size;
    };
    [[nodiscard]] std::string_view NameAt(const Row& row) const noexcept;
    [[nodiscard]] std::string_view KeyAt(const Row& row) const noexcept {
        return std::string_view(lowered_).substr(row.name_offset, row.name_size);
    }
    void BuildIndex();

    const Catalogue* catalogue_ = nullptr;
    std::vector<Row> rows_;
    std::string lowered_;           // every row's name lower-cased, end to end: what typed text is matched against
    std::vector<int> by_name_;      // rows in byte order of their lowered names (ties by row)
    std::vector<int> min_row_;      // segment tree: smallest row over ranges of by_name_
};

// Sorts the Catalogue (case ignored, the user's collation) and refills the result list.
// The filter arguments callers used to pass never had an effect and are gone. The
// caller clears the selection afterwards (Matcher::Clear); positions held from before
// are stale.
void FillMainListBox(Catalogue& catalogue, Text& text, ResultList& list);

// ---------------------------------------------------------------- drawing a row
struct Rgb {
    unsigned char red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};

// Background of a colour label (`color`, exact text); none for "None", empty or unknown.
[[nodiscard]] std::optional<Rgb> ColorLabelRgb(std::string_view color) noexcept;

// What the window paints for one row, relative to the row rectangle's left and top.
struct RowPaint {
    bool icon = false;              // small icon of `addr` at (left + 2, top)
    std::string text;               // the name, capitalised when an icon is shown
    int text_x = 3, text_y = 1;     // offset of the text
    std::optional<Rgb> background;  // fill (left - 1, top) to (right + 2, bottom + 2)
};
[[nodiscard]] RowPaint DescribeRow(std::string_view line, bool show_icons);

// Row height in pixels: 18 while icons are shown, else 16.
[[nodiscard]] constexpr int RowHeight(bool show_icons) noexcept { return show_icons ? 18 : 16; }

}  // namespace vtx
