#include "platform/win32/win32_shell.h"

#include <gtest/gtest.h>

#include "make_link.h"
#include "temp_folder.h"

namespace vtx::win32 {
namespace {

using test::PutFile;
using test::MakeLink;
using test::TempFolder;

int CountTempNames(const std::string& pattern) {
    char base[MAX_PATH + 1] = {};
    GetTempPathA(sizeof base, base);
    WIN32_FIND_DATAA data{};
    const HANDLE find = FindFirstFileA((std::string(base) + pattern).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    int n = 0;
    do ++n; while (FindNextFileA(find, &data));
    FindClose(find);
    return n;
}

TEST(Win32Shell, ResolvesLinksMadeByTheShell) {
    TempFolder folder;
    const std::string target = folder / "Some Program.exe";
    ASSERT_TRUE(PutFile(target, "MZ"));
    const std::string link = folder / "Some Program.lnk";
    ASSERT_TRUE(MakeLink(link, target));

    Win32Shell shell;
    EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, shell.ResolveLink(link).c_str(), -1,
                             target.c_str(), -1),
              CSTR_EQUAL)
        << shell.ResolveLink(link);

    // Not links, or no file at all: empty, quietly.
    EXPECT_EQ(shell.ResolveLink(target), "");
    ASSERT_TRUE(PutFile(folder / "broken.lnk", "not a link"));
    EXPECT_EQ(shell.ResolveLink(folder / "broken.lnk"), "");
    EXPECT_EQ(shell.ResolveLink(folder / "absent.lnk"), "");
    EXPECT_EQ(shell.ResolveLink(""), "");
    EXPECT_EQ(shell.ResolveLink(std::string(400, 'x') + ".lnk"), "");
}

// Makes ".htm" open with program for the life of the object, when no association exists.
class HtmAssociation {
public:
    explicit HtmAssociation(const std::string& program) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, ".htm", 0, KEY_READ, &key) == ERROR_SUCCESS) {
            RegCloseKey(key);
            return;  // the system's own association stays
        }
        const std::string command = "\"" + program + "\" \"%1\"";
        made_ = SetDefault(".htm", kClass) &&
                SetDefault(std::string(kClass) + "\\shell\\open\\command", command);
    }
    HtmAssociation(const HtmAssociation&) = delete;
    HtmAssociation& operator=(const HtmAssociation&) = delete;
    ~HtmAssociation() {
        if (!made_) return;
        RegDeleteTreeA(HKEY_CLASSES_ROOT, kClass);
        RegDeleteKeyA(HKEY_CLASSES_ROOT, ".htm");
    }
    [[nodiscard]] bool made() const { return made_; }

private:
    static constexpr const char* kClass = "vtx-test-htmlfile";
    static bool SetDefault(const std::string& subkey, const std::string& value) {
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_CLASSES_ROOT, subkey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            return false;
        const bool ok = RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                       static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
        RegCloseKey(key);
        return ok;
    }
    bool made_ = false;
};

TEST(Win32Shell, DefaultBrowserIsTheProgramOpeningHtmFiles) {
    const std::string notepad = test::SystemFolder() + "\\notepad.exe";
    HtmAssociation association(notepad);
    const int htm_before = CountTempNames("TMP*.htm");
    const int tmp_before = CountTempNames("TMP*.tmp");

    Win32Shell shell;
    const std::string browser = shell.DefaultBrowserPath();
    if (association.made()) {
        EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, browser.c_str(), -1, notepad.c_str(), -1),
                  CSTR_EQUAL)
            << browser;
    } else if (!browser.empty()) {
        EXPECT_NE(GetFileAttributesA(browser.c_str()), INVALID_FILE_ATTRIBUTES) << browser;
    }
    // Both temporary files are gone again.
    EXPECT_EQ(CountTempNames("TMP*.htm"), htm_before);
    EXPECT_EQ(CountTempNames("TMP*.tmp"), tmp_before);
}

TEST(Win32Shell, NormalisesOnlyWhatTheShellCanParse) {
    const std::string system = test::SystemFolder();
    const std::string normalised = NormaliseShellPath(system + "\\notepad.exe");
    EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, normalised.c_str(), -1,
                             (system + "\\notepad.exe").c_str(), -1),
              CSTR_EQUAL)
        << normalised;
    const std::string absent = "C:\\vtx-no-such-folder\\browser.exe";
    EXPECT_EQ(NormaliseShellPath(absent), absent);
    EXPECT_EQ(NormaliseShellPath(""), "");
}

}  // namespace
}  // namespace vtx::win32
