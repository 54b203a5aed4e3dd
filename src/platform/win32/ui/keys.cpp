#include "platform/win32/ui/keys.h"

#include <initializer_list>

namespace vtx::ui {

bool KeyHeld(int vk) noexcept { return (GetKeyState(vk) & 0x8000) != 0; }

void ForgetReleasedModifiers() noexcept {
    BYTE state[256];
    if (!GetKeyboardState(state)) return;
    bool changed = false;
    for (int vk : {VK_SHIFT, VK_LSHIFT, VK_RSHIFT, VK_CONTROL, VK_LCONTROL, VK_RCONTROL, VK_MENU, VK_LMENU, VK_RMENU,
                   VK_LWIN, VK_RWIN, VK_RETURN, VK_ESCAPE}) {
        if ((state[vk] & 0x80) && !(GetAsyncKeyState(vk) & 0x8000)) {
            state[vk] &= static_cast<BYTE>(~0x80);
            changed = true;
        }
    }
    if (changed) SetKeyboardState(state);
}

}  // namespace vtx::ui
