#pragma once
// The rule that only one copy of the program runs.

#include "platform/win32/windows_api.h"

#include <string>
#include <string_view>

#include "platform/win32/handles.h"

namespace vtx::win32 {

// A named 8-byte shared record: the first instance's application window handle (low 32 bits)
// and the count of running instances (signed 32 bits). A named mutex guards its
// read-modify-write so two copies starting together cannot both count themselves first.
class SingleInstance {
public:
    static constexpr int kMaxInstances = 1;
    static constexpr const char* kGuardName = "OVVantrixInstanceGuard";

    // The record named after this executable's full path.
    SingleInstance();
    // The record under a given name (tests use their own).
    explicit SingleInstance(std::string record_name, std::string guard_name = kGuardName);
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;
    // A counted instance takes itself off the count.
    ~SingleInstance();

    // Counts this instance in and remembers app_window when there is room, returning true.
    // Otherwise returns false: this copy must end without showing anything; first_window()
    // is then the running instance's application window.
    [[nodiscard]] bool Claim(HWND app_window);
    [[nodiscard]] bool counted() const noexcept { return counted_; }
    [[nodiscard]] HWND first_window() const noexcept { return first_; }

    // The message a second start sends the running instance's application window: bring the
    // launcher up for typing, as the hotkey does. The application window passes it on to
    // the launcher window, which acts on it.
    [[nodiscard]] static UINT SummonMessage() noexcept;
    // A second copy, started by the user: lets the running instance take the foreground and
    // asks it to bring its launcher up. Nothing is shown by this copy.
    void SummonFirst() const noexcept;

    // The record name for an executable path: every "\" and every blank removed.
    [[nodiscard]] static std::string RecordNameFor(std::string_view exe_path);

private:
    std::string name_;
    std::string guard_name_;
    UniqueHandleH mapping_;
    bool counted_ = false;
    HWND first_ = nullptr;
};

// The mutex "OVVantrix", created (not owned) and held for the life of the process.
class ProgramMutex {
public:
    static constexpr const wchar_t* kName = L"OVVantrix";
    ProgramMutex() noexcept : handle_(CreateMutexW(nullptr, FALSE, kName)) {}
    [[nodiscard]] bool held() const noexcept { return static_cast<bool>(handle_); }

private:
    UniqueHandleH handle_;
};

}  // namespace vtx::win32
