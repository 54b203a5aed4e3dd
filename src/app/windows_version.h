#pragma once
// The small code that names the Windows version the program runs on.

#include <string>

namespace vtx {

// Values of the operating system's platform identifier.
inline constexpr unsigned kPlatformWindows95 = 1;  // VER_PLATFORM_WIN32_WINDOWS
inline constexpr unsigned kPlatformNt = 2;         // VER_PLATFORM_WIN32_NT

// Maps the version information to its code: 1 Windows 95, 2 Windows 98, 3 Windows 98 SE,
// 5 Windows Me, 4 NT 4 or older, 6 Windows 2000, 7 Windows XP, 8 any NT 6.x, 0 anything else.
// csd is the service-pack text; its second character "A" marks the second edition of 4.10.
[[nodiscard]] int VersionCodeFrom(unsigned platform_id, unsigned major, unsigned minor, const std::string& csd);

}  // namespace vtx
