#include <gtest/gtest.h>

#include <utility>

#include "platform/win32/win32_icons.h"
#include "platform/win32/win32_misc.h"
#include "temp_folder.h"

namespace vtx::win32 {
namespace {

bool IsFolder(const std::string& path) {
    const DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(Win32System, FindsItsFolders) {
    Win32System system;
    const std::string program = system.ProgramFolder();
    ASSERT_FALSE(program.empty());
    EXPECT_EQ(program.back(), '\\');
    EXPECT_TRUE(test::Exists(program + "vtx_win32_tests.exe")) << program;

    const std::string app_data = system.SpecialFolder(26);
    ASSERT_FALSE(app_data.empty());
    EXPECT_NE(app_data.back(), '\\');
    EXPECT_TRUE(IsFolder(app_data)) << app_data;
    EXPECT_TRUE(IsFolder(system.SpecialFolder(11))) << "Start menu programs";
    EXPECT_EQ(system.SpecialFolder(0x7F), "");  // no such folder number
}

TEST(Win32System, ReadsFileVersions) {
    Win32System system;
    const FileVersion kernel = system.FileVersionOf(test::SystemFolder() + "\\kernel32.dll");
    EXPECT_NE(kernel, FileVersion{});
    EXPECT_GE(kernel.major, 5);

    test::TempFolder folder;
    ASSERT_TRUE(test::PutFile(folder / "plain.exe", "MZ"));
    EXPECT_EQ(system.FileVersionOf(folder / "plain.exe"), FileVersion{});
    EXPECT_EQ(system.FileVersionOf(folder / "absent.exe"), FileVersion{});
}

TEST(Win32System, GivesTheWorkAreaAndNoParameter) {
    Win32System system;
    const Size area = system.WorkArea();
    EXPECT_GT(area.width, 0);
    EXPECT_GT(area.height, 0);
    EXPECT_LE(area.width, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    // The test runner is started with gtest's own flags at most, never with "ns".
    EXPECT_NE(system.FirstParameter(), "ns");
}

TEST(Win32System, ExpandsEnvironmentVariablesAndKeepsUnknownOnes) {
    Win32System system;
    ASSERT_TRUE(SetEnvironmentVariableA("VTX_TEST_HOME", "C:\\Users\\John Smith"));
    const std::string long_value(400, 'x');
    ASSERT_TRUE(SetEnvironmentVariableA("VTX_TEST_LONG", long_value.c_str()));
    const std::pair<const char*, std::string> cases[] = {
        {"%VTX_TEST_HOME%\\Notes.txt", "C:\\Users\\John Smith\\Notes.txt"},
        {"%vtx_test_home%\\a %VTX_TEST_HOME%", "C:\\Users\\John Smith\\a C:\\Users\\John Smith"},
        {"%VTX_NO_SUCH_VARIABLE%\\Notes.txt", "%VTX_NO_SUCH_VARIABLE%\\Notes.txt"},
        {"100% sure", "100% sure"},
        {"c:\\plain.txt", "c:\\plain.txt"},
        {"", ""},
        {"%VTX_TEST_LONG%\\x", long_value + "\\x"},  // longer than a path buffer
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(system.ExpandEnvironment(text), expected) << text;
    SetEnvironmentVariableA("VTX_TEST_HOME", nullptr);
    SetEnvironmentVariableA("VTX_TEST_LONG", nullptr);
}

TEST(Win32Clipboard, RoundTripsText) {
    Win32Clipboard clipboard;
    const std::string text = "C:\\Program Files\\Vantrix\\vantrix.exe|été Москва 中文 😀";
    if (!clipboard.SetText(text)) GTEST_SKIP() << "no clipboard";
    EXPECT_EQ(clipboard.GetText(), text);
    ASSERT_TRUE(clipboard.SetText(""));
    EXPECT_EQ(clipboard.GetText(), "");

    Win32Clipboard other;  // a second owner sees and replaces the same clipboard
    ASSERT_TRUE(clipboard.SetText("one"));
    EXPECT_EQ(other.GetText(), "one");
    ASSERT_TRUE(other.SetText("two"));
    EXPECT_EQ(clipboard.GetText(), "two");
}

TEST(Win32Icons, ExtractsSmallIcons) {
    const std::string shell32 = test::SystemFolder() + "\\shell32.dll";
    const UniqueIcon icon = ExtractSmallIcon(shell32, 3);
    ASSERT_TRUE(icon);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.get(), &info));
    BITMAP bitmap{};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    EXPECT_EQ(bitmap.bmWidth, GetSystemMetrics(SM_CXSMICON));

    EXPECT_FALSE(ExtractSmallIcon(shell32, 100000));
    EXPECT_FALSE(ExtractSmallIcon(test::SystemFolder() + "\\no-such.dll", 0));
    EXPECT_FALSE(ExtractSmallIcon("", 0));
}

}  // namespace
}  // namespace vtx::win32
