#include "platform/win32/win32_hotkeys.h"

#include "platform/win32/wide.h"

namespace vtx::win32 {

int Win32HotkeyRegistrar::AddAtom(const std::string& text) { return GlobalAddAtomW(Utf8ToWide(text).c_str()); }

void Win32HotkeyRegistrar::DeleteAtom(int atom) { GlobalDeleteAtom(static_cast<ATOM>(atom)); }

bool Win32HotkeyRegistrar::Register(int id, unsigned flags, unsigned vk) {
    return RegisterHotKey(window_, id, flags, vk) != FALSE;
}

bool Win32HotkeyRegistrar::Unregister(int id) { return UnregisterHotKey(window_, id) != FALSE; }

std::string Win32Keys::KeyName(int virtual_key) {
    if (virtual_key < 0 || virtual_key > 255) return {};
    const UINT scan = MapVirtualKeyW(static_cast<UINT>(virtual_key), MAPVK_VK_TO_VSC);
    LONG param = static_cast<LONG>((scan & 0xFF) << 16);
    // The cursor block (Page Up to Down, Insert, Delete) shares scan codes with the keypad.
    if ((virtual_key >= VK_PRIOR && virtual_key <= VK_DOWN) || virtual_key == VK_INSERT || virtual_key == VK_DELETE)
        param |= 1L << 24;
    wchar_t name[64] = {};
    const int n = GetKeyNameTextW(param, name, 64);
    return n > 0 ? WideToUtf8(std::wstring_view(name, static_cast<std::size_t>(n))) : std::string();
}

}  // namespace vtx::win32
