#include "editors/installed_programs.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace vtx {
namespace {

const std::string kUser = "C:\\Users\\tester\\Start Menu";
const std::string kAll = "C:\\ProgramData\\Start Menu";

class ScanTest : public ::testing::Test {
protected:
    ScanTest() {
        fp.system.special_folders[kStartMenuFolder] = kUser;
        fp.system.special_folders[kCommonStartMenuFolder] = kAll;
        fp.files.PutFolder(kUser);
        fp.files.PutFolder(kAll);
    }
    // A link file and where it points ("" : unreadable).
    void Link(const std::string& path, const std::string& target) {
        fp.files.Put(path, "");
        if (!target.empty()) fp.shell.links[fake::PathKey(path)] = target;
    }
    void Scan() { ScanInstalledPrograms(fp.platform, programs, [this] { ++pumps; }); }

    fake::FakePlatform fp;
    InstalledPrograms programs;
    int pumps = 0;
};

TEST_F(ScanTest, KeepsProgramsAndDropsEverythingElse) {
    struct Case {
        std::string link, target;
        bool kept;
    };
    const std::vector<Case> cases{
        {kUser + "\\Editor.lnk", "C:\\Tools\\Editor.exe", true},
        {kUser + "\\Uninstall Foo.lnk", "C:\\Foo\\foo.exe", false},       // filter word in the name
        {kUser + "\\Foo Cleaner.lnk", "C:\\Foo\\unins000.exe", false},    // uninstaller by target
        {kUser + "\\Loud.lnk", "C:\\Loud\\LOUD.EXE", true},               // ".EXE" is a program too
        {kUser + "\\Helper.lnk", "C:\\Tools\\Uninstall Helper\\helper.exe", true},  // "unins" in a folder
        {kUser + "\\Dev.lnk", "C:\\Tools\\devtx.exe", true},             // "vtx.exe" inside a longer name
        {kUser + "\\Remover.lnk", "C:\\Foo\\UNINS001.EXE", false},       // uninstaller, capitals
        {kUser + "\\Launcher.lnk", "C:\\Program Files\\Vantrix\\Vantrix.exe", false},  // this program
        {kUser + "\\Manual.lnk", "C:\\Docs\\manual.pdf", false},          // a document
        {kUser + "\\Foo User Manual.lnk", "C:\\Foo\\help.exe", false},    // " manual"
        {kUser + "\\Notes.txt.lnk", "C:\\Foo\\notes.exe", false},         // ".txt"
        {kUser + "\\VTX.lnk", "C:\\Program Files\\Vantrix\\vtx.exe", false},
        {kUser + "\\Broken.lnk", "", false},                              // unreadable link
        {kUser + "\\SETUP wizard.lnk", "C:\\Foo\\wiz.exe", false},        // case ignored
        {kUser + "\\Foo Kaldır.lnk", "C:\\Foo\\k.exe", false},
        {kUser + "\\Ürün Kaydı Foo.lnk", "C:\\Foo\\reg.exe", false},  // upper-case first letter
        {kUser + "\\Kullanıcı Kılavuzu.lnk", "C:\\Foo\\guide.exe", false},
    };
    for (const auto& c : cases) Link(c.link, c.target);
    Scan();
    EXPECT_EQ(programs.names.lines(), (Lines{"dev", "editor", "helper", "loud"}));
    EXPECT_EQ(programs.map.lines(),
              (Lines{"dev=c:\\tools\\devtx.exe", "editor=c:\\tools\\editor.exe",
                     "helper=c:\\tools\\uninstall helper\\helper.exe", "loud=c:\\loud\\loud.exe"}));
    EXPECT_EQ(pumps, 2 + 4);  // once for each of the two menus searched and for every link kept
}

TEST_F(ScanTest, InstallerShortcutsKeepTheirLinkAndNamesMerge) {
    fp.files.PutFolder(kUser + "\\Office");
    fp.files.PutFolder(kAll + "\\Tools");
    Link(kUser + "\\Office\\Writer.lnk", "C:\\Windows\\Installer\\{1234}\\writer.exe");
    Link(kUser + "\\Office\\Editor.lnk", "C:\\Office\\edit.exe");
    Link(kAll + "\\Tools\\Editor.lnk", "C:\\Tools\\Editor.exe");
    Scan();
    EXPECT_EQ(programs.names.lines(), (Lines{"editor", "writer"}));
    EXPECT_EQ(programs.map.lines(), (Lines{"editor=c:\\office\\edit.exe", "editor=c:\\tools\\editor.exe",
                                           "writer=c:\\users\\tester\\start menu\\office\\writer.lnk"}));
    EXPECT_EQ(InstalledProgramPath(programs, "writer"), "c:\\users\\tester\\start menu\\office\\writer.lnk");
    EXPECT_EQ(InstalledProgramPath(programs, "missing"), "");
}

TEST_F(ScanTest, EachScanHoldsWhatTheMenusHoldNow) {
    Link(kUser + "\\One.lnk", "C:\\one.exe");
    Scan();
    Scan();
    EXPECT_EQ(programs.map.size(), 1u);
    EXPECT_EQ(programs.found.size(), 1u);
    fp.files.DeleteFile(kUser + "\\One.lnk");
    Link(kUser + "\\Two.lnk", "C:\\two.exe");
    Scan();
    EXPECT_EQ(programs.found.lines(), Lines{kUser + "\\Two.lnk"});
    // The uninstalled program is no longer offered.
    EXPECT_EQ(programs.names.lines(), Lines{"two"});
    EXPECT_EQ(programs.map.lines(), Lines{"two=c:\\two.exe"});
}

TEST_F(ScanTest, SkipsDotFoldersLinksToThemselvesAndMissingMenus) {
    fp.files.PutFolder(kUser + "\\.hidden");
    Link(kUser + "\\.hidden\\Secret.lnk", "C:\\secret.exe");
    Link(kUser + "\\Self.lnk", kUser + "\\Self.lnk");  // points to itself: not an ".exe"
    Link(kUser + "\\Gone.lnk", "C:\\Nowhere\\gone.exe");  // a missing target is still listed
    fp.files.Put(kUser + "\\notes.txt", "");
    fp.system.special_folders.erase(kCommonStartMenuFolder);
    Scan();
    EXPECT_EQ(programs.found.lines(), (Lines{kUser + "\\Gone.lnk", kUser + "\\Self.lnk"}));
    EXPECT_EQ(programs.names.lines(), Lines{"gone"});
}

}  // namespace
}  // namespace vtx
