#include "app/windows_version.h"

namespace vtx {

int VersionCodeFrom(unsigned platform_id, unsigned major, unsigned minor, const std::string& csd) {
    if (platform_id == kPlatformWindows95) {
        if (major != 4) return 0;
        if (minor == 0) return 1;
        if (minor == 10) return (csd.size() >= 2 && csd[1] == 'A') ? 3 : 2;
        if (minor == 90) return 5;
        return 0;
    }
    if (platform_id == kPlatformNt) {
        if (major <= 4) return 4;
        if (major == 5 && minor == 0) return 6;
        if (major == 5 && minor == 1) return 7;
        if (major == 6) return 8;
        return 0;
    }
    return 0;
}

}  // namespace vtx
