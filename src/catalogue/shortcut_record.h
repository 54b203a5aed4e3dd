#pragma once
// One shortcut is one line of 24 fields joined by "|". Nothing is quoted or escaped;
// a short line reads its missing fields as empty text.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vtx {

enum Field : int {
    kName = 0, kAddr, kWdir, kParam, kCLsID, kHk, kIcp, kIci, kSwst, kTy1, kTy2, kCat,
    kColor, kRat, kVis, kDesc, kNot, kKw, kOsw, kSinw, kMs, kUrlp1, kUrlp2, kOpc,
};
inline constexpr int kFieldCount = 24;

namespace type {
inline constexpr std::string_view Program = "Program";
inline constexpr std::string_view File = "File";
inline constexpr std::string_view Folder = "Folder";
inline constexpr std::string_view URL = "URL";
inline constexpr std::string_view ControlPanelApplet = "Control Panel Applet";
inline constexpr std::string_view Widget = "Widget";
inline constexpr std::string_view Search = "Search";
inline constexpr std::string_view Command = "Command";
inline constexpr std::string_view MultiShortcut = "MultiShortcut";
inline constexpr std::string_view Other = "Other";
}  // namespace type

// Piece `index` (from 0) of a text cut at `separator`, after one separator is appended
// when the text does not end with one. Negative or missing pieces read as empty.
[[nodiscard]] std::string_view CutPiece(std::string_view text, char separator, int index) noexcept;

// Field `col` of a record line (GetShPart on a line).
[[nodiscard]] inline std::string_view FieldOf(std::string_view line, int col) noexcept {
    return CutPiece(line, '|', col);
}

// The line with field `col` replaced, rebuilt in its 24-field form (SetShPart on a line).
// Fields beyond 23 are dropped; a `col` outside 0..23 replaces nothing.
[[nodiscard]] std::string WithField(std::string_view line, int col, std::string_view text);

// A text as it can stand in a field: "|" would split the line and a line break would end
// it, so each becomes a blank.
[[nodiscard]] std::string FieldText(std::string_view text);

using Fields = std::array<std::string, kFieldCount>;
[[nodiscard]] Fields SplitRecord(std::string_view line);
[[nodiscard]] std::string JoinRecord(const Fields& fields);

// A new record: every field empty except these, swst "SW_SHOWNORMAL", color "None",
// vis "1" and opc "0".
[[nodiscard]] Fields NewRecord(std::string_view name, std::string_view addr, std::string_view ty1);

// How many times `pattern` occurs in `text` (0 when either is empty).
[[nodiscard]] int CountPos(std::string_view pattern, std::string_view text) noexcept;

// Member k (from 1) of a member list: the k-th piece when cut at ";".
[[nodiscard]] inline std::string_view MemberOf(std::string_view ms, int k) noexcept {
    return CutPiece(ms, ';', k - 1);
}

// The names of a member list, in order: its pieces cut at ";". A last name whose ";" is
// missing is a member all the same, so a load and a save never drop it.
[[nodiscard]] std::vector<std::string> MemberNames(std::string_view ms);
// A member list: each name followed by ";".
[[nodiscard]] std::string JoinMembers(const std::vector<std::string>& names);
// Whether a name can stand in a member list: a ";" in it would read back as two members.
[[nodiscard]] inline bool FitsAsMember(std::string_view name) noexcept {
    return name.find(';') == std::string_view::npos;
}

// Show command of a show state: 3 maximised, 2 minimised, 1 otherwise.
[[nodiscard]] int ShowStateCode(std::string_view swst) noexcept;

}  // namespace vtx
