#pragma once
#include <windows.h>

#include "platform/hotkeys.h"
#include "platform/platform.h"

namespace vtx::win32 {

// Global atoms and RegisterHotKey for one window (its thread when the window is null).
class Win32HotkeyRegistrar : public HotkeyRegistrar {
public:
    explicit Win32HotkeyRegistrar(HWND window) noexcept : window_(window) {}
    int AddAtom(const std::string& text) override;
    void DeleteAtom(int atom) override;
    bool Register(int id, unsigned flags, unsigned vk) override;
    bool Unregister(int id) override;

private:
    HWND window_;
};

// Key names of the user's keyboard layout.
class Win32Keys : public Keys {
public:
    std::string KeyName(int virtual_key) override;
};

}  // namespace vtx::win32
