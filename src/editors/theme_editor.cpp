#include "editors/theme_editor.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/ascii.h"
#include "platform/trace.h"

namespace vtx {

namespace {

constexpr std::array<std::string_view, 4> kTextDescriptions = {
    "Search text that user types.", "Matching shortcut name.", "Previous item in the shortcuts list.",
    "Next item in the shortcuts list."};

[[nodiscard]] std::string FileNamePart(const std::string& path) {
    const auto cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

[[nodiscard]] const char* Flag(bool on) { return on ? "1" : "0"; }

[[nodiscard]] const char* AlignWord(Align a) {
    switch (a) {
        case Align::Center: return "center";
        case Align::Right: return "right";
        default: return "left";
    }
}

[[nodiscard]] FontFields FieldsOf(const FontSpec& f) { return {f.name, f.size, ColorToHex(f.color), f.color}; }

// The keys the editor never reads from a theme: the see-through colour is held as text,
// and the Cool size and shape are not carried (the size is remade from the bitmap).
[[nodiscard]] bool EditorSkips(std::string_view line) {
    const std::string_view key = line.substr(0, line.find('='));
    return EqualsNoCaseAscii(key, "cooltransparentcolor") || EqualsNoCaseAscii(key, "coolheight") ||
           EqualsNoCaseAscii(key, "coolwidth") ||
           (key.size() >= 9 && EqualsNoCaseAscii(key.substr(0, 9), "coolshape"));
}

[[nodiscard]] std::int32_t LittleEndian(std::string_view bytes, std::size_t at, std::size_t width) noexcept {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < width; ++i) v |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    if (width == 2) return static_cast<std::int16_t>(v);
    return static_cast<std::int32_t>(v);
}

void AppendFont(Lines& out, const std::string& prefix, const FontSpec& f) {
    out.push_back(prefix + "fontname=" + f.name);
    out.push_back(prefix + "fontsize=" + std::to_string(f.size));
    out.push_back(prefix + "fontcolor=" + ColorToHex(f.color));
    out.push_back(prefix + "fontbold=" + Flag(f.bold));
    out.push_back(prefix + "fontitalic=" + Flag(f.italic));
    out.push_back(prefix + "fontunderline=" + Flag(f.underline));
}

}  // namespace

std::string CleanThemeTitle(std::string_view title) {
    std::string out(title);
    for (char& c : out)
        if (std::strchr(":\\/*?\"<>|", c) != nullptr && c != '\0') c = ' ';
    return out;
}

std::optional<Size> BitmapFileSize(std::string_view bytes) noexcept {
    // BITMAPFILEHEADER (14 bytes), then the size of the info header that follows.
    if (bytes.size() < 26 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    const std::int32_t header = LittleEndian(bytes, 14, 4);
    Size s;
    if (header == 12) {  // BITMAPCOREHEADER
        s = {LittleEndian(bytes, 18, 2), LittleEndian(bytes, 20, 2)};
    } else if (header >= 40) {
        s = {LittleEndian(bytes, 18, 4), LittleEndian(bytes, 22, 4)};
    } else {
        return std::nullopt;
    }
    // A negative height marks a top-down bitmap.
    if (s.height < 0 && s.height > -kMaxThemePixels) s.height = -s.height;
    if (s.width <= 0 || s.height <= 0 || s.width > kMaxThemePixels || s.height > kMaxThemePixels) return std::nullopt;
    return s;
}

Lines ThemeEditorLines(const GeneralFields& general, const ThemeLook& look, const std::string& see_through_text,
                       Size back_size) {
    Lines l;
    l.push_back("title=" + general.title);
    l.push_back("author=" + general.author);
    l.push_back("notes=" + general.notes);
    l.push_back("thmfolder=" + general.title);
    l.push_back("formbackcolor=" + ColorToHex(look.form_color));
    l.push_back("cooltransparentcolor=" + see_through_text);
    l.push_back("framecolor=" + ColorToHex(look.frame_color));
    AppendFont(l, "edit", look.edit.font);
    l.push_back("editbackcolor=" + ColorToHex(look.edit.back));
    l.push_back(std::string("editshowborder=") + Flag(look.edit.border));
    AppendFont(l, "list", look.list.font);
    l.push_back("listbackcolor=" + ColorToHex(look.list.back));
    l.push_back(std::string("listshowborder=") + Flag(look.list.border));
    AppendFont(l, "title", look.title.font);
    l.push_back("menubuttoncolor=" + ColorToHex(look.menu_button.color));
    l.push_back("menubuttonimage=" + FileNamePart(look.menu_button.image));
    l.push_back("menubuttonimage2=" + FileNamePart(look.menu_button.image_hot));
    l.push_back("hidebuttoncolor=" + ColorToHex(look.hide_button.color));
    l.push_back("hidebuttonimage=" + FileNamePart(look.hide_button.image));
    l.push_back("hidebuttonimage2=" + FileNamePart(look.hide_button.image_hot));
    l.push_back("coolbackimage=" + FileNamePart(look.cool_back_image));
    l.push_back("coolheight=" + std::to_string(back_size.height));
    l.push_back("coolwidth=" + std::to_string(back_size.width));
    for (std::size_t i = 0; i < look.cool_texts.size(); ++i) {
        const std::string p = "cooltext" + std::to_string(i + 1);
        const TextElement& t = look.cool_texts[i];
        AppendFont(l, p, t.font);
        l.push_back(p + "alignment=" + AlignWord(t.align));
        l.push_back(p + "top=" + std::to_string(t.top));
        l.push_back(p + "left=" + std::to_string(t.left));
        l.push_back(p + "height=" + std::to_string(t.height));
        l.push_back(p + "width=" + std::to_string(t.width));
    }
    return l;
}

ThemeEditorRules::ThemeEditorRules(AppSession& app) : app_(app) {}

std::string ThemeEditorRules::Themes() const { return ThemesFolder(app_.folders().program); }

bool ThemeEditorRules::ReadBitmapSize(const std::string& path, Size& size) {
    const FileRead read = app_.platform().files.ReadFile(path);
    if (!read.ok()) return false;
    const auto s = BitmapFileSize(read.bytes);
    if (!s) return false;
    size = *s;
    return true;
}

void ThemeEditorRules::FormCreate() {
    Trace("Form6.FormCreate");
    see_through_ = "FF00FF";
    const std::string back = Themes() + "back1.bmp";
    if (ReadBitmapSize(back, back_size_)) look_.cool_back_image = back;
}

void ThemeEditorRules::FormShow() {
    Trace("Form6.FormShow");
    general_.author = app_.settings().lastthemeauthor;
}

void ThemeEditorRules::FormClose() {
    Trace("Form6.FormClose");
    general_ = {};
}

void ThemeEditorRules::LoadThemeIntoEditor(const std::string& name) {
    Trace("Form6.LoadThemeIntoEditor(" + name + ")");
    Files& files = app_.platform().files;
    Lines theme;
    std::string path;
    if (!name.empty() && files.FileExists(Themes() + name)) {
        path = Themes() + name;
    } else if (!name.empty() && files.FileExists(name)) {
        path = name;
    }
    if (!path.empty()) {
        LinesRead read = ReadLines(files, path);
        if (read.ok()) theme = std::move(read.lines);
    }
    general_.title = ThemeValue(theme, "title");
    general_.author = ThemeValue(theme, "author");
    general_.notes = ThemeValue(theme, "notes");
    if (std::string s = ThemeValue(theme, "cooltransparentcolor"); !s.empty()) see_through_ = std::move(s);

    Lines rest;
    for (const std::string& line : theme)
        if (!EditorSkips(line)) rest.push_back(line);
    const std::string old_back = look_.cool_back_image;
    const ThemeLoadResult r = ApplyThemeLines(rest, files, app_.folders().program, look_);
    // A new background must be a bitmap whose size the Cool preview can take.
    if (look_.cool_back_image != old_back && !ReadBitmapSize(look_.cool_back_image, back_size_))
        look_.cool_back_image = old_back;
    if (!r.ok) app_.platform().prompts.Message(r.error);
}

NormalFields ThemeEditorRules::PickNormal(NormalObject object) {
    Trace("Form6.NormalObjectClick");
    normal_ = object;
    NormalFields f;
    auto general = [&](std::uint32_t c) {
        f.general = true;
        f.color_hex = ColorToHex(c);
        f.color = c;
    };
    auto box = [&](const BoxStyle& b) {
        general(b.back);
        f.borders_visible = true;
        f.borders = b.border;
        f.font = true;
        f.font_fields = FieldsOf(b.font);
    };
    auto button = [&](const ButtonStyle& b) {
        general(b.color);
        f.images = true;
        f.image = b.image;
        f.image_hot = b.image_hot;
    };
    switch (object) {
        case NormalObject::Form: general(look_.form_color); break;
        case NormalObject::EditBox: box(look_.edit); break;
        case NormalObject::ListBox: box(look_.list); break;
        case NormalObject::Frame: general(look_.frame_color); break;
        case NormalObject::TitleText:
            f.font = true;
            f.font_fields = FieldsOf(look_.title.font);
            break;
        case NormalObject::MenuButton: button(look_.menu_button); break;
        case NormalObject::HideButton: button(look_.hide_button); break;
        case NormalObject::None: break;
    }
    return f;
}

CoolFields ThemeEditorRules::PickCool(CoolObject object) {
    Trace("Form6.CoolObjectClick");
    cool_ = object;
    CoolFields f;
    if (object == CoolObject::Form) {
        f.general = true;
        f.color_hex = ColorToHex(cool_panel_);
        f.color = cool_panel_;
        f.see_through_hex = see_through_;
        f.see_through = HexToColor(see_through_).value_or(kWhite);
        f.back_image = look_.cool_back_image;
    } else if (const TextElement* t = PickedText()) {
        f.font = f.position = true;
        f.description = std::string(kTextDescriptions[static_cast<std::size_t>(object) - 1]);
        f.font_fields = FieldsOf(t->font);
        f.align = t->align;
        f.top = t->top;
        f.left = t->left;
        f.height = t->height;
        f.width = t->width;
    }
    return f;
}

TextElement* ThemeEditorRules::PickedText() {
    if (cool_ == CoolObject::None || cool_ == CoolObject::Form) return nullptr;
    return &look_.cool_texts[static_cast<std::size_t>(cool_) - 1];
}

FontSpec* ThemeEditorRules::PickedFont(EditorPage page) {
    if (page == EditorPage::Cool) {
        TextElement* t = PickedText();
        return t ? &t->font : nullptr;
    }
    switch (normal_) {
        case NormalObject::EditBox: return &look_.edit.font;
        case NormalObject::ListBox: return &look_.list.font;
        case NormalObject::TitleText: return &look_.title.font;
        default: return nullptr;
    }
}

ColorEntry ThemeEditorRules::ColorEntered(ColorField field, const std::string& hex) {
    Trace("Form6.HexEnter(" + hex + ")");
    const auto color = HexToColor(hex);
    if (!color) {
        app_.platform().prompts.Message("'" + hex + "' is not a valid colour value.");
        return {};
    }
    std::uint32_t* target = nullptr;
    switch (field) {
        case ColorField::NormalGeneral:
            switch (normal_) {
                case NormalObject::Form: target = &look_.form_color; break;
                case NormalObject::EditBox: target = &look_.edit.back; break;
                case NormalObject::ListBox: target = &look_.list.back; break;
                case NormalObject::Frame: target = &look_.frame_color; break;
                case NormalObject::MenuButton: target = &look_.menu_button.color; break;
                case NormalObject::HideButton: target = &look_.hide_button.color; break;
                default: break;
            }
            break;
        case ColorField::NormalFont:
        case ColorField::CoolFont:
            if (FontSpec* f = PickedFont(field == ColorField::NormalFont ? EditorPage::Normal : EditorPage::Cool))
                target = &f->color;
            break;
        case ColorField::CoolGeneral:
            if (cool_ == CoolObject::Form) target = &cool_panel_;
            break;
        case ColorField::CoolTransparent:
            // Held as typed: a text of another length is saved as it is and read back as white.
            if (cool_ == CoolObject::Form) see_through_ = hex;
            break;
    }
    if (target) *target = *color;
    return {true, *color};
}

void ThemeEditorRules::FontNamePicked(EditorPage page, const std::string& name) {
    if (FontSpec* f = PickedFont(page); f && !name.empty()) f->name = name;
}

void ThemeEditorRules::FontSizePicked(EditorPage page, int size) {
    if (FontSpec* f = PickedFont(page); f && size > 0) f->size = size;
}

bool ThemeEditorRules::FontSizeTyped(EditorPage page, std::string_view text) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string_view::npos) return false;
    int size = 0;
    for (char c : text) size = size * 10 + (c - '0');
    if (size < 1 || size > kMaxTypedFontSize || !PickedFont(page)) return false;
    FontSizePicked(page, size);
    return true;
}

bool ThemeEditorRules::FontNameTyped(EditorPage page, std::string_view text) {
    if (text.empty()) return false;
    for (const std::string& name : fonts_) {
        if (app_.platform().text.CompareNoCase(name, text) != 0) continue;
        FontNamePicked(page, name);
        return true;
    }
    return false;
}

bool ThemeEditorRules::StyleClicked(EditorPage page, FontStyle style) {
    bool& next = style_sets_[static_cast<std::size_t>(page)][static_cast<std::size_t>(style)];
    const bool set = next;
    next = !next;
    if (FontSpec* f = PickedFont(page)) {
        switch (style) {
            case FontStyle::Bold: f->bold = set; break;
            case FontStyle::Italic: f->italic = set; break;
            case FontStyle::Underline: f->underline = set; break;
        }
    }
    return set;
}

void ThemeEditorRules::AlignClicked(Align align) {
    if (TextElement* t = PickedText()) t->align = align;
}

int ThemeEditorRules::PositionChanged(PositionField field, int value) {
    value = std::clamp(value, 0, kMaxEditorPosition);
    if (TextElement* t = PickedText()) {
        switch (field) {
            case PositionField::Top: t->top = value; break;
            case PositionField::Left: t->left = value; break;
            case PositionField::Height: t->height = value; break;
            case PositionField::Width: t->width = value; break;
        }
    }
    return value;
}

std::optional<int> ThemeEditorRules::PositionTyped(PositionField field, std::string_view text) {
    if (text.empty()) return std::nullopt;
    // Only so many digits are read, so that no number overflows.
    return PositionChanged(field, std::atoi(std::string(text.substr(0, 6)).c_str()));
}

void ThemeEditorRules::PositionFocus(bool focused) {
    opaque_text_ = focused && PickedText() ? static_cast<int>(cool_) - 1 : -1;
}

bool ThemeEditorRules::ShowBordersClicked() {
    BoxStyle* b = normal_ == NormalObject::EditBox ? &look_.edit : normal_ == NormalObject::ListBox ? &look_.list : nullptr;
    if (!b) return false;
    b->border = !b->border;
    return b->border;
}

bool ThemeEditorRules::ImagePicked(ImageSlot slot, const std::string& path) {
    Trace("Form6.ImagePicked(" + path + ")");
    Size size;
    if (path.empty() || !ReadBitmapSize(path, size)) return false;
    if (slot == ImageSlot::Background) {
        if (cool_ != CoolObject::Form) return false;
        look_.cool_back_image = path;
        back_size_ = size;
        return true;
    }
    ButtonStyle* b = normal_ == NormalObject::MenuButton   ? &look_.menu_button
                     : normal_ == NormalObject::HideButton ? &look_.hide_button
                                                           : nullptr;
    if (!b) return false;
    (slot == ImageSlot::Normal ? b->image : b->image_hot) = path;
    return true;
}

TitleCheck ThemeEditorRules::TitleChanged(const std::string& title) {
    general_.title = title;
    if (title.empty()) return {};
    const std::string clean = CleanThemeTitle(title);
    if (!IsBareFileName(clean)) return {true, std::string(kBadNameWarning)};
    if (app_.platform().files.FileExists(Themes() + clean + ".th2")) return {true, std::string(kSameNameWarning)};
    return {};
}

bool ThemeEditorRules::SaveThemeBTNClick() {
    Trace("Form6.SaveThemeBTNClick");
    if (general_.title.empty()) {
        app_.platform().prompts.Message(std::string(kEmptyTitleMessage));
        return false;
    }
    return SaveTheme();
}

bool ThemeEditorRules::CopyBitmap(const std::string& from, const std::string& to) {
    // Read whole and written atomically: a failed copy leaves the target as it was.
    Files& files = app_.platform().files;
    const FileRead read = files.ReadFile(from);
    return read.ok() && files.WriteFileAtomic(to, read.bytes);
}

bool ThemeEditorRules::SaveTheme() {
    Trace("Form6.SaveTheme");
    Platform& p = app_.platform();
    const std::string themes = Themes();
    // A title that cannot name a file would write outside the themes folder or a file
    // Windows cannot open again; nothing is written then.
    const std::string title = CleanThemeTitle(general_.title);
    if (!IsBareFileName(title)) {
        p.prompts.Message(std::string(kBadTitleMessage));
        return false;
    }
    // 1. Defaults for what nothing has set.
    auto fallback = [&](std::string& held, const char* file) {
        if (held.empty()) held = themes + file;
    };
    fallback(look_.menu_button.image, "menu1.bmp");
    fallback(look_.menu_button.image_hot, "menu2.bmp");
    fallback(look_.hide_button.image, "close1.bmp");
    fallback(look_.hide_button.image_hot, "close2.bmp");
    fallback(look_.cool_back_image, "back1.bmp");
    if (see_through_.empty()) see_through_ = ColorToHex(kMagenta);
    // 2, 3.
    general_.title = title;
    app_.settings().lastthemeauthor = general_.author;
    // 4. The theme's folder, with every missing parent.
    const std::string folder = themes + title;
    for (std::size_t at = folder.find('\\', 3); at != std::string::npos; at = folder.find('\\', at + 1))
        if (!p.files.FolderExists(folder.substr(0, at))) p.files.CreateFolder(folder.substr(0, at));
    if (!p.files.FolderExists(folder)) p.files.CreateFolder(folder);
    // 5. The bitmaps, each only when it comes from elsewhere.
    for (const std::string* source : {&look_.menu_button.image, &look_.menu_button.image_hot, &look_.hide_button.image,
                                      &look_.hide_button.image_hot, &look_.cool_back_image}) {
        const std::string target = folder + "\\" + FileNamePart(*source);
        if (*source != target && !CopyBitmap(*source, target)) p.prompts.Message("Can not copy " + *source);
    }
    // 6, 7.
    const std::string file = themes + title + ".th2";
    if (!WriteLines(p.files, file, ThemeEditorLines(general_, look_, see_through_, back_size_))) {
        p.prompts.Message("ERROR! Can not save theme file " + file);
        return false;
    }
    return true;
}

}  // namespace vtx
