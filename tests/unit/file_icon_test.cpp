#include "launcher/file_icon.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace vtx {
namespace {

const std::string kSys = "C:\\Windows\\system32";
IconCandidate Shell32(int index) { return {kSys + "\\SHELL32.DLL", index}; }

class FileIconTest : public ::testing::Test {
protected:
    FileIconTest() {
        p.files.Put("c:\\apps\\tool.exe", "");
        p.files.Put("c:\\apps\\pic.ico", "");
        p.files.Put("c:\\docs\\a.txt", "");
        p.files.PutFolder("c:\\docs");
        p.files.PutFolder("c:\\odd.dll");
        auto& r = p.registry.classes_root;  // keys are stored lower case
        r[".txt"] = "txtfile";
        r["txtfile\\defaulticon"] = "%SystemRoot%\\system32\\imageres.dll,-102";
        r[".com"] = "comfile";
        r["comfile\\defaulticon"] = "C:\\Windows\\system32\\shell32.dll,2";
        r[".doc"] = "docfile";
        r["docfile\\defaulticon"] = "c:\\office\\word.exe,abc";
        r[".htm"] = "htmlfile";
        r["htmlfile\\defaulticon"] = "c:\\browser.exe, 7";
        r[".nodef"] = "nodefclass";  // class without a DefaultIcon key
        r[".empty"] = "";            // no class
        r[".blank"] = "blankclass";
        r["blankclass\\defaulticon"] = "";
    }
    std::vector<IconCandidate> For(const std::string& path, const std::string& sys = kSys) {
        return GetFileIconCandidates(path, p.files, p.registry, sys);
    }
    fake::FakePlatform p;
};

TEST_F(FileIconTest, Extension) {
    EXPECT_EQ(UpperExtension("c:\\a\\b.txt"), ".TXT");
    EXPECT_EQ(UpperExtension("c:\\a.b\\readme"), "");
    EXPECT_EQ(UpperExtension("c:\\a\\archive.tar.gz"), ".GZ");
    EXPECT_EQ(UpperExtension("c:"), "");
    EXPECT_EQ(UpperExtension("calc"), "");
    EXPECT_EQ(UpperExtension("c:\\a\\trailing."), ".");
}

TEST_F(FileIconTest, CandidatesInOrder) {
    const struct {
        const char* path;
        std::vector<IconCandidate> expected;
    } cases[] = {
        // An existing program or icon file is its own source.
        {"c:\\apps\\tool.exe", {{"c:\\apps\\tool.exe", 0}, Shell32(2)}},
        {"c:\\apps\\pic.ico", {{"c:\\apps\\pic.ico", 0}, Shell32(0)}},
        // A missing program is looked up under ".COM".
        {"c:\\apps\\gone.EXE", {{"C:\\Windows\\system32\\shell32.dll", 2}, Shell32(2)}},
        // Registered types: negative numbers kept, non-numbers read as 0, blanks allowed.
        {"c:\\docs\\a.txt", {{"%SystemRoot%\\system32\\imageres.dll", -102}, Shell32(64)}},
        {"c:\\docs\\b.doc", {{"c:\\office\\word.exe", 0}, Shell32(1)}},
        {"c:\\site\\index.htm", {{"c:\\browser.exe", 7}, Shell32(0)}},
        // No class, or a class without DefaultIcon: the path itself is tried.
        {"c:\\x\\y.nodef", {{"c:\\x\\y.nodef", 0}, Shell32(0)}},
        {"c:\\x\\y.empty", {{"c:\\x\\y.empty", 0}, Shell32(0)}},
        {"c:\\x\\run.bat", {{"c:\\x\\run.bat", 0}, Shell32(65)}},
        // An empty DefaultIcon leaves only the fallback.
        {"c:\\x\\y.blank", {Shell32(0)}},
        // Folders: the folder icon unless the name has a listed extension.
        {"c:\\docs", {{"c:\\docs", 0}, Shell32(3)}},
        {"c:\\odd.dll", {{"c:\\odd.dll", 0}, Shell32(66)}},
        {"c:\\a,5", {{"c:\\a", 5}, Shell32(0)}},  // a "," in a plain path splits it too
        {"", {Shell32(0)}},
    };
    for (const auto& c : cases) EXPECT_EQ(For(c.path), c.expected) << c.path;

    EXPECT_EQ(For("c:\\apps\\tool.exe", "").back(), (IconCandidate{"C:\\WINDOWS\\SYSTEM\\SHELL32.DLL", 2}));
}

TEST_F(FileIconTest, Shell32Table) {
    const std::pair<const char*, int> table[] = {
        {".DOC", 1},  {".EXE", 2},  {".COM", 2},  {".HLP", 23}, {".INI", 63}, {".INF", 63},
        {".TXT", 64}, {".BAT", 65}, {".DLL", 66}, {".SYS", 66}, {".VBX", 66}, {".OCX", 66},
        {".VXD", 66}, {".FON", 67}, {".TTF", 68}, {".FOT", 69}, {".txt", 0},  {"", 0},
    };
    for (const auto& [ext, index] : table) EXPECT_EQ(Shell32IconIndex(ext, false), index) << ext;
    EXPECT_EQ(Shell32IconIndex(".XYZ", true), 3);
    EXPECT_EQ(Shell32IconIndex(".TXT", true), 64);
}

}  // namespace
}  // namespace vtx
