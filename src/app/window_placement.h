#pragma once
// Where the launcher window appears at start-up. A saved place that no monitor shows any
// more (a monitor was removed, a resolution lowered) is brought onto the work area of the
// nearest monitor; with no saved place the window is centred on the monitor under the
// pointer. Every other saved place is kept exactly.

#include <vector>

#include "platform/screen.h"

namespace vtx {

// The window's rect after placement (same size; moved at most).
[[nodiscard]] ScreenRect PlaceWindow(const ScreenRect& window, bool position_saved,
                                     const std::vector<MonitorArea>& monitors, ScreenPoint pointer);

}  // namespace vtx
