#pragma once
// Keyboard layouts for the hotkey text: the US English names of the test fakes, and a
// German-style layout that writes its names in capitals and has keys whose names hold a "+"
// (the "+" key beside "Ü", the keypad's "+ (ZEHNERTASTATUR)").

#include <string>

#include "fake_platform.h"
#include "platform/platform.h"

namespace vtx::fuzz {

class GermanKeys : public Keys {
public:
    std::string KeyName(int vk) override {
        if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return std::string(1, static_cast<char>(vk));
        if (vk >= 0x70 && vk <= 0x7B) return "F" + std::to_string(vk - 0x6F);
        if (vk >= 0x60 && vk <= 0x69) return std::to_string(vk - 0x60) + " (ZEHNERTASTATUR)";
        switch (vk) {
            case 0x08: return "R\xDC" "CK";
            case 0x09: return "TABULATOR";
            case 0x0D: return "EINGABE";
            case 0x10: return "UMSCHALT";
            case 0x11: return "STRG";
            case 0x12: return "ALT";
            case 0x13: return "PAUSE";
            case 0x14: return "FESTSTELL";
            case 0x1B: return "ESC";
            case 0x20: return "LEER";
            case 0x21: return "BILD-AUF";
            case 0x22: return "BILD-AB";
            case 0x23: return "ENDE";
            case 0x24: return "POS1";
            case 0x25: return "NACH-LINKS";
            case 0x26: return "NACH-OBEN";
            case 0x27: return "NACH-RECHTS";
            case 0x28: return "NACH-UNTEN";
            case 0x2D: return "EINFG";
            case 0x2E: return "ENTF";
            case 0x6A: return "* (ZEHNERTASTATUR)";
            case 0x6B: return "+ (ZEHNERTASTATUR)";
            case 0x6D: return "- (ZEHNERTASTATUR)";
            case 0x6E: return ", (ZEHNERTASTATUR)";
            case 0x6F: return "/ (ZEHNERTASTATUR)";
            case 0x90: return "NUM-FEST";
            case 0x91: return "ROLLEN-FEST";
            case 0xBA: return "\xDC";
            case 0xBB: return "+";
            case 0xBC: return ",";
            case 0xBD: return "-";
            case 0xBE: return ".";
            case 0xBF: return "#";
            case 0xC0: return "\xD6";
            case 0xDB: return "\xDF";
            case 0xDC: return "^";
            case 0xDD: return "\xB4";
            case 0xDE: return "\xC4";
            case 0xE2: return "<";
            default: return {};
        }
    }
};

// One of the layouts, chosen by a fuzzer byte.
struct AnyLayout {
    fake::FakeKeys english;
    GermanKeys german;
    [[nodiscard]] Keys& Pick(bool use_german) noexcept {
        if (use_german) return german;
        return english;
    }
};

}  // namespace vtx::fuzz
