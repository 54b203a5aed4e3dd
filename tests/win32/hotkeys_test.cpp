#include "platform/win32/win32_hotkeys.h"

#include <gtest/gtest.h>

#include <string>

#include "app/hotkey.h"

namespace vtx::win32 {
namespace {

TEST(Win32Keys, NamesKeysOfTheUsLayout) {
    Win32Keys keys;
    EXPECT_EQ(keys.KeyName('Z'), "Z");
    EXPECT_EQ(keys.KeyName('5'), "5");
    EXPECT_EQ(keys.KeyName(VK_F12), "F12");
    EXPECT_EQ(keys.KeyName(VK_F1), "F1");
    EXPECT_FALSE(keys.KeyName(VK_CONTROL).empty());
    // The extended bit tells the cursor block from the keypad.
    EXPECT_NE(keys.KeyName(VK_PRIOR), keys.KeyName(VK_NUMPAD9));
    EXPECT_NE(keys.KeyName(VK_INSERT), keys.KeyName(VK_NUMPAD0));
}

TEST(Win32Keys, LettersDigitsFunctionAndMediaKeysRoundTrip) {
    Win32Keys keys;
    HotkeyText hk(keys);
    std::vector<int> codes;
    for (int c = 'A'; c <= 'Z'; ++c) codes.push_back(c);
    for (int c = '0'; c <= '9'; ++c) codes.push_back(c);
    for (int c = VK_F1; c <= VK_F24; ++c) codes.push_back(c);
    for (int c = VK_BROWSER_BACK; c <= VK_LAUNCH_APP2; ++c) codes.push_back(c);
    for (int code : codes) {
        for (int mods : {0, kWin, kCtrl + kShift, kCtrl + kShift + kAlt + kWin}) {
            const std::string text = hk.FormatHotkey(code + mods);
            EXPECT_EQ(hk.ParseHotkey(text), code + mods) << code << " " << text;
        }
    }
    EXPECT_EQ(hk.FormatHotkey(kWin + 'Z'), "Win+Z");
    EXPECT_EQ(hk.ParseHotkey("win + z"), kWin + 'Z');
    EXPECT_EQ(hk.ParseHotkey("F12"), VK_F12);
    EXPECT_EQ(hk.ParseHotkey("Ctrl+Shift+F24"), kCtrl + kShift + VK_F24);
    EXPECT_EQ(hk.FormatHotkey(VK_BROWSER_HOME), "Browser Start/Home");
}

TEST(Win32HotkeyRegistrar, RegistersAndUnregistersForTheThread) {
    Win32HotkeyRegistrar sys(nullptr);
    HotkeyManager m(sys);
    const int value = kCtrl + kAlt + kShift + VK_F24;  // a combination nothing else holds
    const int id = m.RegisterAppHotkey(value);
    ASSERT_NE(id, 0);
    char name[64] = {};
    ASSERT_GT(GlobalGetAtomNameA(static_cast<ATOM>(id), name, sizeof name), 0u);
    EXPECT_EQ(std::string(name), "HotKeyManagerHotKey" + std::to_string(value));
    m.UnregisterAllHotkeys();
    EXPECT_EQ(m.Count(), 0u);
    EXPECT_EQ(GlobalFindAtomA(("HotKeyManagerHotKey" + std::to_string(value)).c_str()), 0);
}

}  // namespace
}  // namespace vtx::win32
