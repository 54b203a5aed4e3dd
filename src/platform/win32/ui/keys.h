#pragma once
// Modifier keys as every window reads them with a key message.

#include <array>
#include <cstdint>

#include "platform/win32/windows_api.h"

namespace vtx::ui {

// Whether the key was down when the message being handled was sent: on a busy machine a quick
// Ctrl+Enter is handled after Ctrl has come up again, and still counts as Ctrl+Enter.
bool KeyHeld(int vk) noexcept;

// A modifier whose release went to another window while ours was hidden stays down in the
// thread's key state; when the window comes back such keys are let go, so typed letters are
// not read as Ctrl+letter and Enter not as Ctrl+Enter.
void ForgetReleasedModifiers() noexcept;

struct Modifiers {
    bool ctrl = false, shift = false, alt = false;
};

// Chords acted on when their key comes up (Ctrl+F11, Ctrl+F9, Ctrl+Enter). A modifier counts
// when it was held as of the key's down message, or still is as of its up message: typed
// quickly (xdotool lets Ctrl go before F11) or on a busy machine, the modifier comes up before
// the key does, and the chord was still pressed.
class ChordKeys {
public:
    // With every WM_KEYDOWN and WM_SYSKEYDOWN the window sees.
    void KeyDown(WPARAM vk) noexcept;
    // With the key's WM_KEYUP or WM_SYSKEYUP: the modifiers of the chord; the key's press ends.
    [[nodiscard]] Modifiers KeyUp(WPARAM vk) noexcept;
    // A press begun before the window hid never ends in it.
    void Forget() noexcept { held_.fill(0); }

private:
    std::array<std::uint8_t, 256> held_{};  // per key: the modifier bits held at its press
};

}  // namespace vtx::ui
