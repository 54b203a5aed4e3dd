#pragma once
// The monitors and the pointer as the portable window-placement rule sees them.

#include <vector>

#include "platform/screen.h"

namespace vtx::win32 {

[[nodiscard]] std::vector<MonitorArea> Monitors();
[[nodiscard]] ScreenPoint PointerPosition();

}  // namespace vtx::win32
