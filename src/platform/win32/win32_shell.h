#pragma once
#include "platform/platform.h"

namespace vtx::win32 {

// Makes sure COM is usable on the calling thread (single-threaded apartment). Safe to call
// any number of times; a thread already in another apartment keeps it.
void EnsureComInitialised() noexcept;

// The Windows shell: ShellExecuteW, CreateProcessW, file associations and shell links.
class Win32Shell : public Shell {
public:
    void Execute(const ShellRequest& request) override;
    void WinExec(const std::string& command_line, int show) override;
    std::string DefaultBrowserPath() override;
    std::string ResolveLink(const std::string& path) override;

private:
    // ShellExecuteExW with "runas": Windows asks for an administrator's consent first.
    static void RunAsAdministrator(const ShellRequest& request);
};

// The full file-system path the shell parses text into; the text unchanged when it cannot.
[[nodiscard]] std::string NormaliseShellPath(const std::string& text);

}  // namespace vtx::win32
