#pragma once
// Theme files: key=value lines (".th2") under "<program folder>themes\", the colour texts,
// the value forms a theme uses, and the built-in default theme with its bitmaps.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "platform/text_file.h"

namespace vtx {

// Platform colour values: red in the lowest byte (R + G*256 + B*65536).
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kButtonGrey = 0x646464;  // frame and button colour of the design
inline constexpr std::uint32_t kGray = 0x808080;        // "clGray"
inline constexpr std::uint32_t kMagenta = 0xFF00FF;     // see-through colour of the default theme

inline constexpr std::string_view kDefaultThemeFile = "Default Theme.th2";
inline constexpr std::string_view kDefaultThemeFolder = "Default Theme";

enum class Align { Left, Center, Right };

// The value of a key: the first line whose text before its first "=" equals the key,
// case ignored, nothing trimmed. Empty when absent; an empty value counts as absent.
[[nodiscard]] std::string ThemeValue(const Lines& theme, std::string_view key);

// Colour text RRGGBB to a platform colour. Any length other than six gives white; six
// characters that are not all hexadecimal digits cannot be converted (nullopt).
[[nodiscard]] std::optional<std::uint32_t> HexToColor(std::string_view text) noexcept;
// Six upper-case hexadecimal digits RRGGBB of the low three bytes.
[[nodiscard]] std::string ColorToHex(std::uint32_t color);

// Decimal integer (optional sign, digits only, within 32 bits); nullopt otherwise.
[[nodiscard]] std::optional<int> ThemeInt(std::string_view text) noexcept;
// Style flags: only "1" is on.
[[nodiscard]] constexpr bool ThemeFlag(std::string_view text) noexcept { return text == "1"; }
// Border flags are reversed: only "0" removes the border (absent means a border).
[[nodiscard]] constexpr bool ThemeBorder(std::string_view text) noexcept { return text != "0"; }
// "left", "center" or "right", exactly; nullopt for anything else (the alignment stays).
[[nodiscard]] std::optional<Align> ThemeAlignment(std::string_view text) noexcept;

// The colour of `coolshapecolor`: a named colour ("clGray", case ignored) or an integer in
// platform byte order, decimal or "$" followed by hexadecimal digits. Named system colours
// ("clBtnFace", ...) give 0xFF000000 + the system colour index, as does the integer that
// spells one; see SystemColorIndex. nullopt when the text is none of these.
[[nodiscard]] std::optional<std::uint32_t> PlatformColor(std::string_view text) noexcept;
// The system colour index (GetSysColor) a platform colour refers to, or nullopt for a plain RGB colour.
[[nodiscard]] constexpr std::optional<int> SystemColorIndex(std::uint32_t color) noexcept {
    if ((color & 0xFF000000u) != 0xFF000000u) return std::nullopt;
    return static_cast<int>(color & 0xFFu);
}

// True when the text names one file directly inside a folder: no path separators, no drive,
// not "." or "..", no characters Windows forbids in names, and not a device name (CON, NUL,
// COM1, LPT1, ... with or without extension). Theme files come from other people, so every
// folder and image name read from one must pass before it becomes part of a path.
[[nodiscard]] bool IsBareFileName(std::string_view name) noexcept;

// "<program folder>themes\"
[[nodiscard]] std::string ThemesFolder(const std::string& program_folder);

// The 81 lines of the default theme.
[[nodiscard]] const Lines& DefaultThemeLines();

// Writes the default theme to "<program folder>themes\Default Theme.th2", replacing it.
// Gives up silently when the file cannot be written.
void createdefaulttheme(Files& files, const std::string& program_folder);

// Start-up check: the default theme file when it is missing, then each built-in bitmap
// that is missing from "themes\" and from "themes\Default Theme\". Existing files are never
// replaced. False when a bitmap could not be written (the check stops there; the caller
// reports it). A folder that does not exist (a Program folder that cannot be written) is
// skipped without a report: the window's built-in design stands in for its files.
[[nodiscard]] bool CheckDefaultThemeFiles(Files& files, const std::string& program_folder);

}  // namespace vtx
