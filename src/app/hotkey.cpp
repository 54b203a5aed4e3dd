#include "app/hotkey.h"

#include "platform/ascii.h"

namespace vtx {

namespace {

// Names of the browser and media keys, which most layouts leave unnamed.
constexpr int kFirstMediaKey = 166;
constexpr std::array<const char*, 18> kMediaKeyNames{
    "Browser Back",  "Browser Forward", "Browser Refresh",    "Browser Stop",       "Browser Search",
    "Browser Favorites", "Browser Start/Home", "Volume Mute", "Volume Down",       "Volume Up",
    "Next Track",    "Previous Track",  "Stop Media",         "Play/Pause Media",   "Start Mail",
    "Select Media",  "Start Application 1", "Start Application 2"};

constexpr int kF1 = 112;
constexpr int kF24 = 135;
constexpr int kFirstLookedUpKey = 8;
const std::string kAtomPrefix = "HotKeyManagerHotKey";

bool OnlyCapitals(std::string_view s) noexcept {
    if (s.empty()) return false;
    for (char c : s)
        if (c < 'A' || c > 'Z') return false;
    return true;
}

// Parts of a hotkey text, cut at every "+". A "+" that ends the text belongs to the key's
// own name ("Num +"), so it does not start an empty last part.
std::vector<std::string> SplitParts(std::string_view text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto plus = text.find('+', start);
        if (plus == std::string_view::npos) {
            if (start < text.size() || parts.empty()) parts.push_back(TrimBlanks(text.substr(start)));
            return parts;
        }
        parts.push_back(TrimBlanks(text.substr(start, plus - start)));
        start = plus + 1;
    }
}

}  // namespace

unsigned ModifierFlags(int value) noexcept {
    unsigned flags = 0;
    if (value & kAlt) flags |= kModAlt;
    if (value & kCtrl) flags |= kModCtrl;
    if (value & kShift) flags |= kModShift;
    if (value & kWin) flags |= kModWin;
    return flags;
}

int ValueFromMessage(unsigned flags, unsigned vk) noexcept {
    int value = static_cast<int>(vk & static_cast<unsigned>(kKeyMask));
    if (flags & kModAlt) value += kAlt;
    if (flags & kModCtrl) value += kCtrl;
    if (flags & kModShift) value += kShift;
    if (flags & kModWin) value += kWin;
    return value;
}

// ---------------------------------------------------------------- HotkeyText

void HotkeyText::EnsureNames() {
    if (named_) return;
    named_ = true;
    const std::string shift = keys_.KeyName(16);
    const std::string ctrl = keys_.KeyName(17);
    const std::string alt = keys_.KeyName(18);
    // Layouts that write "ALT" get "WIN" to match.
    const std::string win = OnlyCapitals(alt) ? "WIN" : "Win";
    modifiers_ = {Modifier{"Ctrl", ctrl.empty() ? "Ctrl" : ctrl, kCtrl},
                  Modifier{"Shift", shift.empty() ? "Shift" : shift, kShift},
                  Modifier{"Alt", alt.empty() ? "Alt" : alt, kAlt}, Modifier{"Win", win, kWin}};
    for (int code = 0; code < 256; ++code) {
        std::string name = keys_.KeyName(code);
        const int media = code - kFirstMediaKey;
        if (name.size() <= 1 && media >= 0 && media < static_cast<int>(kMediaKeyNames.size()))
            name = kMediaKeyNames[static_cast<std::size_t>(media)];
        // Some layouts (Wine's among them) leave F13 to F24 unnamed; they must still read as "F13".
        if (name.empty() && code >= kF1 && code <= kF24) name = "F" + std::to_string(code - kF1 + 1);
        key_lower_[static_cast<std::size_t>(code)] = LowerAscii(name);
        key_names_[static_cast<std::size_t>(code)] = std::move(name);
    }
}

std::string HotkeyText::FormatHotkey(int value) {
    EnsureNames();
    std::string text;
    // Modifiers are written by their plain names, so the saved text and the window's
    // key exceptions ("Ctrl+F10") read alike on every keyboard layout; the layout's own
    // names ("Strg", Wine's "Control") are still accepted when reading.
    for (const auto& m : modifiers_) {
        if (value & m.bit) {
            text += m.plain;
            text += '+';
        }
    }
    text += key_names_[static_cast<std::size_t>(value & kKeyMask)];
    return text;
}

const HotkeyText::Modifier* HotkeyText::FindModifier(std::string_view part) const noexcept {
    for (const auto& m : modifiers_)
        if (EqualsNoCaseAscii(part, m.plain) || EqualsNoCaseAscii(part, m.layout)) return &m;
    return nullptr;
}

bool HotkeyText::IsModifierName(std::string_view part) const noexcept {
    // Case ignored, as for the modifiers: "ALT" read as the Alt key itself would be written
    // back as "Alt", which reads as no hotkey at all.
    return FindModifier(part) != nullptr;
}

int HotkeyText::LookUpKey(std::string_view name) {
    if (name.empty()) return 0;  // unnamed keys must not match an empty part
    const std::string lower = LowerAscii(name);
    for (int code = kFirstLookedUpKey; code < 256; ++code)
        if (key_lower_[static_cast<std::size_t>(code)] == lower) return code;
    return 0;
}

int HotkeyText::ParseHotkey(std::string_view text) {
    EnsureNames();
    const std::vector<std::string> parts = SplitParts(text);

    int modifiers = 0;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        const Modifier* m = FindModifier(parts[i]);
        if (m == nullptr) {  // one unknown modifier voids them all
            modifiers = 0;
            break;
        }
        modifiers |= m->bit;
    }
    if (modifiers == 0 && parts.size() > 1) return ParseKeyWithPlus(text);

    const std::string& last = parts.back();
    int key = 0;
    if (last.size() == 1) {
        const char c = ToUpperAscii(last[0]);
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'))
            key = static_cast<unsigned char>(c);
        else
            key = LookUpKey(std::string(1, c));
    } else if (last == "Num") {
        key = LookUpKey("Num +");  // the keypad's plus key, cut at its own "+"
    } else if (!IsModifierName(last)) {
        key = LookUpKey(last);
    }
    if (key == 0) return ParseKeyWithPlus(text);
    return key + modifiers;
}

int HotkeyText::ParseKeyWithPlus(std::string_view text) {
    int modifiers = 0;
    std::size_t start = 0;
    for (;;) {
        const std::string_view rest = text.substr(start);
        if (rest.find('+') == std::string_view::npos) return 0;
        const std::string name = TrimBlanks(rest);
        if (const int key = LookUpKey(name); key != 0 && !IsModifierName(name)) return key + modifiers;
        const auto plus = text.find('+', start);
        const Modifier* m = FindModifier(TrimBlanks(text.substr(start, plus - start)));
        if (m == nullptr) return 0;
        modifiers |= m->bit;
        start = plus + 1;
    }
}

// ---------------------------------------------------------------- HotkeyManager

HotkeyManager::~HotkeyManager() { UnregisterAllHotkeys(); }

int HotkeyManager::RegisterAppHotkey(int value) {
    if (value == 0) return 0;
    const int id = registrar_.AddAtom(kAtomPrefix + std::to_string(value));
    if (id == 0) return 0;
    if (!registrar_.Register(id, ModifierFlags(value), static_cast<unsigned>(value & kKeyMask))) {
        registrar_.DeleteAtom(id);
        return 0;
    }
    registered_.push_back({value, id});
    return id;
}

void HotkeyManager::UnregisterAllHotkeys() {
    for (std::size_t i = registered_.size(); i-- > 0;) {
        const int id = registered_[i].id;
        if (registrar_.Unregister(id)) {
            registrar_.DeleteAtom(id);
            registered_.erase(registered_.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
}

void HotkeyManager::Drop(std::size_t index) {
    registrar_.DeleteAtom(registered_[index].id);
    registered_.erase(registered_.begin() + static_cast<std::ptrdiff_t>(index));
}

bool HotkeyManager::EnsureRegistered(int value) {
    if (value == 0) return false;
    std::size_t index = 0;
    while (index < registered_.size() && registered_[index].value != value) ++index;
    if (index == registered_.size()) return RegisterAppHotkey(value) != 0;  // refused earlier: try again
    const int id = registered_[index].id;
    const unsigned flags = ModifierFlags(value);
    const auto vk = static_cast<unsigned>(value & kKeyMask);
    // Taken again at once: the system had dropped it.
    if (registrar_.Register(id, flags, vk)) return true;
    // Refused: still ours, or another program took the keys while ours was gone. Only ours
    // unregisters; then it is made afresh, so a registration the system forgot is never kept.
    if (registrar_.Unregister(id) && registrar_.Register(id, flags, vk)) return true;
    Drop(index);
    return false;
}

std::optional<int> HotkeyManager::OnHotKeyMessage(unsigned flags, unsigned vk) const {
    const int value = ValueFromMessage(flags, vk);
    for (const auto& e : registered_)
        if (e.value == value) return value;
    return std::nullopt;
}

}  // namespace vtx
