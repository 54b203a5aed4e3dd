#include "platform/win32/ui/controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialogs/win32/about_dialog.h"
#include "dialogs/win32/options_dialog.h"
#include "editors/win32/browsers_dialog.h"
#include "editors/win32/manager_window.h"
#include "editors/win32/more_options_dialog.h"
#include "platform/win32/ui/dpi.h"

namespace vtx::ui {
namespace {

struct Table {
    const char* name;
    std::span<const Control> controls;
};

std::vector<Table> AllTables() {
    return {{"Settings", OptionsDialog::Table()},   {"About", AboutDialog::Table()},
            {"Shortcuts", ManagerWindow::Table()},    {"More Options", MoreOptionsDialog::Table()},
            {"Browsers", BrowsersDialog::Table()}};
}

// A drop-down list's box includes its list; closed it is one line high.
Box Shown(const Control& c) {
    Box b = c.box;
    if (c.kind == Kind::ComboList) b.h = std::min(b.h, 24);
    return b;
}

bool Overlap(const Box& a, const Box& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool IsContainer(Kind k) { return k == Kind::Group || k == Kind::Tabs || k == Kind::Panel; }

// Controls that share a page never cover each other; only containers hold others.
TEST(DialogKit, NoTwoControlsOfOnePageOverlap) {
    for (const Table& t : AllTables()) {
        for (std::size_t i = 0; i < t.controls.size(); ++i) {
            for (std::size_t j = i + 1; j < t.controls.size(); ++j) {
                const Control& a = t.controls[i];
                const Control& b = t.controls[j];
                if (IsContainer(a.kind) || IsContainer(b.kind) || a.hidden || b.hidden) continue;
                if (a.page != b.page && a.page != 0 && b.page != 0) continue;
                EXPECT_FALSE(Overlap(Shown(a), Shown(b))) << t.name << ": \"" << a.text << "\" and \"" << b.text << "\"";
            }
        }
    }
}

class Parent {
public:
    Parent() {
        hwnd_ = CreateWindowExA(WS_EX_CONTROLPARENT, "STATIC", "", WS_POPUP, 0, 0, 900, 700, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    }
    ~Parent() { DestroyWindow(hwnd_); }
    HWND get() const { return hwnd_; }

private:
    HWND hwnd_;
};

RECT ChildRect(HWND parent, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// At 144 DPI every box is one and a half times its 96-DPI size, and the font grows with it.
TEST(DialogKit, ControlsScaleWithTheDpi) {
    LOGFONTA base{};
    ASSERT_TRUE(GetObjectA(UiFont(96), sizeof base, &base));
    for (const Table& t : AllTables()) {
        for (UINT dpi : {96u, 144u}) {
            Parent parent;
            ControlSet set;
            set.Create(parent.get(), t.controls, dpi);
            for (const Control& c : t.controls) {
                const RECT r = ChildRect(parent.get(), set[c.id]);
                SCOPED_TRACE(std::string(t.name) + " \"" + c.text + "\" at " + std::to_string(dpi));
                EXPECT_EQ(r.left, Scale(c.box.x, dpi));
                EXPECT_EQ(r.top, Scale(c.box.y, dpi));
                if (c.kind != Kind::ComboList) {
                    EXPECT_EQ(r.bottom - r.top, Scale(c.box.h, dpi));
                }
                EXPECT_EQ(r.right - r.left, Scale(c.box.w, dpi));
            }
            // The font the controls were given, while they still hold it.
            LOGFONTA lf{};
            const auto label = std::find_if(t.controls.begin(), t.controls.end(),
                                            [](const Control& c) { return c.kind == Kind::Label && c.style == 0; });
            ASSERT_NE(label, t.controls.end());
            const auto font = reinterpret_cast<HFONT>(SendMessageA(set[label->id], WM_GETFONT, 0, 0));
            ASSERT_TRUE(GetObjectA(font, sizeof lf, &lf)) << t.name;
            EXPECT_EQ(std::abs(lf.lfHeight), MulDiv(std::abs(base.lfHeight), static_cast<int>(dpi), 96));
        }
    }
}

// Tab moves through the fields of the shown page in the table's order.
TEST(DialogKit, TabOrderFollowsTheTable) {
    for (const Table& t : AllTables()) {
        Parent parent;
        ControlSet set;
        set.Create(parent.get(), t.controls, 96);
        set.ShowPage(1);
        std::vector<HWND> expected;
        for (const Control& c : t.controls) {
            HWND w = set[c.id];
            if ((GetWindowLongA(w, GWL_STYLE) & (WS_TABSTOP | WS_VISIBLE | WS_DISABLED)) == (WS_TABSTOP | WS_VISIBLE)) {
                expected.push_back(w);
            }
        }
        ASSERT_FALSE(expected.empty()) << t.name;
        std::vector<HWND> walked;
        HWND w = GetNextDlgTabItem(parent.get(), nullptr, FALSE);
        for (std::size_t i = 0; i < expected.size() && w; ++i) {
            walked.push_back(w);
            w = GetNextDlgTabItem(parent.get(), w, FALSE);
        }
        EXPECT_EQ(walked, expected) << t.name;
    }
}

}  // namespace
}  // namespace vtx::ui
