#include "platform/windows_version.h"

namespace vtx {

int WindowsVersionCode(int platform_id, unsigned major, unsigned minor, unsigned /*build*/,
                       std::string_view csd) noexcept {
    if (platform_id == kPlatformWin9x) {
        if (major != 4) return 0;
        switch (minor) {
            case 0: return 1;
            case 10: return csd.size() >= 2 && csd[1] == 'A' ? 3 : 2;  // " A" marks the second edition
            case 90: return 5;
            default: return 0;
        }
    }
    if (platform_id == kPlatformNT) {
        if (major <= 4) return 4;
        if (major == 5 && minor == 0) return 6;
        if (major == 5 && minor == 1) return 7;
        if (major == 6) return 8;
    }
    return 0;
}

}  // namespace vtx
