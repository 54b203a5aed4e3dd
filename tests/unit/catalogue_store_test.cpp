#include "catalogue/catalogue_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "fake_platform.h"
#include "platform/ascii.h"
#include "test_files.h"

namespace vtx {
namespace {

const std::string& kData = fake::kDataFolder;
const std::string& kProgram = fake::kProgramFolder;
using fake::Golden;

class CatalogueStoreTest : public ::testing::Test {
protected:
    CatalogueStoreTest() {
        fake.files.PutFolder(kData);
        fake.files.PutFolder(kProgram);
    }
    CatalogueSource Load() { return LoadCatalogue(catalogue, fake.platform, kData, kProgram); }

    fake::FakePlatform fake;
    Catalogue catalogue;
};

TEST_F(CatalogueStoreTest, DataFolderListWinsAndIsBackedUpAsItIs) {
    fake.files.Put(kData + "list2.ini", "b|1\nA|2\r\rlast");  // every line end, no final one
    fake.files.Put(kProgram + "list2.ini", "program|copy\r\n");
    fake.files.Put(kProgram + "list1.ini", "old=c:\\old.exe\r\n");

    EXPECT_EQ(Load(), CatalogueSource::DataFolder);
    EXPECT_EQ(catalogue.lines(), (Lines{"b|1", "A|2", "", "last"}));  // file order, not sorted yet
    EXPECT_EQ(fake.files.writes, 0);  // loading writes nothing: the backup is taken later
    BackUpCatalogue(fake.files, kData);
    EXPECT_EQ(fake.files.Get(kData + "previous-list2.ini"), "b|1\nA|2\r\rlast");
    EXPECT_EQ(fake.files.Get(kData + "list2.ini"), "b|1\nA|2\r\rlast");  // never rewritten by loading
    EXPECT_TRUE(fake.prompts.messages.empty());
}

TEST_F(CatalogueStoreTest, BackupFailureIsSilent) {
    fake.files.Put(kData + "list2.ini", "a|1\r\n");
    fake.files.MakeReadOnly(kData + "previous-list2.ini");
    EXPECT_EQ(Load(), CatalogueSource::DataFolder);
    BackUpCatalogue(fake.files, kData);
    EXPECT_EQ(catalogue.lines(), Lines{"a|1"});
    EXPECT_FALSE(fake.files.Has(kData + "previous-list2.ini"));
    EXPECT_TRUE(fake.prompts.messages.empty());
}

TEST_F(CatalogueStoreTest, ProgramFolderListIsReadWithoutBackup) {
    fake.files.Put(kProgram + "list2.ini", "shipped|x\r\n");
    fake.files.Put(kProgram + "list1.ini", "old=c:\\old.exe\r\n");
    EXPECT_EQ(Load(), CatalogueSource::ProgramFolder);
    EXPECT_EQ(catalogue.lines(), Lines{"shipped|x"});
    EXPECT_FALSE(fake.files.Has(kData + "previous-list2.ini"));
    EXPECT_FALSE(fake.files.Has(kProgram + "previous-list2.ini"));
    EXPECT_EQ(fake.files.writes, 0);
}

TEST_F(CatalogueStoreTest, OldListIsConvertedWhenNoCurrentListExists) {
    fake.files.Put(kProgram + "list1.ini", "ed=C:\\Tools\\ed.exe\r\nweb=www.example.com\r\n");
    EXPECT_EQ(Load(), CatalogueSource::Converted);
    EXPECT_EQ(catalogue.lines(), (Lines{"ed|C:\\Tools\\ed.exe|C:\\Tools\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0",
                                        "web|www.example.com|||||||SW_SHOWNORMAL|URL|||None||1|||||||||0"}));
    EXPECT_EQ(fake.files.writes, 0);  // reaches list2.ini only when the program ends
}

TEST_F(CatalogueStoreTest, NothingOnDiskGivesTheDefaultRecords) {
    EXPECT_EQ(Load(), CatalogueSource::Default);
    EXPECT_EQ(fake.files.writes, 0);
    ASSERT_TRUE(SaveShortcutList(catalogue, fake.platform, kData));
    const std::string golden = Golden("default-list2.ini");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(fake.files.Get(kData + "list2.ini"), golden);
}

TEST(DefaultCatalogue, RecordsAreExact) {
    Catalogue c;
    FillListbox1Default(c);
    ASSERT_EQ(c.size(), 4);
    EXPECT_EQ(c.line(0), "c|c:\\|||||||SW_SHOWMAXIMIZED|Folder|||Purple||1|||||||||0");
    EXPECT_EQ(c.line(1), "calc|calc|||||||SW_SHOWNORMAL|Other|||Orange||1|||||||||0");
    EXPECT_EQ(c.line(2), "d|d:\\|||||||SW_SHOWNORMAL|Folder|||None||1|||||||||0");
    EXPECT_EQ(c.GetShPart(3, kName), "vtx on the web");
    EXPECT_EQ(c.GetShPart(3, kAddr), "https://www.orvane.com/vantrix/");
    EXPECT_EQ(c.GetShPart(3, kTy1), "URL");
    EXPECT_EQ(c.GetShPart(3, kOsw), "firefox");
    for (const auto& line : c.lines()) EXPECT_EQ(std::count(line.begin(), line.end(), '|'), 23) << line;
}

TEST(ConvertOldList, TypesEachEntryByTheFirstMatchingRule) {
    fake::FakeFiles files;
    files.Put("C:\\Tools\\ED.EXE", "");
    files.Put("C:\\WWW\\page.htm", "");
    files.Put("C:\\notes.txt", "");
    files.PutFolder("C:\\Docs");
    struct Row {
        std::string old_line, name, addr, ty1, wdir;
    };
    const Row rows[] = {
        {"ed=C:\\Tools\\ed.exe", "ed", "C:\\Tools\\ed.exe", "Program", "C:\\Tools\\"},
        {"bare=ed.exe", "bare", "ed.exe", "Program", ""},                      // no folder part
        {"ED=C:\\Tools\\ED.EXE", "ED", "C:\\Tools\\ED.EXE", "File", ""},        // ".exe" is case-sensitive
        {"gone=C:\\Tools\\GONE.EXE", "gone", "C:\\Tools\\GONE.EXE", "Other", ""},
        {"desk=desk.cpl", "desk", "desk.cpl", "Control Panel Applet", ""},
        {"page=C:\\WWW\\page.htm", "page", "C:\\WWW\\page.htm", "URL", ""},     // "www" before the file test
        {"site=http://WwW.example.com", "site", "http://WwW.example.com", "URL", ""},
        {"notes=C:\\notes.txt", "notes", "C:\\notes.txt", "File", ""},
        {"docs=C:\\Docs", "docs", "C:\\Docs", "Folder", ""},
        {"calc=calc", "calc", "calc", "Other", ""},
        {"a=b=c", "a", "b=c", "Other", ""},                                     // only the first "=" splits
        {"no equals sign", "", "", "Other", ""},
        {"", "", "", "Other", ""},
    };
    Lines old;
    for (const auto& r : rows) old.push_back(r.old_line);
    Catalogue c;
    c.Append("stale|line");
    ConvertOldList(c, files, old);
    ASSERT_EQ(c.size(), static_cast<int>(std::size(rows)));
    for (int i = 0; i < c.size(); ++i) {
        const Row& r = rows[i];
        Fields expected = NewRecord(r.name, r.addr, r.ty1);
        expected[kWdir] = r.wdir;
        EXPECT_EQ(c.line(i), JoinRecord(expected)) << r.old_line;
    }
}

TEST_F(CatalogueStoreTest, EmptyCatalogueSavesAnEmptyFileAndLoadsAsEmpty) {
    ASSERT_TRUE(SaveShortcutList(catalogue, fake.platform, kData));
    EXPECT_TRUE(fake.files.Has(kData + "list2.ini"));
    EXPECT_EQ(fake.files.Get(kData + "list2.ini"), "");
    catalogue.Append("will be replaced");
    EXPECT_EQ(Load(), CatalogueSource::DataFolder);
    EXPECT_EQ(catalogue.size(), 0);  // the default records are not recreated
}

TEST_F(CatalogueStoreTest, SaveRoundTripsEveryLine) {
    catalogue.lines() = {"x|1", "", "  spaced | field  ", "y|2"};
    ASSERT_TRUE(SaveShortcutList(catalogue, fake.platform, kData));
    EXPECT_EQ(fake.files.Get(kData + "list2.ini"), "x|1\r\n\r\n  spaced | field  \r\ny|2\r\n");
    Catalogue again;
    EXPECT_EQ(LoadCatalogue(again, fake.platform, kData, kProgram), CatalogueSource::DataFolder);
    EXPECT_EQ(again.lines(), catalogue.lines());
}

TEST_F(CatalogueStoreTest, FailedSaveTellsTheUserAndKeepsTheOldFile) {
    fake.files.Put(kData + "list2.ini", "old|list\r\n");
    fake.files.MakeReadOnly(kData + "list2.ini");
    catalogue.Append("new|list");
    EXPECT_FALSE(SaveShortcutList(catalogue, fake.platform, kData));
    EXPECT_EQ(fake.prompts.messages, std::vector<std::string>{"ERROR! Can not save shortcuts list!"});
    EXPECT_EQ(fake.files.Get(kData + "list2.ini"), "old|list\r\n");
    EXPECT_EQ(catalogue.lines(), Lines{"new|list"});
}

TEST_F(CatalogueStoreTest, UnreadableListIsNeverOverwritten) {
    // Wherever the unreadable list lies, the run starts empty, says so once and saves nothing.
    for (const std::string& path : {kData + "list2.ini", kProgram + "list2.ini", kProgram + "list1.ini"}) {
        fake::FakePlatform f;
        f.files.PutFolder(kData);
        f.files.Put(path, "precious|line\r\n");
        f.files.MakeUnreadable(path);
        CatalogueStore store(f.platform, kData, kProgram);
        Catalogue c;
        c.Append("leftover");
        EXPECT_EQ(store.LoadCatalogue(c), CatalogueSource::Unreadable) << path;
        EXPECT_EQ(c.size(), 0) << path;
        EXPECT_TRUE(store.protects_list());
        EXPECT_EQ(f.prompts.messages, std::vector<std::string>{
                                          "The shortcuts list could not be read; it will not be overwritten "
                                          "when Vantrix ends."})
            << path;

        c.Append("added|later");
        EXPECT_FALSE(store.SaveShortcutList(c));
        EXPECT_EQ(f.prompts.messages.size(), 1u);
        EXPECT_EQ(f.files.writes, 0) << path;  // no list2.ini, no backup
        EXPECT_EQ(f.files.Get(path), "precious|line\r\n");
    }
}

TEST_F(CatalogueStoreTest, StoreSavesNormallyAfterAReadableLoad) {
    fake.files.Put(kData + "list2.ini", "a|1\r\n");
    CatalogueStore store(fake.platform, kData, kProgram);
    EXPECT_EQ(store.LoadCatalogue(catalogue), CatalogueSource::DataFolder);
    EXPECT_FALSE(store.protects_list());
    EXPECT_FALSE(fake.files.Has(kData + "previous-list2.ini"));
    catalogue.Append("b|2");
    // A save before the idle moment takes the backup first: it is the list the run started from.
    EXPECT_TRUE(store.SaveShortcutList(catalogue));
    EXPECT_EQ(fake.files.Get(kData + "list2.ini"), "a|1\r\nb|2\r\n");
    EXPECT_EQ(fake.files.Get(kData + "previous-list2.ini"), "a|1\r\n");
    // Taken once: neither a later save nor the idle moment copies the saved list over it.
    catalogue.Append("c|3");
    EXPECT_TRUE(store.SaveShortcutList(catalogue));
    store.TakeBackup();
    EXPECT_EQ(fake.files.Get(kData + "previous-list2.ini"), "a|1\r\n");
}

TEST(CatalogueSort, PipeBeforeDigitsAndLettersCaseIgnored) {
    fake::FakeText text;
    Catalogue c;
    c.lines() = {"calculator|x", "Calc2|z", "calc|y", "B|b", "c|c:\\", "a b|q", "ab|r"};
    c.Sort(text);
    EXPECT_EQ(c.lines(), (Lines{"a b|q", "ab|r", "B|b", "c|c:\\", "calc|y", "Calc2|z", "calculator|x"}));
}

TEST(CatalogueSort, OrderAgreesWithTheCollationOnRandomLines) {
    // Sorting goes by sort keys; the result must be an order the collation itself allows.
    fake::FakeText text;
    std::mt19937 rng(7);
    const std::string alphabet = std::string("aAbBzZ09 |-_.\\") + "\xE9\xC9\xFF\x9F\x80" + std::string(1, '\0');
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1), len(0, 6);
    Catalogue c;
    for (int i = 0; i < 2000; ++i) {
        std::string line;
        for (std::size_t n = len(rng); n > 0; --n) line += alphabet[pick(rng)];
        c.Append(line);
    }
    Lines before = c.lines();
    c.Sort(text);
    for (int i = 1; i < c.size(); ++i)
        ASSERT_LE(text.CompareNoCase(c.line(i - 1), c.line(i)), 0) << i;
    Lines after = c.lines();
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, before);  // nothing lost or duplicated
}

TEST(CatalogueSort, AnOrderedListWithLinesAddedSortsAsAWholeSortWould) {
    // Start-up and every refill meet a list that is in order up to the lines added since; the
    // result must be the one a stable sort of the whole list by the collation gives.
    fake::FakeText text;
    std::mt19937 rng(11);
    const std::string alphabet = "aAbBzZ09 |-_.\\\xE9\xC9";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1), len(0, 6);
    const auto random_line = [&] {
        std::string line;
        for (std::size_t n = len(rng); n > 0; --n) line += alphabet[pick(rng)];
        return line;
    };
    const auto less = [&text](const std::string& a, const std::string& b) { return text.CompareNoCase(a, b) < 0; };
    Lines ordered(300);
    std::generate(ordered.begin(), ordered.end(), random_line);
    std::stable_sort(ordered.begin(), ordered.end(), less);
    for (const std::size_t added : {0u, 1u, 5u, 150u, 400u}) {
        Catalogue c;
        c.lines() = ordered;
        for (std::size_t i = 0; i < added; ++i) c.Append(random_line());
        if (added > 0) {  // and a line the collation calls equal to one already there
            std::string twin = ordered[150];
            for (char& ch : twin) ch = ToUpperAscii(ch);
            c.Append(twin);
        }
        Lines expected = c.lines();
        std::stable_sort(expected.begin(), expected.end(), less);
        c.Sort(text);
        EXPECT_EQ(c.lines(), expected) << added << " lines added";
    }
}

TEST(CatalogueSort, LinesEqualButForCaseKeepTheirOrder) {
    // Every case spelling of one line: the collation calls them all equal. Sorting must leave
    // them as they are, or each refill (and each load of the saved list) would reorder them.
    fake::FakeText text;
    Catalogue c;
    for (int bits = 0; bits < 32; ++bits) {
        std::string name = "notes";
        for (int i = 0; i < 5; ++i)
            if (bits & (1 << i)) name[static_cast<std::size_t>(i)] = ToUpperAscii(name[static_cast<std::size_t>(i)]);
        c.Append(name + "|C:\\notes.txt");
    }
    c.Append("a|first");
    const Lines before = c.lines();
    c.Sort(text);
    ASSERT_EQ(c.line(0), "a|first");
    EXPECT_EQ(Lines(c.lines().begin() + 1, c.lines().end()), Lines(before.begin(), before.end() - 1));
    const Lines once = c.lines();
    c.Sort(text);
    EXPECT_EQ(c.lines(), once);
}

}  // namespace
}  // namespace vtx
