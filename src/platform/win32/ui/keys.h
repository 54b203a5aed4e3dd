#pragma once
// Modifier keys as the launcher reads them with a key message.

#include "platform/win32/windows_api.h"

namespace vtx::ui {

// Whether the key was down when the message being handled was sent: on a busy machine a quick
// Ctrl+Enter is handled after Ctrl has come up again, and still counts as Ctrl+Enter.
bool KeyHeld(int vk) noexcept;

// A modifier whose release went to another window while ours was hidden stays down in the
// thread's key state; when the window comes back such keys are let go, so typed letters are
// not read as Ctrl+letter and Enter not as Ctrl+Enter.
void ForgetReleasedModifiers() noexcept;

}  // namespace vtx::ui
