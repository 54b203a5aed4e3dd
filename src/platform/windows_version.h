#pragma once
// The small code naming the Windows version, from the fields of GetVersionExA.

#include <string_view>

namespace vtx {

inline constexpr int kPlatformWin9x = 1;  // VER_PLATFORM_WIN32_WINDOWS
inline constexpr int kPlatformNT = 2;     // VER_PLATFORM_WIN32_NT

// 1 Windows 95, 2 Windows 98, 3 Windows 98 SE, 5 Windows Me, 4 NT 4 and older, 6 Windows 2000,
// 7 Windows XP, 8 NT 6.x; 0 for anything else. csd is the service-pack text.
[[nodiscard]] int WindowsVersionCode(int platform_id, unsigned major, unsigned minor, unsigned build,
                                     std::string_view csd) noexcept;

}  // namespace vtx
