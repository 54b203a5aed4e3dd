#pragma once
// The global hotkey: one integer (key code in the low byte, modifier bits above it), its
// text form ("Win+Z", "Ctrl+Shift+F10") and the registrations made with the system.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/hotkeys.h"
#include "platform/platform.h"

namespace vtx {

inline constexpr int kShift = 8192;
inline constexpr int kCtrl = 16384;
inline constexpr int kAlt = 32768;
inline constexpr int kWin = 65536;
inline constexpr int kKeyMask = 0xFF;

// Modifier flags of the system's hotkey registration.
inline constexpr unsigned kModAlt = 1;
inline constexpr unsigned kModCtrl = 2;
inline constexpr unsigned kModShift = 4;
inline constexpr unsigned kModWin = 8;

// Hotkey value -> registration flags (the key is the value's low byte).
[[nodiscard]] unsigned ModifierFlags(int value) noexcept;
// Registration flags and key of a hotkey message -> hotkey value.
[[nodiscard]] int ValueFromMessage(unsigned flags, unsigned vk) noexcept;

// Text form of hotkey values, in the names of the user's keyboard layout. The modifier and
// key names are asked of the layout once, when first needed, and kept.
class HotkeyText {
public:
    explicit HotkeyText(Keys& keys) noexcept : keys_(keys) {}

    // Modifiers in the order Ctrl, Shift, Alt, Win, each followed by "+", then the key name.
    [[nodiscard]] std::string FormatHotkey(int value);
    // The value of a text such as "Win+Z" or "win + z"; 0 when the text is no valid hotkey.
    [[nodiscard]] int ParseHotkey(std::string_view text);

private:
    struct Modifier {
        const char* plain;   // "Ctrl"
        std::string layout;  // the layout's own name
        int bit;
    };
    void EnsureNames();
    [[nodiscard]] int LookUpKey(std::string_view name);
    // Keys whose own name holds a "+" (a German layout's "+" and "+ (ZEHNERTASTATUR)"), which
    // the cut at every "+" takes apart: after each leading modifier, the rest as one key name.
    [[nodiscard]] int ParseKeyWithPlus(std::string_view text);
    [[nodiscard]] const Modifier* FindModifier(std::string_view part) const noexcept;
    [[nodiscard]] bool IsModifierName(std::string_view part) const noexcept;

    Keys& keys_;
    bool named_ = false;
    std::array<Modifier, 4> modifiers_{};       // Ctrl, Shift, Alt, Win: the order of the text form
    std::array<std::string, 256> key_names_{};  // name of every key code, without modifiers
    std::array<std::string, 256> key_lower_{};  // the same, lower-cased for the look-up
};

// The hotkeys this program registered, each under a global atom "HotKeyManagerHotKey<value>".
class HotkeyManager {
public:
    explicit HotkeyManager(HotkeyRegistrar& registrar) noexcept : registrar_(registrar) {}
    HotkeyManager(const HotkeyManager&) = delete;
    HotkeyManager& operator=(const HotkeyManager&) = delete;
    ~HotkeyManager();

    // The identifier of the registration, or 0 when the value is 0 or the system refuses it.
    [[nodiscard]] int RegisterAppHotkey(int value);
    // Unregisters every hotkey, last first; an entry stays when the system does not confirm.
    void UnregisterAllHotkeys();
    // After a resume from sleep, an unlock or a change of user session: the system may have
    // dropped the registration of `value`. It is checked and made again when lost (or when it
    // was refused before); true when `value` is registered afterwards.
    [[nodiscard]] bool EnsureRegistered(int value);
    // The hotkey value of a hotkey message when it is one of ours.
    [[nodiscard]] std::optional<int> OnHotKeyMessage(unsigned flags, unsigned vk) const;

    [[nodiscard]] std::size_t Count() const noexcept { return registered_.size(); }

private:
    struct Entry {
        int value;
        int id;
    };
    void Drop(std::size_t index);

    HotkeyRegistrar& registrar_;
    std::vector<Entry> registered_;
};

}  // namespace vtx
