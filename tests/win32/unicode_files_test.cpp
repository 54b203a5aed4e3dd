// Names and texts of any script reach the file system and the shell whole, whatever the ANSI
// code page; older files in the ANSI code page still read as the text they were.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/folders.h"
#include "catalogue/catalogue_store.h"
#include "fake_platform.h"
#include "make_link.h"
#include "platform/text_file.h"
#include "platform/win32/win32_misc.h"
#include "platform/win32/win32_text.h"
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

// The user's application-data folder moved for a scope, as the shell's folder settings move it
// (a user folder renamed, a roaming profile), and put back as it was.
class MovedAppData {
public:
    explicit MovedAppData(const std::string& folder) {
        if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_,
                            nullptr) != ERROR_SUCCESS) {
            key_ = nullptr;
            return;
        }
        DWORD bytes = 0;
        if (RegQueryValueExW(key_, L"AppData", nullptr, &type_, nullptr, &bytes) == ERROR_SUCCESS) {
            old_.resize(bytes / sizeof(wchar_t) + 1);
            had_ = RegQueryValueExW(key_, L"AppData", nullptr, &type_, reinterpret_cast<BYTE*>(old_.data()),
                                    &bytes) == ERROR_SUCCESS;
        }
        const std::wstring value = Utf8ToWide(folder);
        moved_ = RegSetValueExW(key_, L"AppData", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
    }
    MovedAppData(const MovedAppData&) = delete;
    MovedAppData& operator=(const MovedAppData&) = delete;
    ~MovedAppData() {
        if (!key_) return;
        if (had_) {
            RegSetValueExW(key_, L"AppData", 0, type_, reinterpret_cast<const BYTE*>(old_.c_str()),
                           static_cast<DWORD>((wcslen(old_.c_str()) + 1) * sizeof(wchar_t)));
        } else {
            RegDeleteValueW(key_, L"AppData");
        }
        RegCloseKey(key_);
    }
    [[nodiscard]] bool moved() const noexcept { return moved_; }

private:
    static constexpr const wchar_t* kKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    HKEY key_ = nullptr;
    DWORD type_ = REG_EXPAND_SZ;
    std::wstring old_;
    bool had_ = false;
    bool moved_ = false;
};

// A user whose folder name is outside the code page: the Data folder is made under it and the
// shortcuts list is saved and read back there.
TEST(Win32Unicode, DataFolderUnderAUserFolderInAnyScript) {
    test::TempFolder temp;
    Win32Files files;
    std::string roaming = temp.path();
    for (const char* part : {"users", "Łukasz", "AppData", "Roaming"}) {
        roaming += std::string("\\") + part;
        ASSERT_TRUE(files.CreateFolder(roaming)) << roaming;
    }
    MovedAppData moved(roaming);
    ASSERT_TRUE(moved.moved());

    Win32System system;
    const Folders folders = ResolveFolders(system);
    ASSERT_EQ(folders.data, roaming + "\\Orvane\\VTX\\");
    CreateDataFolder(files, folders);
    EXPECT_TRUE(files.FolderExists(roaming + "\\Orvane\\VTX"));

    fake::FakePlatform fakes;  // only the files and the text are the system's
    Win32Text text;
    Platform platform{files, fakes.shell, fakes.registry, fakes.clipboard, fakes.prompts, text, fakes.keys, system};
    Catalogue saved;
    saved.Append("notes łukasza|c:\\users\\Łukasz\\notatki.txt|||||||SW_SHOWNORMAL|File|||None||1|||||||||0");
    ASSERT_TRUE(SaveShortcutList(saved, platform, folders.data));
    EXPECT_TRUE(test::Exists(roaming + "\\Orvane\\VTX\\list2.ini"));
    Catalogue read;
    EXPECT_EQ(LoadCatalogue(read, platform, folders.data, temp.path() + "\\"), CatalogueSource::DataFolder);
    EXPECT_EQ(read.lines(), saved.lines());
    EXPECT_TRUE(fakes.prompts.messages.empty());
}

}  // namespace
}  // namespace vtx::win32
