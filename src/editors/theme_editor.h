#pragma once
// The rules of the theme editor: its two previews (the look of the launcher's two layouts
// as edited), the values held beside them, what each picked object makes editable, the
// edits, the title check and SaveTheme. The window copies control values in and out.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_session.h"
#include "themes/theme_apply.h"

namespace vtx {

inline constexpr std::string_view kEmptyTitleMessage = "Title field is empty. Please enter a title for your theme.";
inline constexpr std::string_view kCancelQuestion = "Are you sure to cancel and lose all the changes?";
inline constexpr std::string_view kSameNameWarning =
    "There is a theme with same name! If you don't \r\nwant to overwrite it, please type another name.";
// A title that cannot name a file (a device name such as CON, dots or blanks only).
inline constexpr std::string_view kBadNameWarning =
    "This title can not be used as a file name. \r\nPlease type another name.";
inline constexpr std::string_view kBadTitleMessage =
    "This title can not be used as a file name (it is empty after cleaning, only dots or blanks, "
    "or a device name such as CON or NUL). Please enter another title for your theme.";

// The Cool preview's bitmap size before any bitmap is loaded.
inline constexpr Size kBuiltinBackSize{300, 60};
inline constexpr int kMaxEditorPosition = 1000;
inline constexpr std::uint32_t kLightRed = 255 + 125 * 256 + 125 * 65536;

enum class NormalObject { None = -1, Form, EditBox, ListBox, Frame, TitleText, MenuButton, HideButton };
enum class CoolObject { None = -1, Form, Text1, Text2, Text3, Text4 };
enum class EditorPage { Normal, Cool };
enum class FontStyle { Bold, Italic, Underline };
enum class ColorField { NormalGeneral, NormalFont, CoolGeneral, CoolFont, CoolTransparent };
enum class ImageSlot { Normal, MouseOver, Background };
enum class PositionField { Top, Left, Height, Width };

// The font group as the pick fills it: the window picks the name and the size in its
// lists when they hold them, else shows the size as typed.
struct FontFields {
    std::string name;
    int size = 8;
    std::string color_hex;
    std::uint32_t color = 0;
};

// What a pick on the "Normal Mode" page makes editable and fills.
struct NormalFields {
    bool general = false, font = false, images = false;  // groups enabled
    bool borders_visible = false, borders = false;
    std::optional<std::string> color_hex;  // General "Color:" (and its swatch)
    std::uint32_t color = 0;
    std::optional<FontFields> font_fields;
    std::optional<std::string> image, image_hot;  // the held paths
};

// What a pick on the "Cool Mode" page makes editable and fills.
struct CoolFields {
    bool general = false, font = false, position = false;
    std::string description;  // empty: hidden
    std::optional<std::string> color_hex;  // the preview panel
    std::uint32_t color = 0;
    std::optional<std::string> see_through_hex;
    std::uint32_t see_through = 0;
    std::optional<std::string> back_image;
    std::optional<FontFields> font_fields;
    std::optional<Align> align;
    int top = 0, left = 0, height = 0, width = 0;
};

// The title field's look after each change.
struct TitleCheck {
    bool warning = false;      // the panel shows and the field turns light red
    std::string warning_text;  // the panel's text
};

// The result of Enter in a hex field: the swatch's new colour, or a conversion error
// already reported (nothing changed then).
struct ColorEntry {
    bool ok = false;
    std::uint32_t color = 0;
};

// The General page's fields.
struct GeneralFields {
    std::string title, author, notes;
    bool operator==(const GeneralFields&) const = default;
};

// Returns the text with each of  : \ / * ? " < > |  replaced by a blank.
[[nodiscard]] std::string CleanThemeTitle(std::string_view title);
// Width and height of a Windows bitmap file from its header; nullopt when it is not one.
[[nodiscard]] std::optional<Size> BitmapFileSize(std::string_view bytes) noexcept;
// The lines SaveTheme writes, in the editor's order (82 lines).
[[nodiscard]] Lines ThemeEditorLines(const GeneralFields& general, const ThemeLook& look,
                                     const std::string& see_through_text, Size back_size);

class ThemeEditorRules {
public:
    explicit ThemeEditorRules(AppSession& app);

    // On creation: the default background into the Cool preview when it exists.
    void FormCreate();
    // On showing: the author field from `lastthemeauthor`.
    void FormShow();
    // On closing: the General fields are emptied; previews and held values stay.
    void FormClose();

    // Fills fields and previews from a theme of the themes folder (or a path). A value that
    // cannot be converted is reported; the keys before it stay on the previews.
    void LoadThemeIntoEditor(const std::string& name);

    NormalFields PickNormal(NormalObject object);
    CoolFields PickCool(CoolObject object);

    // Enter in a hex field (or OK in the colour dialog, which first fills the field).
    ColorEntry ColorEntered(ColorField field, const std::string& hex);
    void FontNamePicked(EditorPage page, const std::string& name);
    void FontSizePicked(EditorPage page, int size);
    // A size typed into the size box applies once it is a whole number the launcher can show
    // (1 to kMaxTypedFontSize); anything else leaves the size as it was. True when it applied.
    bool FontSizeTyped(EditorPage page, std::string_view text);
    static constexpr int kMaxTypedFontSize = 200;
    // The installed fonts, as the system names them; the window fills its font lists from them.
    void SetInstalledFonts(std::vector<std::string> names) { fonts_ = std::move(names); }
    [[nodiscard]] const std::vector<std::string>& installed_fonts() const noexcept { return fonts_; }
    // A font name typed into the name box applies once it names an installed font, whatever
    // its case, in the font's own spelling. True when it named one.
    bool FontNameTyped(EditorPage page, std::string_view text);
    // Alternately sets and clears the style on the picked object, starting with set; each
    // button remembers its own last action only. Returns the style now applied.
    bool StyleClicked(EditorPage page, FontStyle style);
    void AlignClicked(Align align);
    // A number field's value; kept within 0 to 1000. Returns the value taken.
    int PositionChanged(PositionField field, int value);
    // The text of a number field: empty changes nothing (nullopt), else its leading number,
    // read as PositionChanged takes it. Returns the value the field shows then.
    std::optional<int> PositionTyped(PositionField field, std::string_view text);
    // While a number field has the focus the picked text is drawn opaque.
    void PositionFocus(bool focused);
    // "Show borders": switches the picked box's border. Returns the new state.
    bool ShowBordersClicked();
    // A bitmap chosen with a "..." button; false (and nothing changes) when it is not a
    // readable bitmap.
    bool ImagePicked(ImageSlot slot, const std::string& path);

    [[nodiscard]] TitleCheck TitleChanged(const std::string& title);
    // "Save Theme": true when the editor closes.
    bool SaveThemeBTNClick();
    // Writes the theme file and copies the bitmaps; false when nothing was written (the
    // reason is reported) and the editor stays open.
    bool SaveTheme();

    [[nodiscard]] GeneralFields& general() noexcept { return general_; }
    [[nodiscard]] const ThemeLook& look() const noexcept { return look_; }
    [[nodiscard]] std::uint32_t cool_panel_color() const noexcept { return cool_panel_; }
    [[nodiscard]] const std::string& see_through_text() const noexcept { return see_through_; }
    [[nodiscard]] Size back_size() const noexcept { return back_size_; }
    // The Cool text drawn opaque, or -1.
    [[nodiscard]] int opaque_text() const noexcept { return opaque_text_; }
    [[nodiscard]] NormalObject normal_object() const noexcept { return normal_; }
    [[nodiscard]] CoolObject cool_object() const noexcept { return cool_; }

private:
    [[nodiscard]] std::string Themes() const;
    [[nodiscard]] FontSpec* PickedFont(EditorPage page);
    [[nodiscard]] TextElement* PickedText();
    [[nodiscard]] bool ReadBitmapSize(const std::string& path, Size& size);
    [[nodiscard]] bool CopyBitmap(const std::string& from, const std::string& to);

    AppSession& app_;
    GeneralFields general_;
    ThemeLook look_;  // both previews; image paths are the held paths
    std::uint32_t cool_panel_ = 0xF0F0F0;
    std::string see_through_ = "FF00FF";
    Size back_size_ = kBuiltinBackSize;
    NormalObject normal_ = NormalObject::None;
    CoolObject cool_ = CoolObject::None;
    int opaque_text_ = -1;
    std::vector<std::string> fonts_;
    // Next action of each style button (true: set), per page.
    std::array<std::array<bool, 3>, 2> style_sets_{{{true, true, true}, {true, true, true}}};
};

}  // namespace vtx
