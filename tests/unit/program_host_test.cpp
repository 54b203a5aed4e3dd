#include "shell/program_host_rules.h"

#include <gtest/gtest.h>

#include "session_fixture.h"

namespace vtx {
namespace {

using namespace fake;

class ProgramHostTest : public SessionTest {
protected:
    ProgramHostTest() {
        PutSettings({"firstrun=0"});
        run.Start();
        TraceInto(run.view);
        run.view.Clear();
        m.files.written.clear();
    }
    Session run{m};
    ProgramHostRules host{run.app};
};

TEST_F(ProgramHostTest, TrayHotkeyAndSecondStartTellTheLauncherWhatToShow) {
    struct Case {
        const char* name;
        HostAction action;
        HostAction expected;
        const char* trace;  // "" when nothing is traced
    };
    const Case cases[] = {
        {"tray click", ProgramHostRules::OnTray(TrayEvent::LeftUp), HostAction::ShowLauncher, ""},
        {"tray right click", ProgramHostRules::OnTray(TrayEvent::RightUp), HostAction::TrayMenu, ""},
        {"tray menu key", ProgramHostRules::OnTray(TrayEvent::ContextMenu), HostAction::TrayMenu, ""},
        {"tray mouse move", ProgramHostRules::OnTray(TrayEvent::Other), HostAction::None, ""},
        {"our hotkey", ProgramHostRules::OnHotkey(true), HostAction::BringUpForTyping, "trace Form1.HKM1HotKeyPressed"},
        {"another hotkey", ProgramHostRules::OnHotkey(false), HostAction::None, ""},
        {"second start", ProgramHostRules::OnSecondStart(), HostAction::BringUpForTyping, "trace Form1.SecondStart"},
    };
    // Each case's trace, if any, was noted as its action was made above, in the table's order.
    int at = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.action, c.expected);
        if (*c.trace) {
            ASSERT_LT(at, static_cast<int>(run.view.calls.size()));
            EXPECT_EQ(run.view.calls[static_cast<std::size_t>(at++)], c.trace);
        }
    }
    EXPECT_EQ(static_cast<int>(run.view.calls.size()), at);
    EXPECT_TRUE(m.files.written.empty());
}

TEST_F(ProgramHostTest, OnlyAnEndingLogOnSavesAndOnlyOnce) {
    host.OnEndSession(false);
    EXPECT_TRUE(m.files.written.empty());
    host.OnEndSession(true);
    // The launcher window passes on the notice the host itself also gets.
    host.OnEndSession(true);
    EXPECT_EQ(WrittenInData(), (std::vector<std::string>{"set.set", "list2.ini", "browsers.ini"}));
}

TEST_F(ProgramHostTest, WakeUpsCheckTheHotkey) {
    struct Case {
        SystemNotice kind;
        unsigned code;
        bool checks;
    };
    const Case cases[] = {
        {SystemNotice::Power, notice::kResumeAutomatic, true},  {SystemNotice::Power, notice::kResumeSuspend, true},
        {SystemNotice::Power, notice::kResumeCritical, true},   {SystemNotice::Power, notice::kSuspend, false},
        {SystemNotice::Session, notice::kSessionUnlock, true},  {SystemNotice::Session, notice::kSessionLock, false},
        {SystemNotice::Session, notice::kConsoleConnect, true}, {SystemNotice::Session, notice::kConsoleDisconnect, false},
        {SystemNotice::Session, notice::kRemoteConnect, true},  {SystemNotice::Session, notice::kSessionLogon, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.kind)) + " " + std::to_string(c.code));
        run.view.Clear();
        host.OnSystemNotice(c.kind, c.code);
        EXPECT_EQ(run.view.Count("EnsureHotkey(" + std::to_string(kWinZ) + ")"), c.checks ? 1 : 0);
    }
}

}  // namespace
}  // namespace vtx
