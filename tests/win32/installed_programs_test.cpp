// Windows first: its macros rename the file services alike everywhere.
#include "platform/win32/win32_platform.h"

#include "editors/installed_programs.h"

#include <gtest/gtest.h>

#include "fake_platform.h"
#include "make_link.h"
#include "temp_folder.h"

namespace vtx::win32 {
namespace {

using test::PutFile;
using test::MakeLink;
using test::TempFolder;

// The real system, with the two Start menus moved into a test folder.
class StartMenus : public Win32System {
public:
    std::string user, common;
    std::string SpecialFolder(int csidl) override {
        return csidl == kStartMenuFolder ? user : csidl == kCommonStartMenuFolder ? common : "";
    }
};

// The real platform whose Start menus are root\User and root\Common.
struct ScanPlatform {
    explicit ScanPlatform(const TempFolder& root) {
        menus.user = root / "User";
        menus.common = root / "Common";
    }
    Win32Platform w;
    StartMenus menus;
    fake::FakeKeys keys;
    Platform p{w.files, w.shell, w.registry, w.clipboard, w.prompts, w.text, keys, menus};
};

TEST(Win32Scan, ReadsAStartMenuOfShellLinks) {
    TempFolder root;
    for (const char* f : {"User", "User\\Tools", "User\\.hidden", "Common", "Windows", "Windows\\Installer", "Apps"})
        ASSERT_TRUE(CreateDirectoryA((root / f).c_str(), nullptr)) << f;
    ASSERT_TRUE(PutFile(root / "Apps\\editor.exe", "MZ"));
    ASSERT_TRUE(PutFile(root / "Windows\\Installer\\office.exe", "MZ"));
    ASSERT_TRUE(MakeLink(root / "User\\Tools\\Editor.lnk", root / "Apps\\editor.exe"));
    ASSERT_TRUE(MakeLink(root / "Common\\Office.lnk", root / "Windows\\Installer\\office.exe"));
    ASSERT_TRUE(MakeLink(root / "User\\Uninstall Editor.lnk", root / "Apps\\editor.exe"));
    ASSERT_TRUE(MakeLink(root / "User\\.hidden\\Secret.lnk", root / "Apps\\editor.exe"));
    ASSERT_TRUE(PutFile(root / "User\\Self.lnk", ""));
    MakeLink(root / "User\\Self.lnk", root / "User\\Self.lnk");  // a link to itself, if Wine saves one
    ASSERT_TRUE(PutFile(root / "User\\Junk.lnk", "not a link"));

    ScanPlatform scan(root);
    Win32Platform& w = scan.w;
    Platform& p = scan.p;
    InstalledPrograms programs;
    int pumps = 0;
    ScanInstalledPrograms(p, programs, [&] { ++pumps; });

    EXPECT_EQ(programs.found.size(), 5u);  // .hidden skipped
    EXPECT_EQ(programs.names.lines(), (Lines{"editor", "office"}));
    EXPECT_EQ(InstalledProgramPath(programs, "editor"), w.text.ToLower(root / "Apps\\editor.exe"));
    EXPECT_EQ(InstalledProgramPath(programs, "office"), w.text.ToLower(root / "Common\\Office.lnk"));
    EXPECT_EQ(pumps, 3 + 2);  // the folders "User", "User\\Tools" and "Common", and two links kept
}

// The traps of real Start menus: capitals, an uninstaller's word in a folder name, a program
// whose name ends in "vtx.exe", a link file named ".LNK", and a program removed between scans.
TEST(Win32Scan, TellsProgramsByTheTargetsFileName) {
    TempFolder root;
    for (const char* f : {"User", "Common", "Apps", "Uninstall Helper"})
        ASSERT_TRUE(CreateDirectoryA((root / f).c_str(), nullptr)) << f;
    for (const char* f : {"Apps\\LOUD.EXE", "Apps\\devtx.exe", "Apps\\unins000.exe", "Uninstall Helper\\helper.exe",
                          "Apps\\caps.exe"})
        ASSERT_TRUE(PutFile(root / f, "MZ")) << f;
    ASSERT_TRUE(MakeLink(root / "User\\Loud.lnk", root / "Apps\\LOUD.EXE"));
    ASSERT_TRUE(MakeLink(root / "User\\Dev.lnk", root / "Apps\\devtx.exe"));
    ASSERT_TRUE(MakeLink(root / "User\\Cleaner.lnk", root / "Apps\\unins000.exe"));
    ASSERT_TRUE(MakeLink(root / "Common\\Helper.lnk", root / "Uninstall Helper\\helper.exe"));
    ASSERT_TRUE(MakeLink(root / "Common\\Caps.LNK", root / "Apps\\caps.exe"));

    ScanPlatform scan(root);
    Win32Platform& w = scan.w;
    Platform& p = scan.p;
    InstalledPrograms programs;
    ScanInstalledPrograms(p, programs, {});
    EXPECT_EQ(programs.names.lines(), (Lines{"caps", "dev", "helper", "loud"}));
    EXPECT_EQ(InstalledProgramPath(programs, "loud"), w.text.ToLower(root / "Apps\\LOUD.EXE"));

    // Uninstalled since: the next scan no longer offers it.
    ASSERT_TRUE(DeleteFileA((root / "User\\Loud.lnk").c_str()));
    ScanInstalledPrograms(p, programs, {});
    EXPECT_EQ(programs.names.lines(), (Lines{"caps", "dev", "helper"}));
    EXPECT_EQ(InstalledProgramPath(programs, "loud"), "");
}

}  // namespace
}  // namespace vtx::win32
