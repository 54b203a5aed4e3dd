#include "app/app_session.h"

#include "app/shell_pages.h"
#include "app/startup_entry.h"
#include "catalogue/web_addresses.h"
#include "platform/ascii.h"
#include "platform/trace.h"
#include "themes/theme_file.h"

namespace vtx {
namespace {

// The shortcut manager is a fixed 793 pixels wide and at least 584 high; until the user
// moves it, it stands centred in the work area.
constexpr int kManagerWidth = 793;
constexpr int kManagerHeight = 584;

}  // namespace

AppSession::AppSession(Platform& platform)
    : p_(platform),
      folders_(ResolveFolders(platform.system)),
      store_(platform, folders_.data, folders_.program),
      hotkeys_(platform.keys) {}

// ---------------------------------------------------------------- start-up and shutdown

void AppSession::FormCreate(MainView& view, LayoutView& layout_view, ProgramPort& program) {
    view_ = &view;
    program_ = &program;
    Trace("Form1.FormCreate");

    // 1. No task-bar button.
    program.HideTaskbarButton();
    // 2. The Data folder; failures show up later as failed saves.
    CreateDataFolder(p_.files, folders_);
    // 3. The reference lists.
    LoadSTRLs(lists_, p_, folders_.data, folders_.program);
    GetWidgetsList();
    // 4. The catalogue, and the result list filled from it.
    (void)store_.LoadCatalogue(catalogue_);
    FillMainListBox();
    // 5, 6. The theme folders and the default theme's files.
    p_.files.CreateFolder(folders_.program + "themes");
    p_.files.CreateFolder(folders_.program + "themes\\Default Theme");
    if (!CheckDefaultThemeFiles(p_.files, folders_.program)) {
        p_.prompts.Message("Cannot create the default theme files in \"" + folders_.program + "themes\\\".");
    }
    // 7. The settings file; with none at all the program starts with Windows from now on.
    bool found = false;
    settings_list_ = ReadSettingsFile(p_, folders_.data, folders_.program, found, &protect_settings_);
    if (!found) settings_.startonstartup = true;
    // A settings file that is there but cannot be read is the user's; it is not replaced by defaults.
    if (protect_settings_) p_.prompts.Message(std::string(kSettingsUnreadableMessage));
    // 8. LoadSettings, applied in its order.
    LoadSettingsContext ctx;
    ctx.windows_version_code = p_.system.WindowsVersionCode();
    ctx.first_parameter = p_.system.FirstParameter();
    ctx.work_area = p_.system.WorkArea();
    ctx.program_folder = folders_.program;
    ctx.settings_unreadable = protect_settings_;
    ctx.theme_exists = [this](const std::string& name) {
        return p_.files.FileExists(folders_.program + "themes\\" + name);
    };
    const LoadedSettings loaded = LoadSettings(settings_list_, settings_, hotkeys_, ctx);
    window_opacity_ = loaded.window_opacity;
    view.SetOpacity(loaded.window_opacity);
    show_at_start_ = loaded.show_at_start;
    view.SetItemHeight(loaded.item_height);
    if (loaded.startup_entry == StartupEntry::Add) AddToStartup(p_.registry, p_.system.ExecutablePath());
    if (loaded.startup_entry == StartupEntry::Remove) RemoveFromStartup(p_.registry);
    view.SetWindowFrame(loaded.window_frame);
    view.SetPosition(loaded.window_left, loaded.window_top);
    layout_.emplace(p_.files, folders_.program, layout_view);
    layout_->set_normal_width(loaded.window_width);
    layout_->set_normal_height(loaded.window_height);
    layout_->set_theme_name(settings_.theme);
    // The manager's place until its window remembers one.
    const Size wa = ctx.work_area;
    int f2 = 0;
    settings_.f2top =
        ParseInt(ValueOf(settings_list_, "f2Top"), f2) ? ClampPosition(f2) : wa.height / 2 - kManagerHeight / 2;
    settings_.f2left =
        ParseInt(ValueOf(settings_list_, "f2Left"), f2) ? ClampPosition(f2) : wa.width / 2 - kManagerWidth / 2;
    settings_.f2height = kManagerHeight;
    settings_.f2width = kManagerWidth;
    if (loaded.first_run) RunFirstRunActions();
    if (loaded.cool_mode) {
        layout_->EnterCoolMode();
    } else {
        layout_->EnterNormalMode();
    }
    SyncSettingsFromLayout();
    view.KeepOnScreen(loaded.position_saved);  // needs the laid-out size
    // 9. The global hotkey. A refused one would leave a new user without a way in, so say so.
    hotkey_text_ = hotkeys_.FormatHotkey(settings_.hotkey);
    ReportHotkey(program.RegisterHotkey(settings_.hotkey));
    // 10 to 13.
    view.ShowLabels(CoolLabels{});
    view.ApplyStayOnTop(settings_.stayontop);
    view.AcceptDroppedFiles();
    program.CreateProgramMutex();
}

void AppSession::FinishStartup() { store_.TakeBackup(); }

void AppSession::ReportHotkey(bool registered) {
    if (registered) {
        refused_hotkey_told_ = 0;  // a later loss is news again
        return;
    }
    if (refused_hotkey_told_ == settings_.hotkey || !program_) return;
    refused_hotkey_told_ = settings_.hotkey;
    Trace("Form1.HotkeyRefused", 0);
    const std::string name = hotkey_text_.empty() ? std::string("The hotkey") : hotkey_text_;
    program_->ShowBalloon("Hotkey not available",
                       name + " is taken by Windows or another program. Choose another one in Settings: F3 in the "
                              "launcher, or the tray icon's menu.",
                       10);
}

void AppSession::CheckHotkey() {
    Trace("Form1.CheckHotkey", 0);
    if (!program_ || settings_.hotkey == 0) return;
    ReportHotkey(program_->EnsureHotkey(settings_.hotkey));
}

void AppSession::RunFirstRunActions() {
    Trace("Form1.FirstRun", 0);
    const std::string guide = folders_.program + "qsg.exe";
    if (p_.files.FileExists(guide)) p_.shell.Execute({"open", guide, "", "", 5});
    // Only a browser that was found replaces the list: an empty entry would help nobody.
    const std::string browser = p_.shell.DefaultBrowserPath();
    if (!browser.empty()) {
        SetDefaultBrowser(lists_.browsers, browser);
        // Written now: otherwise only Define Browsers' OK or the end of the log-on would keep it,
        // and a user who never opens that dialog would find the list empty at the next start.
        SaveBrowserList(lists_, p_, folders_.data);
    }
    program_->ShowBalloon("Ready to go!", "Click its tray icon to open VTX!", 10);
    // Starting with Windows from now on: LoadSettings has turned it on already.
}

void AppSession::SyncSettingsFromLayout() {
    if (!layout_) return;
    settings_.coolmode = layout_->cool_mode();
    settings_.theme = layout_->theme_name();
    settings_.height = layout_->normal_height();
    settings_.width = layout_->normal_width();
}

bool AppSession::SaveSettingsNow() {
    if (protect_settings_) return false;
    SyncSettingsFromLayout();
    if (view_) {
        const auto pos = view_->GetPosition();
        settings_.left = pos.left;
        settings_.top = pos.top;
    }
    return SaveSettings(settings_, settings_list_, hotkeys_, p_, folders_.data);
}

void AppSession::FormClose() {
    Trace("Form1.FormClose");
    SaveSettingsNow();
    store_.SaveShortcutList(catalogue_);
    SaveShutdownLists(lists_, p_, folders_.data);
}

void AppSession::EndSession() {
    Trace("Form1.EndSession", 0);
    SaveSettingsNow();
    store_.SaveShortcutList(catalogue_);
    SaveBrowserList(lists_, p_, folders_.data);
}

// ---------------------------------------------------------------- the result list

void AppSession::FillMainListBox() {
    vtx::FillMainListBox(catalogue_, p_.text, results_);
    if (view_) view_->RefillResultList(results_.size());
}

// ---------------------------------------------------------------- what the options change

bool AppSession::ReplaceHotkey(int value) {
    settings_.hotkey = value;
    hotkey_text_ = hotkeys_.FormatHotkey(value);
    const bool registered = program_ && program_->ReplaceHotkey(value);
    // A refusal here is told by the Settings dialog itself; a wake-up need not tell it again.
    refused_hotkey_told_ = registered ? 0 : value;
    return registered;
}

void AppSession::SetWindowOpacity(int alpha) {
    window_opacity_ = alpha;
    if (view_) view_->SetOpacity(alpha);
}

void AppSession::SetShowIcons(bool on) {
    settings_.showicons = on;
    if (view_) view_->SetItemHeight(RowHeight(on));
}

void AppSession::ApplyStayOnTop() {
    if (view_) view_->ApplyStayOnTop(settings_.stayontop);
}

void AppSession::OpenHelpPage(const std::string& page) { p_.shell.Execute(HelpPageRequest(folders_.program, page)); }

void AppSession::OpenWebPage(const std::string& address) { p_.shell.Execute(WebPageRequest(address)); }

// ---------------------------------------------------------------- layouts

void AppSession::ToggleCoolMode() {
    if (!layout_) return;
    layout_->ToggleCoolMode();
    SyncSettingsFromLayout();
}

void AppSession::ReenterLayout() {
    if (!layout_) return;
    if (layout_->cool_mode()) {
        layout_->EnterCoolMode();
    } else {
        layout_->EnterNormalMode();
    }
    SyncSettingsFromLayout();
}

void AppSession::ResetAppearance() {
    if (!layout_) return;
    // A reset stopped by the theme never reached its opacity step: the setting stays.
    if (layout_->ResetAppearance()) {
        settings_.opacity = layout_->opacity();
        window_opacity_ = layout_->opacity();
    }
    SyncSettingsFromLayout();
}

void AppSession::SetNormalHeight(int height) {
    if (layout_) layout_->set_normal_height(height);
    settings_.height = height;
}

}  // namespace vtx
