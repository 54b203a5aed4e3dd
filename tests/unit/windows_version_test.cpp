#include "app/windows_version.h"

#include <gtest/gtest.h>

namespace vtx {
namespace {

struct VersionCase {
    unsigned platform, major, minor;
    const char* csd;
    int code;
};

TEST(WindowsVersion, MapsEveryKnownVersionAndNothingElse) {
    const VersionCase cases[] = {
        {kPlatformWindows95, 4, 0, "", 1},
        {kPlatformWindows95, 4, 0, " C", 1},
        {kPlatformWindows95, 4, 10, "", 2},
        {kPlatformWindows95, 4, 10, " ", 2},
        {kPlatformWindows95, 4, 10, "A", 2},   // "A" must be the second character
        {kPlatformWindows95, 4, 10, " A", 3},
        {kPlatformWindows95, 4, 10, " B", 2},
        {kPlatformWindows95, 4, 90, "", 5},
        {kPlatformWindows95, 4, 3, "", 0},
        {kPlatformWindows95, 5, 0, "", 0},
        {kPlatformNt, 3, 51, "", 4},
        {kPlatformNt, 4, 0, "Service Pack 6", 4},
        {kPlatformNt, 5, 0, "", 6},
        {kPlatformNt, 5, 1, "Service Pack 3", 7},
        {kPlatformNt, 5, 2, "", 0},
        {kPlatformNt, 6, 0, "", 8},
        {kPlatformNt, 6, 1, "Service Pack 1", 8},
        {kPlatformNt, 6, 3, "", 8},
        {kPlatformNt, 10, 0, "", 0},
        {0, 4, 0, "", 0},   // Win32s
        {3, 6, 1, "", 0},   // Windows CE
    };
    for (const auto& c : cases)
        EXPECT_EQ(VersionCodeFrom(c.platform, c.major, c.minor, c.csd), c.code)
            << "platform " << c.platform << " version " << c.major << "." << c.minor << " csd \"" << c.csd << "\"";
}

}  // namespace
}  // namespace vtx
