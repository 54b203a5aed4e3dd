#include "app/startup_entry.h"

#include <gtest/gtest.h>

#include "platform/windows_version.h"
#include "platform/command_line.h"
#include "fake_platform.h"

namespace vtx {
namespace {

const std::string kExe = "C:\\Program Files\\Vantrix\\vantrix.exe";
using RunValues = std::map<std::string, std::string>;

TEST(StartupEntry, WritesForAllUsersWhenAllowed) {
    fake::FakeRegistry reg;
    reg.current_user_run = {{"ovvtx", "C:\\old\\vantrix.exe ns"}, {"other", "x"}};
    AddToStartup(reg, kExe);
    EXPECT_EQ(reg.local_machine_run, (RunValues{{"ovvtx", "\"C:\\Program Files\\Vantrix\\vantrix.exe\" ns"}}));
    EXPECT_EQ(reg.current_user_run, (RunValues{{"other", "x"}}));  // no second start from the user's hive
}

TEST(StartupEntry, TheCommandIsQuotedAndReadsBackAsStartedWithWindows) {
    const char* paths[] = {"C:\\Program Files\\Vantrix\\vantrix.exe", "C:\\Users\\John Smith\\VTX\\vantrix.exe",
                           "C:\\VTX\\vantrix.exe"};
    for (const std::string exe : paths) {
        const std::string command = StartupCommand(exe);
        EXPECT_EQ(command, "\"" + exe + "\" ns");
        // As Windows hands the command line to the program it starts.
        EXPECT_EQ(CommandLineParam(command, 0), exe);
        EXPECT_EQ(FirstParameterAfterProgram(command, exe), "ns") << command;
        // An entry of the old form, the bare path and " ns", is still a start with Windows.
        EXPECT_EQ(FirstParameterAfterProgram(exe + " ns", exe), "ns") << exe;
        EXPECT_EQ(FirstParameterAfterProgram(exe, exe), "") << exe;
    }
    // A start by hand: the program as Windows names it, maybe with other parameters.
    const std::string exe = paths[0];
    EXPECT_EQ(FirstParameterAfterProgram("\"" + exe + "\"", exe), "");
    EXPECT_EQ(FirstParameterAfterProgram("vantrix.exe ns", exe), "ns");
    EXPECT_EQ(FirstParameterAfterProgram("c:\\program files\\vantrix\\VANTRIX.EXE ns", exe), "ns");
    EXPECT_EQ(FirstParameterAfterProgram(exe + "x ns", exe), "Files\\Vantrix\\vantrix.exex");  // another program
}

TEST(StartupEntry, FallsBackToTheUserWithoutAdminRights) {
    fake::FakeRegistry reg;
    reg.local_machine_writable = false;
    AddToStartup(reg, kExe);
    EXPECT_TRUE(reg.local_machine_run.empty());
    EXPECT_EQ(reg.current_user_run, (RunValues{{"ovvtx", "\"" + kExe + "\" ns"}}));
    AddToStartup(reg, kExe);  // again: unchanged
    EXPECT_EQ(reg.current_user_run, (RunValues{{"ovvtx", "\"" + kExe + "\" ns"}}));
}

TEST(StartupEntry, RemovesFromBothHives) {
    fake::FakeRegistry reg;
    reg.local_machine_run = {{"ovvtx", "a ns"}, {"keep", "1"}};
    reg.current_user_run = {{"ovvtx", "b ns"}, {"keep", "2"}};
    RemoveFromStartup(reg);
    EXPECT_EQ(reg.local_machine_run, (RunValues{{"keep", "1"}}));
    EXPECT_EQ(reg.current_user_run, (RunValues{{"keep", "2"}}));
    RemoveFromStartup(reg);  // nothing left to remove
    EXPECT_EQ(reg.local_machine_run.size(), 1u);

    // Without rights on the machine hive the user's entry still goes.
    reg.local_machine_run["ovvtx"] = "a ns";
    reg.current_user_run["ovvtx"] = "b ns";
    reg.local_machine_writable = false;
    RemoveFromStartup(reg);
    EXPECT_EQ(reg.current_user_run, (RunValues{{"keep", "2"}}));
}

TEST(WindowsVersion, MapsVersionInformationToCodes) {
    const struct {
        int platform;
        unsigned major, minor;
        const char* csd;
        int code;
    } cases[] = {
        {kPlatformWin9x, 4, 0, "", 1},         {kPlatformWin9x, 4, 0, " C", 1},
        {kPlatformWin9x, 4, 10, "", 2},        {kPlatformWin9x, 4, 10, " ", 2},
        {kPlatformWin9x, 4, 10, "A", 2},       // "A" must be the second character
        {kPlatformWin9x, 4, 10, " A ", 3},     {kPlatformWin9x, 4, 10, " a", 2},
        {kPlatformWin9x, 4, 90, "", 5},        {kPlatformWin9x, 4, 3, "", 0},
        {kPlatformWin9x, 5, 0, "", 0},         {kPlatformNT, 3, 51, "", 4},
        {kPlatformNT, 4, 0, "Service Pack 6", 4}, {kPlatformNT, 5, 0, "", 6},
        {kPlatformNT, 5, 1, "Service Pack 3", 7}, {kPlatformNT, 5, 2, "", 0},
        {kPlatformNT, 6, 0, "", 8},            {kPlatformNT, 6, 1, "Service Pack 1", 8},
        {kPlatformNT, 6, 3, "", 8},            {kPlatformNT, 10, 0, "", 0},
        {0, 6, 1, "", 0},                      {3, 5, 1, "", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WindowsVersionCode(c.platform, c.major, c.minor, 0, c.csd), c.code)
            << c.platform << " " << c.major << "." << c.minor << " '" << c.csd << "'";
}

}  // namespace
}  // namespace vtx
