// Names and texts of any script reach the file system and the shell whole, whatever the ANSI
// code page; older files in the ANSI code page still read as the text they were.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "make_link.h"
#include "platform/text_file.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_shell.h"
#include "temp_folder.h"

namespace vtx::win32 {
namespace {

bool Lists(Files& files, const std::string& folder, const std::string& name, bool is_folder) {
    const auto entries = files.ListFolder(folder);
    return std::any_of(entries.begin(), entries.end(),
                       [&](const FolderEntry& e) { return e.name == name && e.is_folder == is_folder; });
}

TEST(Win32Unicode, FilesAndFoldersOfEveryScript) {
    test::TempFolder temp;
    Win32Files files;
    Win32Shell shell;
    for (const std::string name : {"Привет", "中文文件", "Ελληνικά", "😀 smile", "Café"}) {
        SCOPED_TRACE(name);
        const std::string folder = temp / name;
        ASSERT_TRUE(files.CreateFolder(folder));
        EXPECT_TRUE(files.FolderExists(folder));
        EXPECT_TRUE(Lists(files, temp.path(), name, true));

        const std::string file = folder + "\\" + name + ".ini";
        ASSERT_TRUE(files.WriteFileAtomic(file, name + "\r\n"));
        ASSERT_TRUE(files.WriteFileAtomic(file, name + "|2\r\n"));  // replaced over the first
        EXPECT_TRUE(files.FileExists(file));
        EXPECT_EQ(files.ReadFile(file).bytes, name + "|2\r\n");
        EXPECT_TRUE(Lists(files, folder, name + ".ini", false));
        EXPECT_FALSE(Lists(files, folder, name + ".ini.tmp", false));

        const std::string link = folder + "\\" + name + ".lnk";
        ASSERT_TRUE(test::MakeLink(link, file));
        EXPECT_EQ(shell.ResolveLink(link), file);

        const std::string copy = folder + "\\copy " + name + ".ini";
        EXPECT_TRUE(files.CopyFile(file, copy));
        EXPECT_TRUE(files.DeleteFile(copy));
        EXPECT_FALSE(files.FileExists(copy));
    }
}

TEST(Win32Unicode, AnsiFileReadsAsItsTextAndIsWrittenBackAsUtf8) {
    if (GetACP() != 1252) GTEST_SKIP() << "ANSI code page is " << GetACP();
    test::TempFolder temp;
    Win32Files files;
    const std::string path = temp / "list2.ini";
    ASSERT_TRUE(test::PutFile(path, "Caf\xE9|c:\\caf\xE9.exe\r\n\x80uro\r\n"));
    const LinesRead read = ReadLines(files, path);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.lines, (Lines{"Café|c:\\café.exe", "€uro"}));
    ASSERT_TRUE(WriteLines(files, path, read.lines));
    EXPECT_EQ(files.ReadFile(path).bytes, "Caf\xC3\xA9|c:\\caf\xC3\xA9.exe\r\n\xE2\x82\xACuro\r\n");
    EXPECT_EQ(ReadLines(files, path).lines, read.lines);  // and reads back the same
}

}  // namespace
}  // namespace vtx::win32
