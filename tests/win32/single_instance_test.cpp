#include "platform/win32/single_instance.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/win32/wide.h"

namespace vtx::win32 {
namespace {

std::string RecordName(const char* what) {
    return std::string("vtx-test-") + what + "-" + std::to_string(GetCurrentProcessId());
}

TEST(SingleInstance, NamesTheRecordAfterTheExecutablePath) {
    EXPECT_EQ(SingleInstance::RecordNameFor("C:\\Program Files\\My Apps\\vantrix.exe"),
              "C:ProgramFilesMyAppsvantrix.exe");
    EXPECT_EQ(SingleInstance::RecordNameFor("\\\\server\\share\\v t x.exe"), "serversharevtx.exe");
}

// A program folder in any script: the record bears the path's own characters, so copies in
// two such folders keep two records and another program finds the record by that name.
TEST(SingleInstance, TheRecordOfAPathInAnyScriptBearsItsCharacters) {
    const std::string pid = std::to_string(GetCurrentProcessId());
    const std::string jp = SingleInstance::RecordNameFor("C:\\データ " + pid + "\\vantrix.exe");
    const std::string ru = SingleInstance::RecordNameFor("C:\\отчёт " + pid + "\\vantrix.exe");
    EXPECT_EQ(jp, "C:データ" + pid + "vantrix.exe");
    SingleInstance first(jp);
    ASSERT_TRUE(first.Claim(nullptr));
    SingleInstance other_folder(ru);
    EXPECT_TRUE(other_folder.Claim(nullptr));
    SingleInstance same_folder(jp);
    EXPECT_FALSE(same_folder.Claim(nullptr));
    const HANDLE seen = OpenFileMappingW(FILE_MAP_READ, FALSE, Utf8ToWide(jp).c_str());
    EXPECT_NE(seen, nullptr) << "the record under its name in wide characters";
    if (seen) CloseHandle(seen);
}

TEST(SingleInstance, OnlyTheFirstClaimRunsUntilItEnds) {
    const std::string name = RecordName("claims");
    auto first = std::make_unique<SingleInstance>(name);
    ASSERT_TRUE(first->Claim(nullptr));
    EXPECT_TRUE(first->counted());

    SingleInstance second(name);
    EXPECT_FALSE(second.Claim(nullptr));
    EXPECT_FALSE(second.counted());
    SingleInstance third(name);
    EXPECT_FALSE(third.Claim(nullptr));

    first.reset();  // the first copy ends and takes itself off the count
    EXPECT_TRUE(third.Claim(nullptr));
    EXPECT_FALSE(second.Claim(nullptr));
}

TEST(SingleInstance, ASecondStartAsksTheFirstToBringUpItsLauncher) {
    const HWND window = CreateWindowExA(0, "STATIC", "first", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr,
                                        nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window) GTEST_SKIP() << "no display";
    ShowWindow(window, SW_SHOWMINIMIZED);
    ASSERT_TRUE(IsIconic(window));

    const std::string name = RecordName("restore");
    SingleInstance first(name);
    ASSERT_TRUE(first.Claim(window));
    SingleInstance second(name);
    EXPECT_FALSE(second.Claim(nullptr));
    EXPECT_EQ(second.first_window(), window);
    ASSERT_NE(SingleInstance::SummonMessage(), 0u);
    MSG msg{};
    EXPECT_FALSE(PeekMessageA(&msg, window, SingleInstance::SummonMessage(), SingleInstance::SummonMessage(),
                              PM_NOREMOVE))
        << "the claim alone asks for nothing (a start with Windows)";

    second.SummonFirst();
    EXPECT_FALSE(IsIconic(window));
    EXPECT_TRUE(PeekMessageA(&msg, window, SingleInstance::SummonMessage(), SingleInstance::SummonMessage(),
                             PM_REMOVE));
    DestroyWindow(window);
}

TEST(SingleInstance, StaleWindowInTheRecordIsHarmless) {
    const HWND window = CreateWindowExA(0, "STATIC", "gone", 0, 0, 0, 10, 10, nullptr, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
    if (!window) GTEST_SKIP() << "no display";
    const std::string name = RecordName("stale");
    SingleInstance first(name);
    ASSERT_TRUE(first.Claim(window));
    DestroyWindow(window);
    SingleInstance second(name);
    EXPECT_FALSE(second.Claim(nullptr));
    EXPECT_EQ(second.first_window(), nullptr);
    second.SummonFirst();  // nothing to ask
}

TEST(ProgramMutex, IsNamedAndHeld) {
    ProgramMutex mutex;
    ASSERT_TRUE(mutex.held());
    const HANDLE seen = OpenMutexW(SYNCHRONIZE, FALSE, ProgramMutex::kName);
    EXPECT_NE(seen, nullptr);
    if (seen) CloseHandle(seen);
}

}  // namespace
}  // namespace vtx::win32
