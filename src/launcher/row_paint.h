#pragma once
// How one row of the result list is drawn: the colour label behind it, whether an icon
// is shown, and where the name goes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vtx {

// The row background of a colour label (platform colour, red in the low byte); none
// for "None", empty and any text that is not exactly one of the labels.
[[nodiscard]] std::optional<std::uint32_t> ColourLabelBackground(std::string_view color) noexcept;

struct RowPaint {
    std::optional<std::uint32_t> background;
    bool show_icon = false;
    std::string text;  // the name, capitalised when an icon stands before it
    int text_x = 3;    // offsets from the row's left and top
    int text_y = 1;
};

// `line` is the row's whole record line.
[[nodiscard]] RowPaint PaintRowOf(std::string_view line, bool show_icons);

}  // namespace vtx
