#include "platform/win32/ui/keys.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vtx::ui
