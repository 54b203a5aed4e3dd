#pragma once
// The Win32 platform services together. The key names come from the hotkey code and are
// passed in.

#include "platform/platform.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_misc.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_text.h"

namespace vtx::win32 {

struct Win32Platform {
    Win32Files files;
    Win32Shell shell;
    Win32Registry registry;
    Win32Clipboard clipboard;
    Win32Prompts prompts;
    Win32Text text;
    Win32System system;

    // The services as the portable code takes them; valid while this object lives.
    [[nodiscard]] Platform platform(Keys& keys) noexcept {
        return Platform{files, shell, registry, clipboard, prompts, text, keys, system};
    }
    // Message boxes and the clipboard belong to the application's window once it exists.
    void set_owner(HWND owner) noexcept {
        clipboard.set_owner(owner);
        prompts.set_owner(owner);
    }
};

}  // namespace vtx::win32
