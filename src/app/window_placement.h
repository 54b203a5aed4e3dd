#pragma once
// Where the launcher window appears at start-up. A saved place that no monitor shows any
// more (a monitor was removed, a resolution lowered) is brought onto the work area of the
// nearest monitor; with no saved place the window is centred on the monitor under the
// pointer. Every other saved place is kept exactly.

#include <vector>

namespace vtx {

// Screen coordinates; right and bottom are exclusive.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

struct MonitorArea {
    ScreenRect area;  // the whole monitor
    ScreenRect work;  // without task bars
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// The window's rect after placement (same size; moved at most).
[[nodiscard]] ScreenRect PlaceWindow(const ScreenRect& window, bool position_saved,
                                     const std::vector<MonitorArea>& monitors, ScreenPoint pointer);

}  // namespace vtx
