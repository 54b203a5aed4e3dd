#pragma once
// Applying a theme to the launcher window, and its two layouts (normal and Cool mode).
//
// The rules live here; the window implements LayoutView and paints what ThemeLook and
// LayoutGeometry describe. Values are passed on as the theme gives them (a font size of
// 0 or of a million, a negative width): the window keeps them within what the system accepts.
// Only positions and sizes in pixels are kept within kMaxThemePixels, so that no sum the
// window forms of them (left + width, the outline's width + 1) can overflow.

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "platform/platform.h"
#include "platform/text_file.h"
#include "themes/theme_file.h"

namespace vtx {

// Bound of the theme's positions and sizes in pixels, either way: far beyond any screen.
inline constexpr int kMaxThemePixels = 32767;

struct FontSpec {
    std::string name = "MS Sans Serif";  // may be longer than a LOGFONT face name holds
    int size = 8;                        // points
    std::uint32_t color = kBlack;
    bool bold = false, italic = false, underline = false;
    bool operator==(const FontSpec&) const = default;
};

// A Cool mode text: drawn transparently inside its rectangle, which does not follow the text.
struct TextElement {
    FontSpec font;
    std::uint32_t back = kWhite;  // shows only where the text is drawn opaque
    Align align = Align::Left;
    int left = 18, top = 35, width = 377, height = 41;
    bool operator==(const TextElement&) const = default;
};

// Edit box and result list.
struct BoxStyle {
    FontSpec font;
    std::uint32_t back = kWhite;
    bool border = true;  // edit box: a bevel; result list: a single line
    bool operator==(const BoxStyle&) const = default;
};

// The title text `Label1`, drawn transparently on the title bar.
struct LabelStyle {
    FontSpec font;
    std::uint32_t back = kWhite;
    bool operator==(const LabelStyle&) const = default;
};

// Image paths are full paths of existing theme bitmaps; empty means the built-in image.
// A path stays as it is when the next theme names no (usable) image, so the button keeps it.
struct ButtonStyle {
    std::uint32_t color = kButtonGrey;
    std::string image;      // normal
    std::string image_hot;  // while the mouse is over the button
    bool operator==(const ButtonStyle&) const = default;
};

// The Cool shape: a filled rectangle with rounded corners, no outline.
struct ShapeStyle {
    std::uint32_t color = kGray;  // platform colour; see SystemColorIndex
    bool visible = false;
    int left = 0, top = 0, width = 1, height = 1;
    bool operator==(const ShapeStyle&) const = default;
};

// Everything a theme puts on the launcher window. The initial values are the window's own
// design; loadthm changes it key by key.
struct ThemeLook {
    std::uint32_t form_color = kWhite;   // window colour (normal mode)
    std::uint32_t see_through = kMagenta;  // Cool mode colour key; kept when a theme has none
    std::uint32_t frame_color = kButtonGrey;  // title bar and the three frame strips
    BoxStyle edit;
    BoxStyle list;
    LabelStyle title;
    ButtonStyle menu_button;
    ButtonStyle hide_button;
    std::string cool_back_image;  // full path; empty = the built-in background
    // shnameLBL (typed text), shinfoLBL (matching name), shinfoleftLBL (previous), shinforightLBL (next).
    std::array<TextElement, 4> cool_texts{};
    int cool_height = 146;
    int cool_width = 421;
    ShapeStyle shape;
    bool operator==(const ThemeLook&) const = default;
};

struct ThemeLoadResult {
    bool ok = true;
    std::string error;  // for the user, naming the bad value
};

// Loads a theme (a bare file name such as "Default Theme.th2", or a full path) and applies
// every key to `look` in order. The file is the first that exists of: themes\<name>, <name>
// itself, themes\Default Theme.th2, and that file written afresh. On success `current_theme`
// holds its lines and `current_theme_name` the file-name part of what was loaded.
// A value that cannot be converted stops at its key: the keys before it stay applied.
// A file that cannot be read leaves everything as it was, except the default theme: when its
// file cannot be read or written, its built-in lines (DefaultThemeLines) are applied.
ThemeLoadResult loadthm(const std::string& name, Files& files, const std::string& program_folder, ThemeLook& look,
                        Lines& current_theme, std::string& current_theme_name);

// Applies the keys of theme lines to `look`, as loadthm does once it has chosen the file.
ThemeLoadResult ApplyThemeLines(const Lines& theme, Files& files, const std::string& program_folder,
                                ThemeLook& look);

// ------------------------------------------------------------------ layouts
inline constexpr int kMinWindowWidth = 100;
inline constexpr int kNormalListLeft = 5, kNormalListTop = 40, kNormalListWidth = 131;
inline constexpr int kNormalListBottomGap = 48;  // client height minus list height
inline constexpr int kNormalEditLeft = 5, kCoolEditLeft = -150;
inline constexpr int kDefaultNormalWidth = 141, kDefaultNormalHeight = 200;

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

// The window region: a rounded rectangle (CreateRoundRectRgn arguments).
struct RegionRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int corner_width = 9, corner_height = 9;
    bool operator==(const RegionRect&) const = default;
};

// Set on every change of the window's size: Cool mode (0,0)-(w+1,h+1); normal mode
// (2,2)-(w-1,h-1), trimming two pixels off the top and left and one off the right and bottom.
[[nodiscard]] RegionRect OutlineFor(bool cool, int width, int height) noexcept;

// Where the result list goes. Normal mode places it whole and anchors it to all four sides
// of the window; Cool mode unanchors it and moves it to top 0, keeping left, width and height.
struct ListPlacement {
    Rect rect;
    bool whole = true;     // false: only rect.top applies
    bool anchored = true;  // follows the window's size on all four sides
    bool operator==(const ListPlacement&) const = default;
};

struct LayoutGeometry {
    bool cool = false;
    int width = kDefaultNormalWidth;  // window size, width not below kMinWindowWidth
    int height = kDefaultNormalHeight;
    ListPlacement list;
    bool list_visible = true;
    bool list_tab_stop = true;
    int edit_left = kNormalEditLeft;
    bool frame_visible = true;  // `ust` (title text and both buttons) and `kenar1` to `kenar3`
    bool back_image_visible = false;
    bool cool_texts_visible = false;
    bool shape_visible = false;
    bool see_through = false;  // colour key on, keyed on look.see_through
    std::uint32_t window_color = kWhite;
    RegionRect region;
    bool operator==(const LayoutGeometry&) const = default;
};

[[nodiscard]] LayoutGeometry CoolLayout(const ThemeLook& look);
// client_height_offset: window height minus client height (0 for the borderless window).
[[nodiscard]] LayoutGeometry NormalLayout(const ThemeLook& look, int normal_width, int normal_height,
                                          int client_height_offset);

// What the layout operations ask of the launcher window.
class LayoutView {
public:
    virtual ~LayoutView() = default;
    // Puts the look on the controls: window colour (form_color), fonts, colours, borders,
    // text rectangles and alignments, the shape (colour, rectangle, visibility). Every non-empty
    // image path is loaded again (a theme edited on disk shows its new bitmaps); an image that
    // does not load leaves the control's image as it is.
    virtual void ApplyLook(const ThemeLook& look) = 0;
    // Resizes the window; the window then sets its outline (OutlineFor).
    virtual void SetWindowSize(int width, int height) = 0;
    virtual void PlaceList(const ListPlacement& placement) = 0;
    // Visibility of the elements, tab order, edit box left, colour key and window colour.
    virtual void ApplyGeometry(const LayoutGeometry& geometry) = 0;
    [[nodiscard]] virtual bool IsShowing() = 0;
    virtual void FocusEdit() = 0;
    // Alpha of the whole window, 0 to 255.
    virtual void SetOpacity(int opacity) = 0;
    // A plain message box with the text (the program's general error report).
    virtual void ShowError(const std::string& text) = 0;
    [[nodiscard]] virtual int ClientHeightOffset() { return 0; }
};

// The layout state of the launcher window and the operations that change it.
// Every operation reads the theme file afresh. When the theme cannot be applied the error
// goes to the view and the operation stops there (its remaining steps are not done);
// the operations return false then.
class LayoutState {
public:
    LayoutState(Files& files, std::string program_folder, LayoutView& view);

    bool EnterCoolMode();
    bool EnterNormalMode();
    bool ToggleCoolMode();
    // Normal mode at 141 x 200, the default theme rewritten and loaded, fully opaque.
    bool ResetAppearance();

    [[nodiscard]] bool cool_mode() const noexcept { return cool_; }
    [[nodiscard]] int normal_height() const noexcept { return normal_height_; }
    void set_normal_height(int height) noexcept { normal_height_ = height; }
    [[nodiscard]] int normal_width() const noexcept { return normal_width_; }
    void set_normal_width(int width) noexcept { normal_width_ = width; }
    [[nodiscard]] const std::string& theme_name() const noexcept { return theme_name_; }
    void set_theme_name(std::string name) { theme_name_ = std::move(name); }
    [[nodiscard]] int opacity() const noexcept { return opacity_; }
    void set_opacity(int opacity) noexcept { opacity_ = opacity; }
    [[nodiscard]] const ThemeLook& look() const noexcept { return look_; }
    // `CurrentTheme`: the lines of the theme loaded last.
    [[nodiscard]] const Lines& current_theme() const noexcept { return current_theme_; }

private:
    bool LoadTheme();

    Files& files_;
    std::string program_folder_;
    LayoutView& view_;
    bool cool_ = false;
    int normal_height_ = kDefaultNormalHeight;
    int normal_width_ = kDefaultNormalWidth;
    std::string theme_name_{kDefaultThemeFile};
    int opacity_ = 255;
    ThemeLook look_;
    Lines current_theme_;
};

}  // namespace vtx
