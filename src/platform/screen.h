#pragma once
// Screen coordinates of monitors and the pointer, as the system reports them.

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

}  // namespace vtx
