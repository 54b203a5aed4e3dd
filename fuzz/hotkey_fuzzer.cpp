// Hotkey texts: any text that reads as a hotkey is written back in a form that reads as the
// same hotkey, and that form is written again unchanged. Any value can be written.
//
// Input: the hotkey text; the last byte picks the keyboard layout, the four before it a value
// that is written and read back.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/hotkey.h"
#include "fuzz_check.h"
#include "platform/ascii.h"
#include "keyboard_layouts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool german = (input.ConsumeIntegral<std::uint8_t>() & 1) != 0;
    const int any_value = input.ConsumeIntegral<int>();
    const std::string text = input.ConsumeRemainingBytesAsString();

    vtx::fuzz::AnyLayout layouts;
    vtx::HotkeyText hotkeys(layouts.Pick(german));

    const int value = hotkeys.ParseHotkey(text);
    if (value != 0) {
        // Only a key with its modifiers.
        FUZZ_CHECK((value & ~(vtx::kKeyMask | vtx::kShift | vtx::kCtrl | vtx::kAlt | vtx::kWin)) == 0);
        FUZZ_CHECK((value & vtx::kKeyMask) != 0);
        const std::string written = hotkeys.FormatHotkey(value);
        FUZZ_CHECK(hotkeys.ParseHotkey(written) == value);
        FUZZ_CHECK(hotkeys.FormatHotkey(hotkeys.ParseHotkey(written)) == written);
        FUZZ_CHECK(vtx::ValueFromMessage(vtx::ModifierFlags(value), static_cast<unsigned>(value & vtx::kKeyMask)) ==
                   value);
    }

    // Whatever the value, writing it is safe, and what it writes reads as a stable value.
    const std::string any_text = hotkeys.FormatHotkey(any_value);
    const int any_read = hotkeys.ParseHotkey(any_text);
    if (any_read != 0) FUZZ_CHECK(hotkeys.ParseHotkey(hotkeys.FormatHotkey(any_read)) == any_read);

    // A key the layout names reads back as itself, with any modifiers: it is the first code of
    // its name (the look-up takes the first) and no modifier key.
    const int valid = any_value & (vtx::kKeyMask | vtx::kShift | vtx::kCtrl | vtx::kAlt | vtx::kWin);
    const int key = valid & vtx::kKeyMask;
    const std::string name = vtx::LowerAscii(hotkeys.FormatHotkey(key));
    if (key >= 8 && !name.empty() && name != "ctrl" && name != "shift" && name != "alt" && name != "win") {
        int first = 8;
        while (vtx::LowerAscii(hotkeys.FormatHotkey(first)) != name) ++first;
        const bool modifier_key = first >= 16 && first <= 18;
        if (first == key && !modifier_key) FUZZ_CHECK(hotkeys.ParseHotkey(hotkeys.FormatHotkey(valid)) == valid);
    }
    return 0;
}
