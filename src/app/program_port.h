#pragma once
// What the program's start-up and settings ask of the program as a whole, rather than of
// the launcher window: the application window's task-bar button, the tray icon's balloon,
// the global hotkey and the program mutex. The program host implements it; host tests
// record the calls.

#include <string>

namespace vtx {

class ProgramPort {
public:
    virtual ~ProgramPort() = default;

    // No task-bar button for the program.
    virtual void HideTaskbarButton() = 0;
    // The tray icon's balloon notification with the information icon.
    virtual void ShowBalloon(const std::string& title, const std::string& text, int seconds) = 0;
    // Registers the global hotkey; false when the system refuses it.
    virtual bool RegisterHotkey(int value) = 0;
    // Drops every hotkey the program holds, then registers `value`; false when refused.
    virtual bool ReplaceHotkey(int value) = 0;
    // Checks that `value` is still registered and makes the registration again when the
    // system dropped it; false when it cannot be had.
    virtual bool EnsureHotkey(int value) = 0;
    // The named mutex that tells installers the program runs, held until it ends.
    virtual void CreateProgramMutex() = 0;
};

}  // namespace vtx
