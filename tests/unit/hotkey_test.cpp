#include "app/hotkey.h"

#include <gtest/gtest.h>

#include <map>

#include "app/system_notices.h"
#include "fake_platform.h"

namespace vtx {
namespace {

// A layout with names of its own for the modifier keys; everything else as US English.
class LayoutKeys : public Keys {
public:
    std::map<int, std::string> names;
    int calls = 0;
    std::string KeyName(int vk) override {
        ++calls;
        auto it = names.find(vk);
        return it != names.end() ? it->second : us_.KeyName(vk);
    }

private:
    fake::FakeKeys us_;
};

TEST(HotkeyText, ParsesTexts) {
    fake::FakeKeys keys;
    HotkeyText hk(keys);
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"Win+Z", kWin + 'Z'},
        {"win + z", kWin + 'Z'},
        {"  WIN+  z  ", kWin + 'Z'},
        {"F12", 0x7B},
        {"7", '7'},
        {"Shift+Ctrl+F10", kCtrl + kShift + 0x79},
        {"Ctrl+Alt+Shift+Win+Page Up", kCtrl + kAlt + kShift + kWin + 0x21},
        {"alt+page down", kAlt + 0x22},
        {"Num +", 0x6B},
        {"Ctrl+Num +", kCtrl + 0x6B},
        {"Num 5", 0x65},
        {"Shift+;", kShift + 0xBA},
        {"Alt+Space", kAlt + 0x20},
        // Invalid texts.
        {"Foo+Z", 0},
        {"Ctrl+Foo+Z", 0},  // one unknown modifier voids all of them
        {"Ctrl+Shift", 0},  // the key is a modifier name
        {"Ctrl+", 0},
        {"", 0},
        {"+", 0},
        {"Ctrl++", 0},
        {"Ctrl+Nothing", 0},
        {"Win+Z+", kWin + 'Z'},  // a final "+" starts no empty part (it is the "+" of "Num +")
    };
    for (const auto& c : cases) EXPECT_EQ(hk.ParseHotkey(c.text), c.value) << c.text;
}

TEST(HotkeyText, FormatsInFixedModifierOrder) {
    fake::FakeKeys keys;
    HotkeyText hk(keys);
    EXPECT_EQ(hk.FormatHotkey(65626), "Win+Z");
    EXPECT_EQ(hk.FormatHotkey(kShift + kCtrl + 0x79), "Ctrl+Shift+F10");
    EXPECT_EQ(hk.FormatHotkey(kWin + kAlt + kShift + kCtrl + '1'), "Ctrl+Shift+Alt+Win+1");
    EXPECT_EQ(hk.FormatHotkey(0x7B), "F12");
    EXPECT_EQ(hk.FormatHotkey(0), "");
}

TEST(HotkeyText, EveryNamedKeyRoundTripsWithEveryModifierSet) {
    fake::FakeKeys keys;
    HotkeyText hk(keys);
    int named = 0;
    for (int code = 8; code < 256; ++code) {
        if (code == 16 || code == 17 || code == 18) continue;  // modifier keys are no hotkey keys
        if (hk.FormatHotkey(code).empty()) continue;
        ++named;
        for (int mods : {0, kCtrl, kShift + kAlt, kCtrl + kShift + kAlt + kWin}) {
            const std::string text = hk.FormatHotkey(code + mods);
            EXPECT_EQ(hk.ParseHotkey(text), code + mods) << text;
        }
    }
    EXPECT_GT(named, 100);  // letters, digits, F1..F24, keypad, media keys, punctuation
}

TEST(HotkeyText, MediaKeysAreNamedByTheTableWhenTheLayoutIsNot) {
    fake::FakeKeys keys;  // names nothing from 166 to 183
    HotkeyText hk(keys);
    EXPECT_EQ(hk.FormatHotkey(166), "Browser Back");
    EXPECT_EQ(hk.FormatHotkey(172), "Browser Start/Home");
    EXPECT_EQ(hk.FormatHotkey(179), "Play/Pause Media");
    EXPECT_EQ(hk.FormatHotkey(kCtrl + 183), "Ctrl+Start Application 2");
    EXPECT_EQ(hk.ParseHotkey("Ctrl+volume up"), kCtrl + 175);
    EXPECT_EQ(hk.ParseHotkey("Play/Pause Media"), 179);

    // A one-character layout name counts as none; a longer one is kept.
    LayoutKeys layout;
    layout.names = {{173, "M"}, {174, "Leiser"}, {184, ""}};
    HotkeyText own(layout);
    EXPECT_EQ(own.FormatHotkey(173), "Volume Mute");
    EXPECT_EQ(own.FormatHotkey(174), "Leiser");
    EXPECT_EQ(own.ParseHotkey("Volume Down"), 0);
}

TEST(HotkeyText, FunctionKeysAreNamedWhenTheLayoutIsSilent) {
    LayoutKeys layout;
    for (int vk = 0x7C; vk <= 0x87; ++vk) layout.names[vk] = "";  // F13..F24 unnamed
    layout.names[0xC2] = "F15";                                   // and a stray key calling itself F15
    HotkeyText hk(layout);
    EXPECT_EQ(hk.FormatHotkey(0x7C), "F13");
    EXPECT_EQ(hk.FormatHotkey(kWin + 0x87), "Win+F24");
    EXPECT_EQ(hk.ParseHotkey("Win+F24"), kWin + 0x87);
    EXPECT_EQ(hk.ParseHotkey("f15"), 0x7E);  // the lowest code of a name wins
    EXPECT_EQ(hk.FormatHotkey(0x88), "");    // beyond F24 nothing is made up
}

TEST(HotkeyText, AcceptsTheLayoutsModifierNames) {
    LayoutKeys german;
    german.names = {{16, "Umschalt"}, {17, "Strg"}, {18, "Alt"}};
    HotkeyText hk(german);
    // Written with the plain names, read with either.
    EXPECT_EQ(hk.FormatHotkey(kCtrl + kShift + kWin + 'Z'), "Ctrl+Shift+Win+Z");
    EXPECT_EQ(hk.ParseHotkey("Strg+Umschalt+Win+Z"), kCtrl + kShift + kWin + 'Z');
    EXPECT_EQ(hk.ParseHotkey("Ctrl+Shift+Win+Z"), kCtrl + kShift + kWin + 'Z');
    EXPECT_EQ(hk.ParseHotkey("strg+z"), kCtrl + 'Z');
    EXPECT_EQ(hk.ParseHotkey("Alt+Strg"), 0);
    EXPECT_EQ(hk.ParseHotkey("Umschalt"), 0);

    LayoutKeys capitals;
    capitals.names = {{16, "SHIFT"}, {17, "CTRL"}, {18, "ALT"}};
    HotkeyText caps(capitals);
    EXPECT_EQ(caps.FormatHotkey(kWin + kAlt + 'Z'), "Alt+Win+Z");
    EXPECT_EQ(caps.ParseHotkey("ALT+WIN+Z"), kWin + kAlt + 'Z');
    EXPECT_EQ(caps.ParseHotkey("WIN"), 0);
}

TEST(HotkeyText, TextKeepsTheWindowsFunctionKeysApartFromTheHotkey) {
    // Wine names Ctrl "Control"; the text must still say "Ctrl+F10", which the launcher's
    // key table looks for before it lets Ctrl+F10 reset the appearance.
    LayoutKeys wine;
    wine.names = {{16, "Shift"}, {17, "Control"}, {18, "Alt"}, {0x79, "F10"}};
    HotkeyText hk(wine);
    EXPECT_EQ(hk.FormatHotkey(kCtrl + 0x79), "Ctrl+F10");
    EXPECT_EQ(hk.ParseHotkey("Control+F10"), kCtrl + 0x79);
}

TEST(HotkeyText, ModifierKeysAreNoKeysWhateverTheirCase) {
    // "ALT" read as the Alt key itself would be written back as "Alt", which reads as nothing.
    fake::FakeKeys keys;
    HotkeyText hk(keys);
    for (const char* text : {"ALT", "alt", "Ctrl+SHIFT", "win+ctrl", "  shift "}) EXPECT_EQ(hk.ParseHotkey(text), 0) << text;
}

TEST(HotkeyText, KeyNamesHoldingAPlusReadBack) {
    // A German layout names the key beside "Ue" "+" and the keypad's plus "+ (ZEHNERTASTATUR)".
    LayoutKeys german;
    german.names = {{16, "UMSCHALT"}, {17, "STRG"}, {18, "ALT"}, {0x6B, "+ (ZEHNERTASTATUR)"}, {0xBB, "+"}};
    HotkeyText hk(german);
    const struct {
        int value;
        const char* text;
    } cases[] = {
        {0xBB, "+"},
        {kCtrl + 0xBB, "Ctrl++"},
        {0x6B, "+ (ZEHNERTASTATUR)"},
        {kCtrl + kShift + kAlt + kWin + 0x6B, "Ctrl+Shift+Alt+Win++ (ZEHNERTASTATUR)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hk.FormatHotkey(c.value), c.text);
        EXPECT_EQ(hk.ParseHotkey(c.text), c.value) << c.text;
    }
    // The layout's own spelling, as older files may hold it, reads the same.
    EXPECT_EQ(hk.ParseHotkey("STRG++"), kCtrl + 0xBB);
    EXPECT_EQ(hk.ParseHotkey("STRG+UMSCHALT+ALT+WIN++ (ZEHNERTASTATUR)"), kCtrl + kShift + kAlt + kWin + 0x6B);
    EXPECT_EQ(hk.ParseHotkey("ctrl + +"), kCtrl + 0xBB);
    EXPECT_EQ(hk.ParseHotkey("Foo++"), 0);
    EXPECT_EQ(hk.ParseHotkey("STRG+Foo++"), 0);
    EXPECT_EQ(hk.ParseHotkey("STRG+UMSCHALT"), 0);
}

TEST(HotkeyText, AsksTheLayoutOnlyOnce) {
    LayoutKeys layout;
    HotkeyText hk(layout);
    EXPECT_EQ(layout.calls, 0);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(hk.ParseHotkey("Ctrl+Scroll Lock"), kCtrl + 0x91);
        EXPECT_EQ(hk.FormatHotkey(kAlt + 0x91), "Alt+Scroll Lock");
    }
    EXPECT_LE(layout.calls, 256 + 3);
}

TEST(HotkeyValue, RegistrationFlagsRoundTrip) {
    EXPECT_EQ(ModifierFlags(kWin + 'Z'), kModWin);
    for (int mods = 0; mods < 16; ++mods) {
        const int value = 0x7B + ((mods & 1) ? kAlt : 0) + ((mods & 2) ? kCtrl : 0) + ((mods & 4) ? kShift : 0) +
                          ((mods & 8) ? kWin : 0);
        EXPECT_EQ(ModifierFlags(value), static_cast<unsigned>(mods));
        EXPECT_EQ(ValueFromMessage(ModifierFlags(value), static_cast<unsigned>(value & kKeyMask)), value);
    }
}

// ---------------------------------------------------------------- HotkeyManager

class FakeRegistrar : public HotkeyRegistrar {
public:
    std::vector<std::string> log;
    std::map<int, std::string> atoms;
    std::map<int, std::pair<unsigned, unsigned>> hotkeys;
    std::vector<std::pair<unsigned, unsigned>> taken;  // combinations other programs hold
    bool unregister_fails = false;
    int next_atom = 0xC000;

    int AddAtom(const std::string& text) override {
        log.push_back("add " + text);
        atoms[next_atom] = text;
        return next_atom++;
    }
    void DeleteAtom(int atom) override {
        log.push_back("delete " + std::to_string(atom));
        atoms.erase(atom);
    }
    bool Register(int id, unsigned flags, unsigned vk) override {
        log.push_back("register " + std::to_string(id) + " " + std::to_string(flags) + " " + std::to_string(vk));
        for (const auto& t : taken)
            if (t == std::pair{flags, vk}) return false;
        for (const auto& [held_id, keys] : hotkeys)  // a combination is held once, ours included
            if (keys == std::pair{flags, vk}) return false;
        hotkeys[id] = {flags, vk};
        return true;
    }
    bool Unregister(int id) override {
        log.push_back("unregister " + std::to_string(id));
        if (unregister_fails) return false;
        return hotkeys.erase(id) != 0;
    }
};

TEST(HotkeyManager, RegistersUnderANamedAtom) {
    FakeRegistrar sys;
    HotkeyManager m(sys);
    const int id = m.RegisterAppHotkey(kWin + 'Z');
    EXPECT_EQ(id, 0xC000);
    EXPECT_EQ(sys.log, (std::vector<std::string>{"add HotKeyManagerHotKey65626", "register 49152 8 90"}));
    EXPECT_EQ(m.OnHotKeyMessage(kModWin, 'Z'), kWin + 'Z');
    EXPECT_EQ(m.OnHotKeyMessage(kModWin | kModShift, 'Z'), std::nullopt);
    EXPECT_EQ(m.OnHotKeyMessage(kModWin, 'Y'), std::nullopt);
}

TEST(HotkeyManager, RefusalAndZeroLeaveNothingBehind) {
    FakeRegistrar sys;
    sys.taken = {{kModCtrl | kModAlt, 0x7B}};
    HotkeyManager m(sys);
    EXPECT_EQ(m.RegisterAppHotkey(0), 0);
    EXPECT_TRUE(sys.log.empty());
    EXPECT_EQ(m.RegisterAppHotkey(kCtrl + kAlt + 0x7B), 0);
    EXPECT_TRUE(sys.atoms.empty());
    EXPECT_EQ(sys.log.back(), "delete 49152");
    EXPECT_EQ(m.Count(), 0u);
    EXPECT_EQ(m.OnHotKeyMessage(kModCtrl | kModAlt, 0x7B), std::nullopt);
}

TEST(HotkeyManager, UnregistersLastFirstAndKeepsWhatTheSystemKeeps) {
    FakeRegistrar sys;
    {
        HotkeyManager m(sys);
        const int a = m.RegisterAppHotkey(kWin + 'Z');
        const int b = m.RegisterAppHotkey(kCtrl + 'Q');
        sys.log.clear();

        sys.unregister_fails = true;
        m.UnregisterAllHotkeys();
        EXPECT_EQ(sys.log, (std::vector<std::string>{"unregister " + std::to_string(b),
                                                     "unregister " + std::to_string(a)}));
        EXPECT_EQ(m.Count(), 2u);
        EXPECT_EQ(m.OnHotKeyMessage(kModCtrl, 'Q'), kCtrl + 'Q');

        sys.unregister_fails = false;
        sys.log.clear();
        m.UnregisterAllHotkeys();
        EXPECT_EQ(sys.log, (std::vector<std::string>{"unregister " + std::to_string(b), "delete " + std::to_string(b),
                                                     "unregister " + std::to_string(a),
                                                     "delete " + std::to_string(a)}));
        EXPECT_EQ(m.Count(), 0u);
        EXPECT_EQ(m.OnHotKeyMessage(kModWin, 'Z'), std::nullopt);

        EXPECT_NE(m.RegisterAppHotkey(kAlt + 'X'), 0);
    }
    // Destruction unregisters what is left.
    EXPECT_TRUE(sys.hotkeys.empty());
    EXPECT_TRUE(sys.atoms.empty());
}

TEST(HotkeyManager, EnsureRegisteredMakesALostRegistrationAgain) {
    struct Case {
        const char* name;
        bool lost;            // the system dropped ours (sleep, a session change)
        bool taken_meanwhile; // another program holds the keys now
        bool registered;      // held afterwards
    };
    const Case cases[] = {
        {"still held", false, false, true},
        {"lost", true, false, true},
        {"lost and taken by another program", true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeRegistrar sys;
        HotkeyManager m(sys);
        const int id = m.RegisterAppHotkey(kWin + 'Z');
        ASSERT_NE(id, 0);
        if (c.lost) sys.hotkeys.clear();
        if (c.taken_meanwhile) sys.taken = {{kModWin, 'Z'}};
        EXPECT_EQ(m.EnsureRegistered(kWin + 'Z'), c.registered);
        EXPECT_EQ(sys.hotkeys.count(id), c.registered ? 1u : 0u);
        EXPECT_EQ(m.Count(), c.registered ? 1u : 0u);
        EXPECT_EQ(m.OnHotKeyMessage(kModWin, 'Z').has_value(), c.registered);
        if (!c.registered) {
            EXPECT_TRUE(sys.atoms.empty());
        }
    }
}

TEST(HotkeyManager, EnsureRegisteredTriesARefusedHotkeyAgain) {
    FakeRegistrar sys;
    sys.taken = {{kModCtrl, 'Q'}};
    HotkeyManager m(sys);
    EXPECT_EQ(m.RegisterAppHotkey(kCtrl + 'Q'), 0);
    EXPECT_FALSE(m.EnsureRegistered(kCtrl + 'Q'));
    sys.taken.clear();  // the other program let go of it
    EXPECT_TRUE(m.EnsureRegistered(kCtrl + 'Q'));
    EXPECT_EQ(m.OnHotKeyMessage(kModCtrl, 'Q'), kCtrl + 'Q');
    EXPECT_FALSE(m.EnsureRegistered(0));
}

TEST(SystemNotices, TheHotkeyIsCheckedWhenTheUserIsBack) {
    struct Case {
        SystemNotice kind;
        unsigned code;
        bool check;
    };
    using enum SystemNotice;
    const Case cases[] = {
        {Power, notice::kResumeAutomatic, true}, {Power, notice::kResumeSuspend, true},
        {Power, notice::kResumeCritical, true},  {Power, notice::kSuspend, false},
        {Power, 0xA, false},  // PBT_APMPOWERSTATUSCHANGE
        {Session, notice::kSessionUnlock, true}, {Session, notice::kConsoleConnect, true},
        {Session, notice::kRemoteConnect, true}, {Session, notice::kSessionLogon, true},
        {Session, notice::kSessionLock, false},  {Session, notice::kConsoleDisconnect, false},
        {Session, 0x4, false},  // WTS_REMOTE_DISCONNECT
    };
    for (const Case& c : cases)
        EXPECT_EQ(HotkeyMayBeLost(c.kind, c.code), c.check) << static_cast<int>(c.kind) << " " << c.code;
}

}  // namespace
}  // namespace vtx
