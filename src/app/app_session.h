#pragma once
// What the whole program owns for the run: the catalogue and the result list filled from
// it, the settings, the reference lists, the browser list, the hotkey and the theme lines.
// It performs start-up, shutdown and the end of the log-on in their fixed order. Every
// window's rules take it by reference; it knows the launcher window only as a MainView,
// the program around it as a ProgramPort, and never calls any other window's rules.

#include <optional>
#include <string>

#include "app/folders.h"
#include "app/hotkey.h"
#include "app/main_view.h"
#include "app/program_port.h"
#include "app/settings.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_store.h"
#include "catalogue/reference_lists.h"
#include "app/result_list.h"
#include "platform/platform.h"
#include "themes/theme_apply.h"

namespace vtx {

inline constexpr std::string_view kSettingsUnreadableMessage =
    "The settings file could not be read; it will not be overwritten when Vantrix ends.";

class AppSession {
public:
    explicit AppSession(Platform& platform);
    AppSession(const AppSession&) = delete;
    AppSession& operator=(const AppSession&) = delete;

    // Start-up proper, in its fixed order. The views and the program must outlive the session.
    void FormCreate(MainView& view, LayoutView& layout_view, ProgramPort& program);
    // What start-up leaves for its first idle moment, once the program is ready: the
    // catalogue's backup.
    void FinishStartup();
    // "E&xit": settings, catalogue, then three reference lists.
    void FormClose();
    // The log-on ends: settings, catalogue and browser list; nothing closes.
    void EndSession();
    // Whether the window shows when the message loop starts.
    [[nodiscard]] bool ShowAtStart() const noexcept { return show_at_start_; }

    // Sorts the catalogue and refills the result list from it; positions change here.
    void FillMainListBox();
    // Writes set.set now (not when it exists but could not be read); false when not written.
    bool SaveSettingsNow();

    // The global hotkey: every registration is dropped, then `value` is registered. The
    // setting and its text form follow whether the system took it or not.
    bool ReplaceHotkey(int value);
    [[nodiscard]] const std::string& hotkey_text() const noexcept { return hotkey_text_; }
    // The computer woke from sleep, the session was unlocked or connected again: the hotkey's
    // registration is checked and made again when lost. A hotkey that cannot be had is
    // reported once (a balloon), not at every wake-up, until it has worked again.
    void CheckHotkey();

    // The launcher window's opacity as it stands now (previews included).
    [[nodiscard]] int window_opacity() const noexcept { return window_opacity_; }
    void SetWindowOpacity(int alpha);
    // Result list rows: 18 pixels high with icons, 16 without.
    void SetShowIcons(bool on);
    void ApplyStayOnTop();

    // Layouts.
    void ToggleCoolMode();
    // The current layout entered again, so that a newly chosen theme reaches the window.
    void ReenterLayout();
    void ResetAppearance();
    // The normal layout's window height, kept for the next start.
    void SetNormalHeight(int height);

    // Pages the shell opens.
    void OpenHelpPage(const std::string& page);
    void OpenWebPage(const std::string& address);

    [[nodiscard]] Platform& platform() noexcept { return p_; }
    [[nodiscard]] const Folders& folders() const noexcept { return folders_; }
    [[nodiscard]] Catalogue& catalogue() noexcept { return catalogue_; }
    [[nodiscard]] const Catalogue& catalogue() const noexcept { return catalogue_; }
    [[nodiscard]] const ResultList& results() const noexcept { return results_; }
    [[nodiscard]] Settings& settings() noexcept { return settings_; }
    [[nodiscard]] const Settings& settings() const noexcept { return settings_; }
    [[nodiscard]] ReferenceLists& lists() noexcept { return lists_; }
    [[nodiscard]] const ReferenceLists& lists() const noexcept { return lists_; }
    [[nodiscard]] HotkeyText& hotkeys() noexcept { return hotkeys_; }
    // Empty until start-up has a window to lay out.
    [[nodiscard]] std::optional<LayoutState>& layout() noexcept { return layout_; }
    [[nodiscard]] const std::optional<LayoutState>& layout() const noexcept { return layout_; }
    [[nodiscard]] MainView* view() noexcept { return view_; }
    [[nodiscard]] ProgramPort* program() noexcept { return program_; }

private:
    void RunFirstRunActions();
    // The balloon for a hotkey the system refused, once for each refusal.
    void ReportHotkey(bool registered);
    void SyncSettingsFromLayout();

    Platform& p_;
    Folders folders_;
    MainView* view_ = nullptr;
    ProgramPort* program_ = nullptr;

    Catalogue catalogue_;
    CatalogueStore store_;
    ResultList results_;
    ReferenceLists lists_;

    Settings settings_;
    Lines settings_list_;
    HotkeyText hotkeys_;
    std::string hotkey_text_;
    int refused_hotkey_told_ = 0;  // the value whose refusal the user has been told of
    std::optional<LayoutState> layout_;
    int window_opacity_ = 255;

    bool show_at_start_ = false;
    bool protect_settings_ = false;  // set.set exists but could not be read
};

}  // namespace vtx
