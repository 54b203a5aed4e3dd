#pragma once
// The launcher window's rules: typing and the selection, Enter, the window-level keys,
// the menus and the height drag. They use the program's session and open other windows
// through Dialogs; the Win32 window forwards its events here and shows what typing and
// the arrow keys return.

#include <optional>
#include <string>
#include <vector>

#include "app/app_session.h"
#include "app/dialogs.h"
#include "launcher/file_icon.h"
#include "launcher/launch.h"
#include "launcher/launcher_keys.h"
#include "launcher/launcher_menus.h"
#include "launcher/matching.h"
#include "app/result_list.h"

namespace vtx {

// One row as the window paints it, with the places to take its icon from.
struct RowDrawing {
    RowPaint paint;
    std::vector<IconCandidate> icons;
};

// What the window shows once the typed text was matched: the row selected (-1: none), Cool
// mode's four texts, and whether the keyboard goes back to the edit box (a row was found).
struct MatchShown {
    int selected = -1;
    CoolLabels labels;
    bool focus_edit = false;
};

class LauncherRules {
public:
    LauncherRules(AppSession& app, Dialogs& dialogs);
    LauncherRules(const LauncherRules&) = delete;
    LauncherRules& operator=(const LauncherRules&) = delete;

    // The result list.
    [[nodiscard]] int RowCount() const noexcept { return app_.results().size(); }
    // What a row says to a screen reader: the shortcut's name.
    [[nodiscard]] std::string RowText(int row) const { return std::string(app_.results().Name(row)); }
    [[nodiscard]] RowDrawing PaintRow(int row);
    [[nodiscard]] int ItemHeight() const noexcept { return RowHeight(app_.settings().showicons); }
    [[nodiscard]] int Selected() const noexcept { return matcher_.selected(); }
    // The list was refilled from the catalogue: nothing is selected any more.
    void ListRefilled() noexcept { matcher_.Clear(); }

    // Typing and moving the selection; the window shows what they return.
    MatchShown Edit2Change(const std::string& text);
    int MoveUp();    // the row selected now
    int MoveDown();  // the row selected now
    void SelectRow(int row);

    // Enter released in the edit box (Ctrl held: copy the address; Ctrl+Shift: run as
    // administrator), in the list (Ctrl+Shift: as administrator), or a double-click.
    void EditEnter(const std::string& text, bool ctrl, bool shift = false);
    void ListEnter(bool elevated = false);

    // Every key pressed while the window is active, before the focused control. Carries out
    // what the rules own and tells the window what is left for it; nullopt: not consumed.
    [[nodiscard]] std::optional<WindowAction> FormKeyDown(int vk, bool ctrl, bool shift, bool alt);

    // A menu command; returns what the window must do itself.
    [[nodiscard]] WindowAction RunCommand(Command command);
    [[nodiscard]] std::vector<MenuEntry> ListMenuFor(int row) const;

    // The bottom strip was released at a screen row; returns the new window height.
    [[nodiscard]] int DragHeight(int pointer_screen_y, int window_top);

    [[nodiscard]] AppSession& app() noexcept { return app_; }
    [[nodiscard]] Dialogs& dialogs() noexcept { return dialogs_; }

private:
    void Go(bool elevated = false);
    [[nodiscard]] bool OpenContainingFolderAvailable(int row) const;

    AppSession& app_;
    Dialogs& dialogs_;
    Matcher matcher_;
    Launcher launcher_;
    std::string edit_text_;
};

}  // namespace vtx
