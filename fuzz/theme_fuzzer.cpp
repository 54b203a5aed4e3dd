// Theme files: any bytes under any file name load without harm, images come only from
// inside the themes folder, no position or size the window adds up can overflow, and the
// theme's lines written out and loaded again give the same look. Six-digit colour texts
// convert to a colour and back.
//
// Input: the theme file; the last byte picks where it lies and what name loadthm is given,
// the four before it a colour. With a NUL byte in the input, the text after the last NUL
// is the file name.

#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fake_platform.h"
#include "fuzz_check.h"
#include "platform/ascii.h"
#include "platform/text_file.h"
#include "themes/builtin_images.h"
#include "themes/theme_apply.h"
#include "themes/theme_file.h"

namespace {

const std::string kProgramFolder = "C:\\Program Files\\Vantrix\\";

bool FitsInt(long long v) noexcept { return v >= INT_MIN && v <= INT_MAX; }

// The sums the window forms from the look: text and shape rectangles, the window outline.
void CheckGeometry(const vtx::ThemeLook& look) {
    for (const vtx::TextElement& t : look.cool_texts) {
        FUZZ_CHECK(FitsInt(static_cast<long long>(t.left) + t.width));
        FUZZ_CHECK(FitsInt(static_cast<long long>(t.top) + t.height));
    }
    const vtx::ShapeStyle& s = look.shape;
    FUZZ_CHECK(FitsInt(static_cast<long long>(s.left) + s.width + 1));
    FUZZ_CHECK(FitsInt(static_cast<long long>(s.top) + s.height + 1));
    FUZZ_CHECK(FitsInt(static_cast<long long>(look.cool_width) + 1));
    FUZZ_CHECK(FitsInt(static_cast<long long>(look.cool_height) + 1));
    const vtx::LayoutGeometry cool = vtx::CoolLayout(look);
    FUZZ_CHECK(cool.width >= vtx::kMinWindowWidth);
    const vtx::LayoutGeometry normal =
        vtx::NormalLayout(look, vtx::kDefaultNormalWidth, vtx::kDefaultNormalHeight, 0);
    FUZZ_CHECK(normal.window_color == look.form_color);
}

void CheckImage(vtx::fake::FakeFiles& files, const std::string& path) {
    if (path.empty()) return;
    FUZZ_CHECK(vtx::StartsWith(path, vtx::ThemesFolder(kProgramFolder)));
    FUZZ_CHECK(files.FileExists(path));
}

void CheckColours(const vtx::Lines& theme, std::uint32_t any_colour) {
    for (const std::string& line : theme) {
        const auto eq = line.find('=');
        if (eq == std::string::npos || line.size() - eq - 1 != 6) continue;
        const std::string_view value = std::string_view(line).substr(eq + 1);
        const auto colour = vtx::HexToColor(value);
        if (!colour) continue;
        FUZZ_CHECK(*colour <= 0xFFFFFFu);
        FUZZ_CHECK(vtx::ColorToHex(*colour) == vtx::UpperAscii(value));
        FUZZ_CHECK(vtx::HexToColor(vtx::ColorToHex(*colour)) == colour);
    }
    const std::string hex = vtx::ColorToHex(any_colour);
    FUZZ_CHECK(hex.size() == 6);
    FUZZ_CHECK(vtx::HexToColor(hex) == (any_colour & 0xFFFFFFu));
}

struct Loaded {
    vtx::ThemeLoadResult result;
    vtx::ThemeLook look;
    vtx::Lines lines;
    std::string name;
};

Loaded Load(const std::string& name, vtx::fake::FakeFiles& files) {
    Loaded l;
    l.result = vtx::loadthm(name, files, kProgramFolder, l.look, l.lines, l.name);
    return l;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto where = input.ConsumeIntegral<std::uint8_t>();
    const auto any_colour = input.ConsumeIntegral<std::uint32_t>();
    std::string bytes = input.ConsumeRemainingBytesAsString();

    const std::string themes = vtx::ThemesFolder(kProgramFolder);
    vtx::fake::FakeFiles files;
    files.PutFolder(themes);
    files.PutFolder(themes + "Default Theme");
    files.Put(themes + std::string(vtx::kDefaultThemeFile), vtx::JoinLines(vtx::DefaultThemeLines()));
    for (vtx::BuiltinImage image : vtx::kBuiltinImages) {
        files.Put(themes + vtx::BuiltinImageFileName(image), "BM");
        files.Put(themes + "Default Theme\\" + vtx::BuiltinImageFileName(image), "BM");
    }

    std::string name;
    const auto nul = bytes.rfind('\0');
    if (nul != std::string::npos) {
        name = bytes.substr(nul + 1);
        bytes.resize(nul);
    }
    switch (where % 3) {
        case 0:  // a bare name in the themes folder
            if (name.empty()) name = "Fuzz.th2";
            files.Put(themes + name, bytes);
            break;
        case 1:  // a full path elsewhere
            name = "D:\\Themes\\" + (name.empty() ? std::string("Fuzz.th2") : name);
            files.Put(name, bytes);
            break;
        default:  // the default theme replaced, asked for by a name that may not exist
            files.Put(themes + std::string(vtx::kDefaultThemeFile), bytes);
            break;
    }

    const Loaded first = Load(name, files);
    FUZZ_CHECK(first.result.ok || !first.result.error.empty());
    CheckGeometry(first.look);
    for (const vtx::ButtonStyle* b : {&first.look.menu_button, &first.look.hide_button}) {
        CheckImage(files, b->image);
        CheckImage(files, b->image_hot);
    }
    CheckImage(files, first.look.cool_back_image);
    CheckColours(first.lines, any_colour);

    // The loaded lines written out as a theme of their own load to the same look.
    // Outside the themes folder, so that it cannot stand in for an image the theme names.
    files.Put("E:\\Again.th2", vtx::JoinLines(first.lines));
    const Loaded second = Load("E:\\Again.th2", files);
    FUZZ_CHECK(second.name == "Again.th2");
    FUZZ_CHECK(second.lines == first.lines);
    FUZZ_CHECK(vtx::JoinLines(second.lines) == vtx::JoinLines(first.lines));
    FUZZ_CHECK(second.result.ok == first.result.ok);
    FUZZ_CHECK(second.result.error == first.result.error);
    FUZZ_CHECK(second.look == first.look);
    return 0;
}
