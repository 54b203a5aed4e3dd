#pragma once
// Global atoms and hotkey registration, as the program's hotkey manager asks them of the system.

#include <string>

namespace vtx {

// Global atoms and hotkey registration for one window.
class HotkeyRegistrar {
public:
    virtual ~HotkeyRegistrar() = default;
    // 0 when no atom could be made.
    [[nodiscard]] virtual int AddAtom(const std::string& text) = 0;
    virtual void DeleteAtom(int atom) = 0;
    [[nodiscard]] virtual bool Register(int id, unsigned flags, unsigned vk) = 0;
    [[nodiscard]] virtual bool Unregister(int id) = 0;
};

}  // namespace vtx
