#include "themes/theme_file.h"

#include <array>

#include "platform/ascii.h"
#include "platform/trace.h"
#include "themes/builtin_images.h"

namespace vtx {

namespace {

[[nodiscard]] constexpr int HexDigit(char c) noexcept {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

struct NamedColor {
    std::string_view name;
    std::uint32_t value;
};

constexpr std::uint32_t kSystemColor = 0xFF000000u;

// The colour names of the widget library, with their platform values.
constexpr std::array<NamedColor, 52> kNamedColors{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clLtGray", 0xC0C0C0},
    {"clDkGray", 0x808080},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    // System colours: resolved by the window through GetSysColor(index).
    {"clScrollBar", kSystemColor | 0},
    {"clBackground", kSystemColor | 1},
    {"clActiveCaption", kSystemColor | 2},
    {"clInactiveCaption", kSystemColor | 3},
    {"clMenu", kSystemColor | 4},
    {"clWindow", kSystemColor | 5},
    {"clWindowFrame", kSystemColor | 6},
    {"clMenuText", kSystemColor | 7},
    {"clWindowText", kSystemColor | 8},
    {"clCaptionText", kSystemColor | 9},
    {"clActiveBorder", kSystemColor | 10},
    {"clInactiveBorder", kSystemColor | 11},
    {"clAppWorkSpace", kSystemColor | 12},
    {"clHighlight", kSystemColor | 13},
    {"clHighlightText", kSystemColor | 14},
    {"clBtnFace", kSystemColor | 15},
    {"clBtnShadow", kSystemColor | 16},
    {"clGrayText", kSystemColor | 17},
    {"clBtnText", kSystemColor | 18},
    {"clInactiveCaptionText", kSystemColor | 19},
    {"clBtnHighlight", kSystemColor | 20},
    {"cl3DDkShadow", kSystemColor | 21},
    {"cl3DLight", kSystemColor | 22},
    {"clInfoText", kSystemColor | 23},
    {"clInfoBk", kSystemColor | 24},
    {"clHotLight", kSystemColor | 26},
    {"clGradientActiveCaption", kSystemColor | 27},
    {"clGradientInactiveCaption", kSystemColor | 28},
    {"clMenuHighlight", kSystemColor | 29},
    {"clMenuBar", kSystemColor | 30},
}};

// "$" followed by one to eight hexadecimal digits.
[[nodiscard]] std::optional<std::uint32_t> DollarHex(std::string_view text) noexcept {
    if (text.size() < 2 || text.size() > 9 || text[0] != '$') return std::nullopt;
    std::uint32_t v = 0;
    for (char c : text.substr(1)) {
        const int d = HexDigit(c);
        if (d < 0) return std::nullopt;
        v = (v << 4) | static_cast<std::uint32_t>(d);
    }
    return v;
}

[[nodiscard]] bool IsDeviceName(std::string_view name) noexcept {
    // Windows ignores everything from the first dot, and blanks before it.
    std::string_view stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
    for (std::string_view device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"})
        if (EqualsNoCaseAscii(stem, device)) return true;
    if (stem.size() >= 4) {
        const std::string_view head = stem.substr(0, 3);
        const std::string_view n = stem.substr(3);
        // Digits 1-9 and the superscripts 1, 2, 3 (in UTF-8).
        const bool digit = (n.size() == 1 && n[0] >= '1' && n[0] <= '9') || n == "\xC2\xB9" || n == "\xC2\xB2" ||
                           n == "\xC2\xB3";
        if (digit && (EqualsNoCaseAscii(head, "COM") || EqualsNoCaseAscii(head, "LPT"))) return true;
    }
    return false;
}

}  // namespace

std::string ThemeValue(const Lines& theme, std::string_view key) { return ValueOf(theme, key); }

std::optional<std::uint32_t> HexToColor(std::string_view text) noexcept {
    if (text.size() != 6) return kWhite;
    std::uint32_t rgb[3] = {};
    for (std::size_t i = 0; i < 3; ++i) {
        const int hi = HexDigit(text[2 * i]);
        const int lo = HexDigit(text[2 * i + 1]);
        if (hi < 0 || lo < 0) return std::nullopt;
        rgb[i] = static_cast<std::uint32_t>(hi * 16 + lo);
    }
    return rgb[0] | (rgb[1] << 8) | (rgb[2] << 16);
}

std::string ColorToHex(std::uint32_t color) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out(6, '0');
    for (int i = 0; i < 3; ++i) {
        const std::uint32_t byte = (color >> (8 * i)) & 0xFFu;
        out[static_cast<std::size_t>(2 * i)] = kDigits[byte >> 4];
        out[static_cast<std::size_t>(2 * i + 1)] = kDigits[byte & 0xFu];
    }
    return out;
}

std::optional<int> ThemeInt(std::string_view text) noexcept {
    int v = 0;
    if (!ParseInt(text, v)) return std::nullopt;
    return v;
}

std::optional<Align> ThemeAlignment(std::string_view text) noexcept {
    if (text == "left") return Align::Left;
    if (text == "center") return Align::Center;
    if (text == "right") return Align::Right;
    return std::nullopt;
}

std::optional<std::uint32_t> PlatformColor(std::string_view text) noexcept {
    for (const auto& c : kNamedColors)
        if (EqualsNoCaseAscii(text, c.name)) return c.value;
    if (!text.empty() && text[0] == '$') return DollarHex(text);
    int v = 0;
    if (!ParseInt(text, v)) return std::nullopt;
    return static_cast<std::uint32_t>(v);
}

bool IsBareFileName(std::string_view name) noexcept {
    if (name.empty()) return false;
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20) return false;
        switch (c) {
            case '\\': case '/': case ':': case '*': case '?': case '"': case '<': case '>': case '|':
                return false;
            default:
                break;
        }
    }
    // Windows drops trailing dots and blanks: "..", "... " and the like name a folder, not a file.
    if (name.find_first_not_of(". ") == std::string_view::npos) return false;
    return !IsDeviceName(name);
}

std::string ThemesFolder(const std::string& program_folder) { return program_folder + "themes\\"; }

const Lines& DefaultThemeLines() {
    static const Lines lines = [] {
        Lines l{
            "title=Default Theme",
            "author=Orvane",
            "notes=This is the default theme.",
            "thmfolder=Default Theme",
            "formbackcolor=FFFFFF",
            "cooltransparentcolor=FF00FF",
            "framecolor=646464",
            "editfontname=MS Sans Serif",
            "editfontsize=8",
            "editfontcolor=000000",
            "editfontbold=0",
            "editfontitalic=0",
            "editfontunderline=0",
            "editbackcolor=FFFFFF",
            "editshowborder=1",
            "listfontname=MS Sans Serif",
            "listfontsize=8",
            "listfontcolor=000000",
            "listfontbold=0",
            "listfontunderline=0",
            "listbackcolor=FFFFFF",
            "listshowborder=1",
            "titlefontname=Tahoma",
            "titlefontsize=8",
            "titlefontcolor=FFFFFF",
            "titlefontbold=0",
            "titlefontitalic=0",
            "titlefontunderline=0",
            "menubuttoncolor=646464",
            "menubuttonimage=menu1.bmp",
            "menubuttonimage2=menu2.bmp",
            "hidebuttoncolor=646464",
            "hidebuttonimage=close1.bmp",
            "hidebuttonimage2=close2.bmp",
            "coolbackimage=back1.bmp",
            "coolheight=60",
            "coolwidth=300",
        };
        struct Block {
            const char* size;
            const char* alignment;
            const char* top;
            const char* left;
            const char* height;
            const char* width;
        };
        static constexpr Block kBlocks[4] = {
            {"14", "center", "8", "8", "25", "281"},
            {"8", "center", "40", "83", "17", "134"},
            {"8", "left", "40", "11", "17", "78"},
            {"8", "right", "40", "208", "17", "81"},
        };
        for (int i = 0; i < 4; ++i) {
            const std::string p = "cooltext" + std::to_string(i + 1);
            const Block& b = kBlocks[i];
            l.push_back(p + "fontname=Tahoma");
            l.push_back(p + "fontsize=" + b.size);
            l.push_back(p + "fontcolor=FFFFFF");
            l.push_back(p + "fontbold=0");
            l.push_back(p + "fontitalic=0");
            l.push_back(p + "fontunderline=0");
            l.push_back(p + "alignment=" + b.alignment);
            l.push_back(p + "top=" + b.top);
            l.push_back(p + "left=" + b.left);
            l.push_back(p + "height=" + b.height);
            l.push_back(p + "width=" + b.width);
        }
        return l;
    }();
    return lines;
}

void createdefaulttheme(Files& files, const std::string& program_folder) {
    Trace("Form1.createdefaulttheme");
    (void)WriteLines(files, ThemesFolder(program_folder) + std::string(kDefaultThemeFile), DefaultThemeLines());
}

bool CheckDefaultThemeFiles(Files& files, const std::string& program_folder) {
    Trace("Form1.CheckDefaultThemeFiles");
    const std::string themes = ThemesFolder(program_folder);
    if (!files.FileExists(themes + std::string(kDefaultThemeFile))) createdefaulttheme(files, program_folder);
    for (const std::string& folder : {themes, themes + std::string(kDefaultThemeFolder) + "\\"}) {
        if (!files.FolderExists(folder.substr(0, folder.size() - 1))) {
            Trace("Form1.CheckDefaultThemeFiles: no folder " + folder, 0);
            continue;
        }
        for (BuiltinImage image : kBuiltinImages) {
            const std::string path = folder + BuiltinImageFileName(image);
            if (files.FileExists(path)) continue;
            if (!files.WriteFileAtomic(path, BuiltinBitmapFile(image))) {
                Trace("Form1.CheckDefaultThemeFiles: cannot create " + path, 0);
                return false;
            }
        }
    }
    return true;
}

}  // namespace vtx
