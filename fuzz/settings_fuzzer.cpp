// The settings file: any set.set read by LoadSettings and written by SaveSettingsLines,
// read and written again, writes the same file.
//
// Two differences are the file's specified behaviour, not faults, and are allowed:
// - a hotkey text that does not convert gives hotkey 0, which is written as an empty text and
//   so reads back as the default "Win+Z";
// - with Windows version code 8 only the exact text "Win+1" becomes "Win+Z"; another text of
//   the same hotkey ("win+1") is kept, written as "Win+1" and so changed at the next run.
// Everything else, the start-with-Windows choice of a first run included (with version code 8
// the stored choice is kept, so the "on" of a first run stays on), reads back as written.
//
// Input: the file's bytes; the last byte picks Windows version, first parameter, work area,
// keyboard layout and whether the Data folder's file was there but unreadable.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/settings.h"
#include "fake_platform.h"
#include "fuzz_check.h"
#include "keyboard_layouts.h"
#include "platform/text_file.h"
#include "themes/theme_file.h"

namespace {

struct Run {
    vtx::Settings settings;
    vtx::LoadedSettings loaded;
    vtx::Lines written;
};

Run LoadAndSave(const vtx::Lines& file, vtx::HotkeyText& hotkeys, const vtx::LoadSettingsContext& ctx) {
    Run run;
    run.loaded = vtx::LoadSettings(file, run.settings, hotkeys, ctx);
    // The theme is a bare name inside "themes\", or the default theme's full path, which
    // loading the theme turns into its file name before anything is saved.
    const std::string default_path = ctx.program_folder + "themes\\Default Theme.th2";
    FUZZ_CHECK(vtx::IsBareFileName(run.settings.theme) || run.settings.theme == default_path);
    if (run.settings.theme == default_path) run.settings.theme = "Default Theme.th2";
    run.written = vtx::SaveSettingsLines(run.settings, hotkeys);
    return run;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto options = input.ConsumeIntegral<std::uint8_t>();
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    vtx::fake::FakePlatform fake;
    const std::string themes = fake.system.program_folder + "themes\\";
    fake.files.Put(themes + "Default Theme.th2", "title=Default Theme\r\n");
    fake.files.Put(themes + "Cool.th2", "title=Cool\r\n");

    vtx::LoadSettingsContext ctx;
    ctx.windows_version_code = (options & 1) ? 8 : 0;
    ctx.first_parameter = (options & 2) ? "ns" : "";
    ctx.work_area = (options & 4) ? vtx::Size{0, 0} : fake.system.work_area;
    ctx.program_folder = fake.system.program_folder;
    ctx.theme_exists = [&](const std::string& name) { return fake.files.FileExists(themes + name); };
    ctx.settings_unreadable = (options & 16) != 0;

    vtx::fuzz::AnyLayout layouts;
    vtx::HotkeyText hotkeys(layouts.Pick((options & 8) != 0));

    const Run first = LoadAndSave(vtx::SplitLines(bytes), hotkeys, ctx);
    FUZZ_CHECK(first.written.size() == 23);
    FUZZ_CHECK(first.settings.opacity >= 0 && first.settings.opacity <= 255);
    FUZZ_CHECK(first.loaded.window_opacity >= 50 && first.loaded.window_opacity <= 255);
    FUZZ_CHECK(first.settings.height > 0 && first.settings.height <= vtx::kMaxWindowHeight);
    FUZZ_CHECK(first.settings.top <= ctx.work_area.height && first.settings.left <= ctx.work_area.width);
    FUZZ_CHECK(first.settings.top >= -vtx::kMaxPosition && first.settings.left >= -vtx::kMaxPosition);
    if (ctx.settings_unreadable) {
        FUZZ_CHECK(!first.loaded.first_run);
        FUZZ_CHECK(first.loaded.startup_entry == vtx::StartupEntry::None);
    }

    // The file goes to disk and comes back as the next run reads it.
    const Run second = LoadAndSave(vtx::SplitLines(vtx::JoinLines(first.written)), hotkeys, ctx);
    vtx::Lines expected = first.written;
    const std::string saved_hotkey = first.written[9].substr(std::string_view("hotkey=").size());
    int expected_hotkey = first.settings.hotkey;
    if (saved_hotkey.empty() || (saved_hotkey == "Win+1" && ctx.windows_version_code == 8))
        expected_hotkey = hotkeys.ParseHotkey("Win+Z");
    FUZZ_CHECK(second.settings.hotkey == expected_hotkey);
    if (expected_hotkey != first.settings.hotkey) expected[9] = second.written[9];
    FUZZ_CHECK(second.written == expected);
    FUZZ_CHECK(!second.loaded.first_run);
    return 0;
}
