#include "app/window_placement.h"

#include <algorithm>
#include <cstdint>

namespace vtx {
namespace {

bool Overlaps(const ScreenRect& a, const ScreenRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Squared gap between two rects (0 when they touch or overlap); 64 bits, as screen
// coordinates from a settings file may be anything an int holds.
std::int64_t Gap(const ScreenRect& a, const ScreenRect& b) {
    const std::int64_t dx = std::max<std::int64_t>({0, std::int64_t{b.left} - a.right, std::int64_t{a.left} - b.right});
    const std::int64_t dy = std::max<std::int64_t>({0, std::int64_t{b.top} - a.bottom, std::int64_t{a.top} - b.bottom});
    return dx * dx + dy * dy;
}

const MonitorArea& Nearest(const std::vector<MonitorArea>& monitors, const ScreenRect& r) {
    return *std::min_element(monitors.begin(), monitors.end(),
                             [&](const MonitorArea& a, const MonitorArea& b) { return Gap(a.area, r) < Gap(b.area, r); });
}

// One axis: inside [low, high) when it fits, else aligned to low so the title stays reachable.
int Clamp(std::int64_t start, std::int64_t size, int low, int high) {
    return static_cast<int>(std::max<std::int64_t>(low, std::min<std::int64_t>(start, std::int64_t{high} - size)));
}

ScreenRect MovedTo(const ScreenRect& r, int left, int top) {
    const std::int64_t w = std::int64_t{r.right} - r.left, h = std::int64_t{r.bottom} - r.top;
    return {left, top, static_cast<int>(left + w), static_cast<int>(top + h)};
}

}  // namespace

ScreenRect PlaceWindow(const ScreenRect& window, bool position_saved, const std::vector<MonitorArea>& monitors,
                       ScreenPoint pointer) {
    if (monitors.empty()) return window;
    const std::int64_t w = std::int64_t{window.right} - window.left, h = std::int64_t{window.bottom} - window.top;
    if (!position_saved) {
        const ScreenRect at_pointer{pointer.x, pointer.y, pointer.x + 1, pointer.y + 1};
        // The monitor holding the pointer; monitors touch, so "nearest" alone could pick a neighbour.
        const auto holder = std::find_if(monitors.begin(), monitors.end(),
                                         [&](const MonitorArea& m) { return Overlaps(m.area, at_pointer); });
        const ScreenRect& wa = (holder != monitors.end() ? *holder : Nearest(monitors, at_pointer)).work;
        const std::int64_t left = wa.left + (std::int64_t{wa.right} - wa.left - w) / 2;
        const std::int64_t top = wa.top + (std::int64_t{wa.bottom} - wa.top - h) / 2;
        return MovedTo(window, Clamp(left, w, wa.left, wa.right), Clamp(top, h, wa.top, wa.bottom));
    }
    for (const MonitorArea& m : monitors)
        if (Overlaps(m.area, window)) return window;
    const ScreenRect& wa = Nearest(monitors, window).work;
    return MovedTo(window, Clamp(window.left, w, wa.left, wa.right), Clamp(window.top, h, wa.top, wa.bottom));
}

}  // namespace vtx
