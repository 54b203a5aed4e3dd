#include "app/window_placement.h"

#include <gtest/gtest.h>

#include <climits>

namespace vtx {
namespace {

// One 1024 x 768 monitor with a 30-pixel task bar at the bottom; a second one of 800 x 600
// to its right, its top aligned.
const MonitorArea kLeft{{0, 0, 1024, 768}, {0, 0, 1024, 738}};
const MonitorArea kRight{{1024, 0, 1824, 600}, {1024, 0, 1824, 600}};

ScreenRect Window(int left, int top) { return {left, top, left + 141, top + 200}; }

struct PlacementCase {
    const char* what;
    ScreenRect window;
    bool saved;
    std::vector<MonitorArea> monitors;
    ScreenPoint pointer;
    ScreenRect expected;
};

TEST(WindowPlacement, Table) {
    const PlacementCase cases[] = {
        // Saved places that a monitor shows are kept exactly, partly off-screen ones too.
        {"on the first monitor", Window(400, 300), true, {kLeft, kRight}, {}, Window(400, 300)},
        {"on the second monitor", Window(1500, 100), true, {kLeft, kRight}, {}, Window(1500, 100)},
        {"partly off the left edge", Window(-100, 50), true, {kLeft}, {}, Window(-100, 50)},
        {"across both monitors", Window(950, 10), true, {kLeft, kRight}, {}, Window(950, 10)},
        // A saved place on no monitor comes onto the nearest work area, at its edge.
        {"right of a removed monitor", Window(1500, 100), true, {kLeft}, {}, Window(883, 100)},
        {"far below and right", Window(5000, 5000), true, {kLeft}, {}, Window(883, 538)},
        {"above and left", Window(-3000, -900), true, {kLeft, kRight}, {}, Window(0, 0)},
        {"below the shorter monitor", Window(1300, 700), true, {kLeft, kRight}, {}, Window(1300, 400)},
        {"extreme values", Window(INT_MAX - 200, INT_MIN), true, {kLeft, kRight}, {}, Window(1683, 0)},
        // No saved place: centred on the work area of the monitor under the pointer.
        {"first start, pointer on the first", Window(512, 384), false, {kLeft, kRight}, {10, 10}, Window(441, 269)},
        {"first start, pointer on the second", Window(512, 384), false, {kLeft, kRight}, {1024, 599},
         Window(1353, 200)},
        {"first start, pointer off every monitor", Window(0, 0), false, {kLeft, kRight}, {3000, 100},
         Window(1353, 200)},
        // A window larger than the work area keeps its top left corner on it.
        {"larger than the monitor", {5000, 0, 7000, 100}, true, {kLeft}, {}, {0, 0, 2000, 100}},
        // Without monitor information nothing moves.
        {"no monitors", Window(5000, 5000), true, {}, {}, Window(5000, 5000)},
    };
    for (const auto& c : cases) {
        const ScreenRect got = PlaceWindow(c.window, c.saved, c.monitors, c.pointer);
        EXPECT_EQ(got, c.expected) << c.what << ": got " << got.left << "," << got.top << " " << got.right << ","
                                   << got.bottom;
    }
}

}  // namespace
}  // namespace vtx
