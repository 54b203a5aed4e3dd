#include "catalogue/reference_lists.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "fake_platform.h"
#include "test_files.h"

namespace vtx {
namespace {

const std::string& kData = fake::kDataFolder;
const std::string& kProgram = fake::kProgramFolder;
using fake::Golden;

class ReferenceListsTest : public ::testing::Test {
protected:
    ReferenceListsTest() {
        fake.files.PutFolder(kData);
        fake.files.PutFolder(kProgram);
    }
    void Load() { LoadSTRLs(lists, fake.platform, kData, kProgram); }

    fake::FakePlatform fake;
    ReferenceLists lists;
};

TEST_F(ReferenceListsTest, FirstStartWritesTheBuiltInRowsAtShutdown) {
    Load();
    EXPECT_EQ(lists.colorlabels.size(), 7u);
    EXPECT_EQ(lists.cpapplets.size(), 12u);
    EXPECT_EQ(lists.defprogs.size(), 24u);
    for (const Lines* empty : {&lists.categories, &lists.searchstr, &lists.commands, &lists.prognames,
                               &lists.progcats, &lists.insprogs, &lists.browsers, &lists.minims})
        EXPECT_TRUE(empty->empty());

    SaveShutdownLists(lists, fake.platform, kData);
    for (const std::string name : {"colorlabels.ini", "cpapplets.ini", "defprogs.ini"}) {
        const std::string golden = Golden("default-" + name);
        ASSERT_FALSE(golden.empty()) << name;
        EXPECT_EQ(fake.files.Get(kData + name), golden) << name;
    }
    EXPECT_EQ(fake.files.writes, 3);  // nothing else is written at shutdown
}

TEST_F(ReferenceListsTest, ExistingFilesReplaceTheBuiltInRowsEvenWhenEmpty) {
    fake.files.Put(kData + "cpapplets.ini", "");
    fake.files.Put(kData + "colorlabels.ini", "Red=Urgent\r\n");
    fake.files.Put(kData + "defprogs.ini", "Editor|ed\nShell|sh");
    fake.files.Put(kData + "commands.ini", "lock=rundll32\r\nnoequals\r\n");
    fake.files.Put(kData + "categories.ini", "work\r\n");
    fake.files.Put(kData + "insprogs.ini", "x\ry\r");
    Load();
    EXPECT_TRUE(lists.cpapplets.empty());
    EXPECT_EQ(lists.colorlabels, Lines{"Red=Urgent"});
    EXPECT_EQ(lists.defprogs, (Lines{"Editor|ed", "Shell|sh"}));
    EXPECT_EQ(lists.commands, (Lines{"lock=rundll32", "noequals"}));
    EXPECT_EQ(lists.categories, Lines{"work"});
    EXPECT_EQ(lists.insprogs, (Lines{"x", "y"}));
    EXPECT_EQ(NameOf(lists.commands, 0), "lock");
    EXPECT_EQ(NameOf(lists.commands, 1), "");  // shows as an empty entry
}

TEST_F(ReferenceListsTest, ShutdownSkipsFilesThatCannotBeWritten) {
    Load();
    fake.files.MakeReadOnly(kData + "cpapplets.ini");
    SaveShutdownLists(lists, fake.platform, kData);
    EXPECT_TRUE(fake.files.Has(kData + "colorlabels.ini"));
    EXPECT_FALSE(fake.files.Has(kData + "cpapplets.ini"));
    EXPECT_TRUE(fake.files.Has(kData + "defprogs.ini"));
    EXPECT_TRUE(fake.prompts.messages.empty());
}

TEST_F(ReferenceListsTest, UnreadableFilesGetBuiltInsButAreNotOverwritten) {
    fake.files.Put(kData + "cpapplets.ini", "Mine|mine.cpl\r\n");
    fake.files.MakeUnreadable(kData + "cpapplets.ini");
    fake.files.Put(kData + "browsers.ini", "Mine|c:\\mine.exe\r\n");
    fake.files.MakeUnreadable(kData + "browsers.ini");
    Load();
    EXPECT_EQ(lists.cpapplets.size(), 12u);
    SaveShutdownLists(lists, fake.platform, kData);
    EXPECT_FALSE(SaveBrowserList(lists, fake.platform, kData));
    EXPECT_EQ(fake.files.Get(kData + "cpapplets.ini"), "Mine|mine.cpl\r\n");
    EXPECT_EQ(fake.files.Get(kData + "browsers.ini"), "Mine|c:\\mine.exe\r\n");
    EXPECT_TRUE(fake.files.Has(kData + "colorlabels.ini"));
    EXPECT_TRUE(fake.prompts.messages.empty());
}

TEST_F(ReferenceListsTest, BrowsersFallBackToTheProgramFolderButAreSavedToTheDataFolder) {
    fake.files.Put(kProgram + "browsers.ini", "opera|c:\\opera\\opera.exe\r\n");
    Load();
    EXPECT_EQ(lists.browsers, Lines{"opera|c:\\opera\\opera.exe"});
    lists.browsers.push_back("lynx|c:\\lynx.exe");
    EXPECT_TRUE(SaveBrowserList(lists, fake.platform, kData));
    EXPECT_EQ(fake.files.Get(kData + "browsers.ini"), "opera|c:\\opera\\opera.exe\r\nlynx|c:\\lynx.exe\r\n");
    EXPECT_EQ(fake.files.Get(kProgram + "browsers.ini"), "opera|c:\\opera\\opera.exe\r\n");

    // Once the Data folder has its own copy, the Program folder's is no longer read.
    ReferenceLists again;
    LoadSTRLs(again, fake.platform, kData, kProgram);
    EXPECT_EQ(again.browsers.size(), 2u);
}

TEST_F(ReferenceListsTest, FailedBrowserSaveIsSilent) {
    fake.files.MakeReadOnly(kData + "browsers.ini");
    lists.browsers = {"a|b"};
    EXPECT_FALSE(SaveBrowserList(lists, fake.platform, kData));
    EXPECT_TRUE(fake.prompts.messages.empty());
}

TEST(ReferenceListReaders, ColumnsAndNames) {
    const Lines list{"Display properties|desk.cpl", "name only", "|path only", "a|b|c", "", "k=v=w"};
    struct Row {
        int row, col;
        std::string expected;
    };
    const Row rows[] = {
        {0, 0, "Display properties"}, {0, 1, "desk.cpl"}, {0, 2, ""}, {1, 0, "name only"}, {1, 1, ""},
        {2, 0, ""},  {2, 1, "path only"}, {3, 1, "b"}, {3, 2, "c"}, {4, 0, ""}, {4, 1, ""},
        {-1, 0, ""}, {6, 0, ""},          {0, -1, ""},
    };
    for (const auto& r : rows) EXPECT_EQ(Column(list, r.row, r.col), r.expected) << r.row << "," << r.col;
    EXPECT_EQ(NameOf(list, 5), "k");
    EXPECT_EQ(NameOf(list, 0), "");
    EXPECT_EQ(NameOf(list, 6), "");
    EXPECT_EQ(NameOf(list, -1), "");
}

TEST(DefaultBrowser, BecomesTheOnlyEntryNamedAfterItsFile) {
    Lines browsers{"old|c:\\old.exe", "other|c:\\other.exe"};
    SetDefaultBrowser(browsers, "C:\\Program Files\\Mozilla Firefox\\firefox.exe");
    EXPECT_EQ(browsers, Lines{"firefox|C:\\Program Files\\Mozilla Firefox\\firefox.exe"});
    SetDefaultBrowser(browsers, "C:\\v1.2\\browser");
    EXPECT_EQ(browsers, Lines{"browser|C:\\v1.2\\browser"});
    SetDefaultBrowser(browsers, "C:\\x\\my.web.browser.EXE");
    EXPECT_EQ(browsers, Lines{"my.web.browser|C:\\x\\my.web.browser.EXE"});
}

}  // namespace
}  // namespace vtx
