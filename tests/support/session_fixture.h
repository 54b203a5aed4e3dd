#pragma once
// One computer and one run of the program on it, for the host tests of the session and of
// the launcher's rules: the fake platform, the recording view, the rules it drives.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/app_session.h"
#include "fake_dialogs.h"
#include "fake_platform.h"
#include "launcher/launcher_rules.h"
#include "platform/ascii.h"
#include "platform/trace.h"
#include "recording_view.h"

namespace vtx::fake {

inline const std::string kProgram = "C:\\Program Files\\Vantrix\\";
inline const std::string kData = "C:\\Users\\tester\\AppData\\Roaming\\Orvane\\VTX\\";
inline const std::string kExe = kProgram + "vantrix.exe";
inline const std::string kFirefox = "C:\\Program Files\\Mozilla Firefox\\firefox.exe";
inline constexpr int kWinZ = 65536 + 'Z';
inline const ShellRequest kCalc{"open", "calc", std::nullopt, std::nullopt, 1};

// FakeFiles that also keeps the order in which files were written.
class LoggedFiles : public fake::FakeFiles {
public:
    std::vector<std::string> written;
    bool WriteFileAtomic(const std::string& path, std::string_view bytes) override {
        const bool ok = FakeFiles::WriteFileAtomic(path, bytes);
        if (ok) written.push_back(path);
        return ok;
    }
};

// One computer: every run of the program on it sees the same files and registry.
struct Machine {
    LoggedFiles files;
    fake::FakeShell shell;
    fake::FakeRegistry registry;
    fake::FakeClipboard clipboard;
    fake::FakePrompts prompts;
    fake::FakeText text;
    fake::FakeKeys keys;
    fake::FakeSystem system;
    Platform platform{files, shell, registry, clipboard, prompts, text, keys, system};
};

// One run of the program: the rules and the window they drive.
struct Session {
    explicit Session(Machine& m) : app(m.platform), rules(app, dialogs) { view.Attach(&rules); }
    void Start() { app.FormCreate(view, view, view); }
    fake::RecordingView view;
    fake::FakeDialogs dialogs;
    AppSession app;
    LauncherRules rules;
};

inline bool HasLine(const Lines& lines, std::string_view line) {
    for (const auto& l : lines)
        if (l == line) return true;
    return false;
}

// `expected` appears in `calls` in this order, each entry matched as a prefix of a call.
inline ::testing::AssertionResult InOrder(const fake::RecordingView& view, const std::vector<std::string>& expected) {
    int at = 0;
    for (const auto& e : expected) {
        const int found = view.IndexOf(e, at);
        if (found < 0) {
            std::string all;
            for (const auto& c : view.calls) all += "\n  " + c;
            return ::testing::AssertionFailure() << "\"" << e << "\" not found in order; calls:" << all;
        }
        at = found + 1;
    }
    return ::testing::AssertionSuccess();
}

class SessionTest : public ::testing::Test {
protected:
    ~SessionTest() override { SetTraceSink(nullptr); }

    void PutSettings(const Lines& lines) {
        m.files.PutFolder(kData);
        m.files.Put(kData + "set.set", JoinLines(lines));
    }
    [[nodiscard]] Lines Saved() const { return SplitLines(m.files.Get(kData + "set.set")); }
    // File names (folder cut off) written since the log was last cleared; every one must be in the Data folder.
    [[nodiscard]] std::vector<std::string> WrittenInData() const {
        std::vector<std::string> names;
        for (const auto& path : m.files.written) {
            EXPECT_TRUE(StartsWith(path, kData)) << path;
            names.push_back(path.substr(path.rfind('\\') + 1));
        }
        return names;
    }
    // Watches the trace hook through the view's call log, so both land in one order.
    void TraceInto(fake::RecordingView& view) {
        SetTraceSink([&view](std::string_view label, int) { view.Note("trace " + std::string(label)); });
    }

    Machine m;
};

}  // namespace vtx::fake
