#include "platform/win32/ui/keys.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/ui/foreground.h"

namespace vtx::ui {
namespace {

struct Window {
    Window() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "VtxKeysTest";
        RegisterClassA(&wc);
        hwnd = CreateWindowExA(0, wc.lpszClassName, "keys", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100,
                               nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~Window() { DestroyWindow(hwnd); }
    HWND hwnd;
};

INPUT Key(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

// Ctrl+Enter typed faster than the window handles it: by the time Enter's message is read,
// Ctrl is up on the keyboard, yet it was down when Enter went down.
TEST(Keys, CtrlCountsAsHeldWithTheEnterItWasPressedWith) {
    Window w;
    ASSERT_TRUE(w.hwnd);
    BringToFront(w.hwnd);
    SetFocus(w.hwnd);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    INPUT keys[] = {Key(VK_CONTROL, false), Key(VK_RETURN, false), Key(VK_RETURN, true), Key(VK_CONTROL, true)};
    ASSERT_EQ(SendInput(4, keys, sizeof(INPUT)), 4u);

    bool seen = false, ctrl_at_enter = false, ctrl_up_by_then = false;
    const DWORD deadline = GetTickCount() + 10000;
    while (!seen && GetTickCount() < deadline) {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            continue;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) {
            seen = true;
            ctrl_at_enter = KeyHeld(VK_CONTROL);
            ctrl_up_by_then = (GetAsyncKeyState(VK_CONTROL) & 0x8000) == 0;
        }
        DispatchMessageA(&msg);
    }
    ASSERT_TRUE(seen) << "Enter did not reach the window";
    EXPECT_TRUE(ctrl_up_by_then) << "the keys were not all typed before Enter was read";
    EXPECT_TRUE(ctrl_at_enter);
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    EXPECT_FALSE(KeyHeld(VK_CONTROL)) << "Ctrl's release was read";
}

// A Ctrl release that went elsewhere: the thread still has Ctrl down until it is forgotten.
TEST(Keys, AReleasedModifierIsForgotten) {
    BYTE state[256];
    ASSERT_TRUE(GetKeyboardState(state));
    state[VK_CONTROL] |= 0x80;
    ASSERT_TRUE(SetKeyboardState(state));
    ASSERT_TRUE(KeyHeld(VK_CONTROL));
    ForgetReleasedModifiers();
    EXPECT_FALSE(KeyHeld(VK_CONTROL));
}

// A chord acted on at its key's release, typed as xdotool types "ctrl+F11" (Ctrl comes up
// before F11) and as a hand types it (F11 first): Ctrl counts either way; F11 alone, or after
// a Ctrl let go before it went down, is no chord.
TEST(Keys, AChordCountsTheModifiersHeldAtItsKeysPress) {
    struct Case {
        const char* typed;
        std::vector<INPUT> keys;
        bool ctrl;
    };
    const std::vector<Case> cases{
        {"Ctrl, F11, Ctrl up, F11 up", {Key(VK_CONTROL, false), Key(VK_F11, false), Key(VK_CONTROL, true), Key(VK_F11, true)},
         true},
        {"Ctrl, F11, F11 up, Ctrl up", {Key(VK_CONTROL, false), Key(VK_F11, false), Key(VK_F11, true), Key(VK_CONTROL, true)},
         true},
        {"F11 alone", {Key(VK_F11, false), Key(VK_F11, true)}, false},
        {"Ctrl let go, then F11", {Key(VK_CONTROL, false), Key(VK_CONTROL, true), Key(VK_F11, false), Key(VK_F11, true)},
         false},
    };
    Window w;
    ASSERT_TRUE(w.hwnd);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        BringToFront(w.hwnd);
        SetFocus(w.hwnd);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        std::vector<INPUT> keys = c.keys;
        ASSERT_EQ(SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT)), keys.size());
        ChordKeys chords;
        bool seen = false, ctrl = false;
        const DWORD deadline = GetTickCount() + 10000;
        while (!seen && GetTickCount() < deadline) {
            if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
                continue;
            }
            if (msg.message == WM_KEYDOWN) chords.KeyDown(msg.wParam);
            if (msg.message == WM_KEYUP && msg.wParam == VK_F11) {
                seen = true;
                ctrl = chords.KeyUp(msg.wParam).ctrl;
            }
            DispatchMessageA(&msg);
        }
        ASSERT_TRUE(seen) << "F11's release did not reach the window";
        EXPECT_EQ(ctrl, c.ctrl);
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
}

// A press ends with its release, or when forgotten (its release never came: the window hid).
TEST(Keys, APressEndsWithItsReleaseOrWhenForgotten) {
    ChordKeys chords;
    BYTE state[256];
    ASSERT_TRUE(GetKeyboardState(state));
    state[VK_CONTROL] |= 0x80;
    ASSERT_TRUE(SetKeyboardState(state));
    chords.KeyDown(VK_F9);
    state[VK_CONTROL] &= static_cast<BYTE>(~0x80);
    ASSERT_TRUE(SetKeyboardState(state));
    EXPECT_TRUE(chords.KeyUp(VK_F9).ctrl) << "held at the press";
    EXPECT_FALSE(chords.KeyUp(VK_F9).ctrl) << "the press ended with its release";
    state[VK_CONTROL] |= 0x80;
    ASSERT_TRUE(SetKeyboardState(state));
    chords.KeyDown(VK_F9);
    state[VK_CONTROL] &= static_cast<BYTE>(~0x80);
    ASSERT_TRUE(SetKeyboardState(state));
    chords.Forget();
    EXPECT_FALSE(chords.KeyUp(VK_F9).ctrl);
}

}  // namespace
}  // namespace vtx::ui
