#include "themes/theme_apply.h"

#include <algorithm>

#include "platform/trace.h"
#include "platform/utf8.h"

namespace vtx {

namespace {

// The bad value as the user sees it in the message; a theme line can be of any length.
std::string Quoted(std::string_view value) {
    constexpr std::size_t kShown = 60;
    std::string out = "'";
    const std::string_view shown = Utf8Prefix(value, kShown);  // whole characters only
    out += shown;
    if (shown.size() < value.size()) out += "...";
    out += "'";
    return out;
}

// Applies one key after another; after the first value that cannot be converted every
// further call does nothing, so the keys before it stay applied and none after it is.
class Applier {
public:
    Applier(const Lines& theme, Files& files, std::string image_folder, bool images_allowed)
        : theme_(theme), files_(files), image_folder_(std::move(image_folder)), images_allowed_(images_allowed) {}

    [[nodiscard]] bool failed() const noexcept { return !error_.empty(); }
    [[nodiscard]] const std::string& error() const noexcept { return error_; }

    // Absent: the default; a text of other than six characters: white.
    void Color(std::string_view key, std::uint32_t& out, std::uint32_t absent = kWhite) {
        Convert(key, out, std::optional(absent), HexToColor, "colour");
    }

    // Only when present: absent keeps what is there.
    void ColorIfPresent(std::string_view key, std::uint32_t& out) {
        Convert(key, out, std::optional<std::uint32_t>(), HexToColor, "colour");
    }

    void PlatformColorOf(std::string_view key, std::uint32_t& out, std::uint32_t absent) {
        Convert(key, out, std::optional(absent), PlatformColor, "colour");
    }

    void Int(std::string_view key, int& out, int absent) { Convert(key, out, std::optional(absent), ThemeInt, "integer"); }

    // A position or size in pixels, kept within kMaxThemePixels either way.
    void Pixels(std::string_view key, int& out, int absent) {
        Int(key, out, absent);
        out = std::clamp(out, -kMaxThemePixels, kMaxThemePixels);
    }

    void Text(std::string_view key, std::string& out, std::string_view absent) {
        if (failed()) return;
        std::string v = ThemeValue(theme_, key);
        out = v.empty() ? std::string(absent) : std::move(v);
    }

    void Flag(std::string_view key, bool& out) {
        if (!failed()) out = ThemeFlag(ThemeValue(theme_, key));
    }

    void Border(std::string_view key, bool& out) {
        if (!failed()) out = ThemeBorder(ThemeValue(theme_, key));
    }

    void Alignment(std::string_view key, Align& out) {
        if (failed()) return;
        if (const auto a = ThemeAlignment(ThemeValue(theme_, key))) out = *a;
    }

    // A bare file name in the theme's folder that exists; anything else keeps the image.
    void Image(std::string_view key, std::string& path) {
        if (failed() || !images_allowed_) return;
        const std::string v = ThemeValue(theme_, key);
        if (!IsBareFileName(v)) return;
        std::string candidate = image_folder_ + v;
        if (files_.FileExists(candidate)) path = std::move(candidate);
    }

    void Font(const std::string& prefix, FontSpec& font) {
        Text(prefix + "fontname", font.name, "MS Sans Serif");
        Int(prefix + "fontsize", font.size, 8);
        Color(prefix + "fontcolor", font.color, kBlack);
        Flag(prefix + "fontbold", font.bold);
        Flag(prefix + "fontitalic", font.italic);
        Flag(prefix + "fontunderline", font.underline);
    }

private:
    // One converted value: absent takes `absent` (or keeps `out` when there is none); a value
    // that does not convert ends the theme here.
    template <typename T, typename Parse>
    void Convert(std::string_view key, T& out, std::optional<T> absent, Parse parse, const char* kind) {
        if (failed()) return;
        const std::string v = ThemeValue(theme_, key);
        if (v.empty()) {
            if (absent) out = *absent;
        } else if (const auto parsed = parse(v)) {
            out = *parsed;
        } else {
            Fail(key, v, kind);
        }
    }

    void Fail(std::string_view key, std::string_view value, const char* kind) {
        error_ = Quoted(value) + " is not a valid " + kind + " value (" + std::string(key) + ")";
    }

    const Lines& theme_;
    Files& files_;
    std::string image_folder_;
    bool images_allowed_;
    std::string error_;
};

[[nodiscard]] std::string FileNamePart(const std::string& path) {
    const auto cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

void ApplyKeys(Applier& a, ThemeLook& look) {
    a.Color("formbackcolor", look.form_color);
    a.ColorIfPresent("cooltransparentcolor", look.see_through);
    a.Color("framecolor", look.frame_color, kButtonGrey);

    a.Font("edit", look.edit.font);
    a.Color("editbackcolor", look.edit.back);
    a.Border("editshowborder", look.edit.border);

    a.Font("list", look.list.font);
    a.Color("listbackcolor", look.list.back);
    a.Border("listshowborder", look.list.border);

    a.Font("title", look.title.font);
    a.Color("titlebackcolor", look.title.back);

    a.Color("menubuttoncolor", look.menu_button.color, kButtonGrey);
    a.Image("menubuttonimage", look.menu_button.image);
    a.Image("menubuttonimage2", look.menu_button.image_hot);
    a.Color("hidebuttoncolor", look.hide_button.color, kButtonGrey);
    a.Image("hidebuttonimage", look.hide_button.image);
    a.Image("hidebuttonimage2", look.hide_button.image_hot);

    a.Image("coolbackimage", look.cool_back_image);

    for (std::size_t i = 0; i < look.cool_texts.size(); ++i) {
        const std::string p = "cooltext" + std::to_string(i + 1);
        TextElement& t = look.cool_texts[i];
        a.Font(p, t.font);
        a.Color(p + "backcolor", t.back);
        a.Alignment(p + "alignment", t.align);
        a.Pixels(p + "top", t.top, 35);
        a.Pixels(p + "left", t.left, 18);
        a.Pixels(p + "height", t.height, 41);
        a.Pixels(p + "width", t.width, 377);
    }

    a.Pixels("coolheight", look.cool_height, 146);
    a.Pixels("coolwidth", look.cool_width, 421);

    a.PlatformColorOf("coolshapecolor", look.shape.color, kGray);
    a.Flag("coolshapevisible", look.shape.visible);
    a.Pixels("coolshapeleft", look.shape.left, 0);
    a.Pixels("coolshapetop", look.shape.top, 0);
    a.Pixels("coolshapeheight", look.shape.height, 1);
    a.Pixels("coolshapewidth", look.shape.width, 1);
}

}  // namespace

ThemeLoadResult loadthm(const std::string& name, Files& files, const std::string& program_folder, ThemeLook& look,
                        Lines& current_theme, std::string& current_theme_name) {
    Trace("Form1.loadthm(" + name + ")");
    const std::string themes = ThemesFolder(program_folder);
    const std::string default_path = themes + std::string(kDefaultThemeFile);

    std::string chosen = name;  // what the theme is known by: the name, or the default's full path
    std::string path;
    if (!name.empty() && files.FileExists(themes + name)) {
        path = themes + name;
    } else if (!name.empty() && files.FileExists(name)) {
        path = name;
    } else {
        if (!files.FileExists(default_path)) createdefaulttheme(files, program_folder);
        path = chosen = default_path;
    }

    LinesRead read = ReadLines(files, path);
    if (!read.ok() && path == default_path) {
        // A Program folder that cannot be written has no default theme file: its built-in lines stand in.
        Trace("Form1.loadthm: the built-in default theme stands in for " + path, 0);
        read = {ReadStatus::Ok, DefaultThemeLines()};
    }
    if (!read.ok()) {
        Trace("Form1.loadthm: cannot open " + path, 0);
        return {false, "Cannot open file \"" + path + "\"."};
    }
    current_theme = std::move(read.lines);
    current_theme_name = FileNamePart(chosen);

    const ThemeLoadResult r = ApplyThemeLines(current_theme, files, program_folder, look);
    if (!r.ok) Trace("Form1.loadthm: " + r.error, 0);
    return r;
}

ThemeLoadResult ApplyThemeLines(const Lines& theme, Files& files, const std::string& program_folder,
                                ThemeLook& look) {
    // Images come only from the theme's own folder; a folder name that is not a bare
    // name (it would lead out of "themes\") disables every image of the theme.
    const std::string themes = ThemesFolder(program_folder);
    const std::string folder = ThemeValue(theme, "thmfolder");
    const bool images_allowed = folder.empty() || IsBareFileName(folder);
    Applier applier(theme, files, folder.empty() ? themes : themes + folder + "\\", images_allowed);
    ApplyKeys(applier, look);
    if (applier.failed()) return {false, applier.error()};
    return {};
}

// ------------------------------------------------------------------ layouts

RegionRect OutlineFor(bool cool, int width, int height) noexcept {
    if (cool) return {0, 0, width + 1, height + 1};
    return {2, 2, width - 1, height - 1};
}

LayoutGeometry CoolLayout(const ThemeLook& look) {
    LayoutGeometry g;
    g.cool = true;
    g.width = std::max(look.cool_width, kMinWindowWidth);
    g.height = look.cool_height;
    g.list.rect = {kNormalListLeft, 0, kNormalListWidth, 0};
    g.list.whole = false;
    g.list.anchored = false;
    g.list_visible = false;
    g.list_tab_stop = false;
    g.edit_left = kCoolEditLeft;
    g.frame_visible = false;
    g.back_image_visible = true;
    g.cool_texts_visible = true;
    g.shape_visible = look.shape.visible;
    g.see_through = true;
    g.window_color = look.see_through;
    g.region = OutlineFor(true, g.width, g.height);
    return g;
}

LayoutGeometry NormalLayout(const ThemeLook& look, int normal_width, int normal_height, int client_height_offset) {
    LayoutGeometry g;
    g.cool = false;
    g.width = std::max(normal_width, kMinWindowWidth);
    g.height = normal_height;
    g.list.rect = {kNormalListLeft, kNormalListTop, kNormalListWidth,
                   normal_height - client_height_offset - kNormalListBottomGap};
    g.list.whole = true;
    g.list.anchored = true;
    g.list_visible = true;
    g.list_tab_stop = true;
    g.edit_left = kNormalEditLeft;
    g.frame_visible = true;
    g.back_image_visible = false;
    g.cool_texts_visible = false;
    g.shape_visible = false;
    g.see_through = false;
    g.window_color = look.form_color;
    g.region = OutlineFor(false, g.width, g.height);
    return g;
}

LayoutState::LayoutState(Files& files, std::string program_folder, LayoutView& view)
    : files_(files), program_folder_(std::move(program_folder)), view_(view) {}

bool LayoutState::LoadTheme() {
    const std::string name = theme_name_;  // loadthm replaces the name it is given
    const ThemeLoadResult r = loadthm(name, files_, program_folder_, look_, current_theme_, theme_name_);
    // Keys applied before a bad value stay on the window.
    view_.ApplyLook(look_);
    if (!r.ok) view_.ShowError(r.error);
    return r.ok;
}

bool LayoutState::EnterCoolMode() {
    Trace("Form1.EnterCoolMode");
    cool_ = true;
    view_.PlaceList(CoolLayout(look_).list);
    if (!LoadTheme()) return false;
    const LayoutGeometry g = CoolLayout(look_);
    view_.SetWindowSize(g.width, g.height);
    view_.ApplyGeometry(g);
    // Off-screen, the edit box still takes the typing.
    if (view_.IsShowing()) view_.FocusEdit();
    return true;
}

bool LayoutState::EnterNormalMode() {
    Trace("Form1.EnterNormalMode");
    cool_ = false;
    LayoutGeometry g = NormalLayout(look_, normal_width_, normal_height_, view_.ClientHeightOffset());
    view_.SetWindowSize(g.width, g.height);
    view_.PlaceList(g.list);
    if (!LoadTheme()) return false;
    g = NormalLayout(look_, normal_width_, normal_height_, view_.ClientHeightOffset());
    view_.ApplyGeometry(g);
    return true;
}

bool LayoutState::ToggleCoolMode() {
    Trace("Form1.ToggleCoolMode");
    return cool_ ? EnterNormalMode() : EnterCoolMode();
}

bool LayoutState::ResetAppearance() {
    Trace("Form1.ResetAppearance");
    normal_height_ = kDefaultNormalHeight;
    normal_width_ = kDefaultNormalWidth;
    // The default theme goes in before the layout is entered: entering it with the current
    // theme first would stop at a broken theme, the very one the reset is there to repair.
    createdefaulttheme(files_, program_folder_);
    theme_name_ = std::string(kDefaultThemeFile);
    if (!EnterNormalMode()) return false;
    opacity_ = 255;
    view_.SetOpacity(opacity_);
    return true;
}

}  // namespace vtx
