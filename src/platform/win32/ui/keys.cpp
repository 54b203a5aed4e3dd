#include "platform/win32/ui/keys.h"

#include <initializer_list>

namespace vtx::ui {
namespace {

enum : std::uint8_t { kCtrl = 1, kShift = 2, kAlt = 4 };

std::uint8_t HeldNow() noexcept {
    return static_cast<std::uint8_t>((KeyHeld(VK_CONTROL) ? kCtrl : 0) | (KeyHeld(VK_SHIFT) ? kShift : 0) |
                                     (KeyHeld(VK_MENU) ? kAlt : 0));
}

}  // namespace

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

void ChordKeys::KeyDown(WPARAM vk) noexcept {
    if (vk < held_.size()) held_[vk] = static_cast<std::uint8_t>(held_[vk] | HeldNow());  // repeats add, never drop
}

Modifiers ChordKeys::KeyUp(WPARAM vk) noexcept {
    std::uint8_t bits = HeldNow();
    if (vk < held_.size()) {
        bits = static_cast<std::uint8_t>(bits | held_[vk]);
        held_[vk] = 0;
    }
    return {(bits & kCtrl) != 0, (bits & kShift) != 0, (bits & kAlt) != 0};
}

}  // namespace vtx::ui
