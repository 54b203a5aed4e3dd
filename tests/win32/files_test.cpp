#include "platform/win32/win32_files.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "temp_folder.h"

namespace vtx::win32 {
namespace {

using test::Exists;
using test::PutFile;
using test::TempFolder;

// Bytes that a text-mode write or a line-based copy would change.
const std::string kBytes = std::string("first\r\nsecond\n\rthird\r\n\0nul\r\n", 28);

class Win32FilesTest : public ::testing::Test {
protected:
    std::string Read(const std::string& path) {
        const FileRead r = files.ReadFile(path);
        EXPECT_TRUE(r.ok()) << path;
        return r.bytes;
    }
    TempFolder folder;
    Win32Files files;
};

TEST_F(Win32FilesTest, AtomicWriteCreatesAndReplacesKeepingBytesExact) {
    const std::string path = folder / "list2.ini";
    ASSERT_TRUE(files.WriteFileAtomic(path, kBytes));
    EXPECT_EQ(Read(path), kBytes);
    EXPECT_FALSE(Exists(path + ".tmp"));

    ASSERT_TRUE(files.WriteFileAtomic(path, "short\r\n"));  // a shorter file leaves no tail behind
    EXPECT_EQ(Read(path), "short\r\n");
    ASSERT_TRUE(files.WriteFileAtomic(path, ""));
    EXPECT_EQ(Read(path), "");
    EXPECT_FALSE(Exists(path + ".tmp"));
}

TEST_F(Win32FilesTest, FailedWriteLeavesNothingBehind) {
    // The target's folder does not exist.
    const std::string orphan = folder / "no-such-folder\\set.set";
    EXPECT_FALSE(files.WriteFileAtomic(orphan, "x"));
    EXPECT_FALSE(Exists(orphan));
    EXPECT_FALSE(Exists(orphan + ".tmp"));

    // The target is a folder.
    const std::string sub = folder / "sub";
    ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));
    EXPECT_FALSE(files.WriteFileAtomic(sub, "x"));
    EXPECT_TRUE(files.FolderExists(sub));
    EXPECT_FALSE(Exists(sub + ".tmp"));
}

TEST_F(Win32FilesTest, ReadOnlyTargetKeepsItsContent) {
    const std::string path = folder / "list2.ini";
    ASSERT_TRUE(PutFile(path, kBytes));
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(files.WriteFileAtomic(path, "new"));
    EXPECT_EQ(Read(path), kBytes);
    EXPECT_FALSE(Exists(path + ".tmp"));
}

TEST_F(Win32FilesTest, LockedTargetKeepsItsContent) {
    const std::string path = folder / "list2.ini";
    ASSERT_TRUE(PutFile(path, kBytes));
    {
        // Another program holds the file open without letting anyone delete or rename it.
        const HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(lock, INVALID_HANDLE_VALUE);
        EXPECT_FALSE(files.WriteFileAtomic(path, "new"));
        CloseHandle(lock);
    }
    EXPECT_EQ(Read(path), kBytes);
    EXPECT_FALSE(Exists(path + ".tmp"));
    EXPECT_TRUE(files.WriteFileAtomic(path, "new"));  // once released, the write goes through
    EXPECT_EQ(Read(path), "new");
}

TEST_F(Win32FilesTest, LeftoverTmpDoesNotBlockAWrite) {
    const std::string path = folder / "set.set";
    ASSERT_TRUE(PutFile(path + ".tmp", "stale"));
    ASSERT_TRUE(SetFileAttributesA((path + ".tmp").c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(files.WriteFileAtomic(path, "fresh"));
    EXPECT_EQ(Read(path), "fresh");
    EXPECT_FALSE(Exists(path + ".tmp"));
}

TEST_F(Win32FilesTest, ReadTellsMissingFromUnreadable) {
    EXPECT_EQ(files.ReadFile(folder / "absent.ini").status, ReadStatus::Missing);
    EXPECT_EQ(files.ReadFile(folder / "absent\\deeper.ini").status, ReadStatus::Missing);
    EXPECT_EQ(files.ReadFile("").status, ReadStatus::Missing);

    const std::string sub = folder / "a folder";
    ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));
    EXPECT_EQ(files.ReadFile(sub).status, ReadStatus::Unreadable);

    const std::string path = folder / "held.ini";
    ASSERT_TRUE(PutFile(path, "x"));
    const HANDLE held =
        CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const FileRead r = files.ReadFile(path);
    CloseHandle(held);
    EXPECT_EQ(r.status, ReadStatus::Unreadable);
    EXPECT_TRUE(r.bytes.empty());
    EXPECT_EQ(files.ReadFile(path).bytes, "x");
}

TEST_F(Win32FilesTest, RefusesHugeFiles) {
    const std::string path = folder / "huge.ini";
    const HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                 nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size{};
    size.QuadPart = static_cast<LONGLONG>(Win32Files::kMaxReadBytes) + 1;
    const bool sized = SetFilePointerEx(h, size, nullptr, FILE_BEGIN) && SetEndOfFile(h);
    CloseHandle(h);
    ASSERT_TRUE(sized);
    EXPECT_EQ(files.ReadFile(path).status, ReadStatus::Unreadable);
}

TEST_F(Win32FilesTest, FolderOperations) {
    const std::string sub = folder / "Orvane";
    EXPECT_FALSE(files.FolderExists(sub));
    EXPECT_TRUE(files.CreateFolder(sub));
    EXPECT_TRUE(files.CreateFolder(sub));  // already there counts as done
    EXPECT_TRUE(files.FolderExists(sub));
    EXPECT_FALSE(files.FileExists(sub));
    EXPECT_FALSE(files.CreateFolder(folder / "x\\y"));  // one level only

    ASSERT_TRUE(files.WriteFileAtomic(folder / "a.th2", "one"));
    EXPECT_TRUE(files.FileExists(folder / "a.th2"));
    EXPECT_FALSE(files.FolderExists(folder / "a.th2"));
    ASSERT_TRUE(files.WriteFileAtomic(folder / "b.th2", "two"));
    EXPECT_TRUE(files.CopyFile(folder / "a.th2", folder / "b.th2"));  // overwrites
    EXPECT_EQ(Read(folder / "b.th2"), "one");
    EXPECT_FALSE(files.CopyFile(folder / "none.th2", folder / "c.th2"));

    auto entries = files.ListFolder(folder.path());
    std::sort(entries.begin(), entries.end(), [](auto& l, auto& r) { return l.name < r.name; });
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, "Orvane");
    EXPECT_TRUE(entries[0].is_folder);
    EXPECT_EQ(entries[1].name, "a.th2");
    EXPECT_FALSE(entries[1].is_folder);
    EXPECT_EQ(entries[2].name, "b.th2");
    EXPECT_EQ(files.ListFolder(folder.path() + "\\").size(), 3u);
    EXPECT_TRUE(files.ListFolder(folder / "none").empty());

    EXPECT_TRUE(files.DeleteFile(folder / "b.th2"));
    EXPECT_FALSE(files.DeleteFile(folder / "b.th2"));
    EXPECT_FALSE(files.FileExists(folder / "b.th2"));
}

}  // namespace
}  // namespace vtx::win32
