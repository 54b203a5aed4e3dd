#pragma once
#include "platform/win32/windows_api.h"

#include "platform/platform.h"

namespace vtx::win32 {

// The full path of this program's executable file, empty when the system cannot say.
[[nodiscard]] std::string ExecutablePath();

// Plain text (CF_TEXT) on the clipboard. The clipboard is owned by the window given with
// set_owner, or else by a hidden message-only window made on first use.
class Win32Clipboard : public Clipboard {
public:
    Win32Clipboard() = default;
    Win32Clipboard(const Win32Clipboard&) = delete;
    Win32Clipboard& operator=(const Win32Clipboard&) = delete;
    ~Win32Clipboard() override;

    void set_owner(HWND owner) noexcept { owner_ = owner; }
    bool SetText(const std::string& text) override;
    std::string GetText() override;

private:
    bool Open();
    HWND owner_ = nullptr;
    HWND own_window_ = nullptr;
};

// Message boxes titled with the application's name, owned by the window that raised them
// (ui::ShowMessage); the launcher's when none of ours is active.
class Win32Prompts : public Prompts {
public:
    static constexpr const char* kTitle = "Vantrix";
    void set_owner(HWND owner) noexcept { owner_ = owner; }
    void Message(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    bool AskYesNoCaptioned(const std::string& caption, const std::string& text) override;

private:
    HWND owner_ = nullptr;
};

class Win32System : public System {
public:
    std::string ProgramFolder() override;
    std::string ExecutablePath() override;
    std::string SystemFolder() override;
    std::string SpecialFolder(int csidl) override;
    int WindowsVersionCode() override;
    Size WorkArea() override;
    std::string FirstParameter() override;
    FileVersion FileVersionOf(const std::string& path) override;
    std::string ExpandEnvironment(const std::string& text) override;
};

}  // namespace vtx::win32
