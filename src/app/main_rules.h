#pragma once
// The rules of the launcher window: it owns the catalogue, the settings, the reference
// lists and the theme for the whole run, performs start-up and shutdown in their order,
// and turns every key, click and menu choice into the operations behind it. The Win32
// window forwards its events here and carries out what the rules ask of MainView.

#include <optional>
#include <string>
#include <vector>

#include "app/folders.h"
#include "app/hotkey.h"
#include "app/main_view.h"
#include "app/settings.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_store.h"
#include "catalogue/reference_lists.h"
#include "launcher/file_icon.h"
#include "launcher/launch.h"
#include "launcher/launcher_keys.h"
#include "launcher/matching.h"
#include "launcher/result_list.h"
#include "platform/platform.h"
#include "themes/theme_apply.h"

namespace vtx {

inline constexpr std::string_view kSettingsUnreadableMessage =
    "The settings file could not be read; it will not be overwritten when Vantrix ends.";

// One row as the window paints it, with the places to take its icon from.
struct RowDrawing {
    RowPaint paint;
    std::vector<IconCandidate> icons;
};

class MainRules {
public:
    explicit MainRules(Platform& platform);
    MainRules(const MainRules&) = delete;
    MainRules& operator=(const MainRules&) = delete;

    // Start-up proper, in its fixed order. The views must outlive the rules.
    void FormCreate(MainView& view, LayoutView& layout_view);
    // "E&xit": settings, catalogue, then three reference lists.
    void FormClose();
    // The log-on ends: settings, catalogue and browser list; nothing closes.
    void EndSession();
    // Whether the window shows when the message loop starts.
    [[nodiscard]] bool ShowAtStart() const noexcept { return show_at_start_; }

    // The result list.
    [[nodiscard]] int RowCount() const noexcept { return results_.size(); }
    [[nodiscard]] RowDrawing PaintRow(int row);
    [[nodiscard]] int ItemHeight() const noexcept { return RowHeight(settings_.showicons); }
    [[nodiscard]] int Selected() const noexcept { return matcher_.selected(); }

    // Typing and moving the selection.
    void Edit2Change(const std::string& text);
    void MoveUp();
    void MoveDown();
    void SelectRow(int row);

    // Enter released in the edit box (Ctrl held: copy the address), in the list, or a double-click.
    void EditEnter(const std::string& text, bool ctrl);
    void ListEnter();
    // Window-level keys, seen before the focused control.
    [[nodiscard]] KeyAction FormKeyDown(int vk, bool ctrl, bool shift, bool alt);
    void HKM1HotKeyPressed();

    // Menus.
    void OpenSelected();
    void CopyAddress();
    void OpenContainingFolder();
    [[nodiscard]] bool OpenContainingFolderAvailable(int row) const;
    void OpenHelpPage(const std::string& page);
    void OpenWebPage(const std::string& address);

    // Layouts.
    void ToggleCoolMode();
    void ResetAppearance();
    // The bottom strip was released at a screen row; returns the new window height.
    [[nodiscard]] int DragHeight(int pointer_screen_y, int window_top);

    // What start-up and the tests look at.
    [[nodiscard]] const Settings& settings() const noexcept { return settings_; }
    [[nodiscard]] const ReferenceLists& lists() const noexcept { return lists_; }
    // Empty until start-up has a window to lay out.
    [[nodiscard]] const std::optional<LayoutState>& layout() const noexcept { return layout_; }
    [[nodiscard]] const std::string& hotkey_text() const noexcept { return hotkey_text_; }

private:
    void FillMainListBox();
    void RunFirstRunActions();
    void Go();
    void ShowMatch(bool selected);
    void SyncSettingsFromLayout();
    bool SaveSettingsNow();

    Platform& p_;
    Folders folders_;
    MainView* view_ = nullptr;

    Catalogue catalogue_;
    CatalogueStore store_;
    ResultList results_;
    Matcher matcher_;
    Launcher launcher_;
    ReferenceLists lists_;

    Settings settings_;
    Lines settings_list_;
    HotkeyText hotkeys_;
    std::string hotkey_text_;
    std::optional<LayoutState> layout_;

    std::string edit_text_;
    bool show_at_start_ = false;
    bool protect_settings_ = false;  // set.set exists but could not be read
};

}  // namespace vtx
