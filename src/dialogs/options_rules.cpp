#include "dialogs/options_rules.h"

#include <algorithm>
#include <cctype>

#include "app/hotkey.h"
#include "app/startup_entry.h"
#include "platform/trace.h"
#include "themes/theme_file.h"

namespace vtx {
namespace {

bool EndsWithTh2(std::string_view name) {
    if (name.size() < 4) return false;
    std::string tail(name.substr(name.size() - 4));
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tail == ".th2";
}

}  // namespace

int HotkeyOf(const OptionsForm& f) noexcept {
    if ((f.key & kKeyMask) == 0) return 0;
    return (f.key & kKeyMask) | (f.ctrl ? kCtrl : 0) | (f.shift ? kShift : 0) | (f.alt ? kAlt : 0) | (f.win ? kWin : 0);
}

std::vector<std::string> OptionsRules::ThemeFiles() {
    Platform& p = app_.platform();
    std::vector<std::string> names;
    for (const FolderEntry& e : p.files.ListFolder(app_.folders().program + "themes")) {
        if (!e.is_folder && EndsWithTh2(e.name)) names.push_back(e.name);
    }
    std::stable_sort(names.begin(), names.end(),
                     [&](const std::string& a, const std::string& b) { return p.text.CompareNoCase(a, b) < 0; });
    return names;
}

OptionsForm OptionsRules::FormShow(OptionsForm form) {
    Trace("Form3.FormShow");
    remembered_opacity_ = app_.window_opacity();
    const Settings& s = app_.settings();
    form.ctrl = (s.hotkey & kCtrl) != 0;
    form.shift = (s.hotkey & kShift) != 0;
    form.alt = (s.hotkey & kAlt) != 0;
    form.win = (s.hotkey & kWin) != 0;
    form.key = s.hotkey & kKeyMask;
    form.slider = s.opacity > 49 ? s.opacity : kMaxSlider;
    form.stayontop = s.stayontop;
    form.startonstartup = s.startonstartup;
    form.hae = s.hae;
    form.quickadd = s.quickadd;
    form.showprogram = s.showprogram;
    form.showicons = s.showicons;
    form.udnavlist = s.udnavlist;
    return form;
}

void OptionsRules::SliderChange(int value) { app_.SetWindowOpacity(std::clamp(value, kMinSlider, kMaxSlider)); }

std::optional<ThemeInfo> OptionsRules::ThemeSelected(const std::string& file) {
    Trace("Form3.ThemeListClick");
    auto& layout = app_.layout();
    if (file.empty() || !layout || !IsBareFileName(file)) return std::nullopt;
    if (!app_.platform().files.FileExists(app_.folders().program + "themes\\" + file)) return std::nullopt;
    layout->set_theme_name(file);
    app_.ReenterLayout();
    const Lines& theme = layout->current_theme();
    return ThemeInfo{ValueOf(theme, "title"), ValueOf(theme, "author"), ValueOf(theme, "notes")};
}

void OptionsRules::ToggleSkinnable() { app_.ToggleCoolMode(); }

bool OptionsRules::ToggleIcons() {
    // The same key turns them on again: "Show Icons" is not shown, so nothing else could.
    const bool on = !app_.settings().showicons;
    app_.SetShowIcons(on);
    return on;
}

bool OptionsRules::ThemeEditorKey(const std::string& selected) {
    Platform& p = app_.platform();
    p.prompts.Message(std::string(kThemeEditorWarning));
    return !selected.empty() && IsBareFileName(selected) &&
           p.files.FileExists(app_.folders().program + "themes\\" + selected);
}

void OptionsRules::OKBTNClick(const OptionsForm& form) {
    Trace("Form3.OKBTNClick");
    Platform& p = app_.platform();
    Settings& s = app_.settings();
    // 1 to 3. The hotkey. An empty key field would leave the user without a way in.
    const int hotkey = HotkeyOf(form);
    if (hotkey == 0) {
        const std::string old = app_.hotkey_text().empty() ? std::string("unchanged") : app_.hotkey_text();
        p.prompts.Message("No key was chosen for the global hotkey, so it stays " + old + ".");
    } else if (!app_.ReplaceHotkey(hotkey)) {
        p.prompts.Message(std::string(kHotkeyRefused));
    }
    // 4. Opacity.
    const int opacity = std::clamp(form.slider, kMinSlider, kMaxSlider);
    s.opacity = opacity;
    app_.SetWindowOpacity(opacity);
    // 5. The theme chosen in the list.
    if (!form.theme.empty() && IsBareFileName(form.theme) && app_.layout()) {
        app_.layout()->set_theme_name(form.theme);
        s.theme = form.theme;
    }
    // 6. Starting with Windows; version code 8 leaves the entry alone.
    if (p.system.WindowsVersionCode() != 8) {
        s.startonstartup = form.startonstartup;
        if (form.startonstartup) {
            AddToStartup(p.registry, p.system.ExecutablePath());
        } else {
            RemoveFromStartup(p.registry);
        }
    }
    // 7, 8. The flags and the row height.
    s.hae = form.hae;
    s.stayontop = form.stayontop;
    s.quickadd = form.quickadd;
    s.udnavlist = form.udnavlist;
    s.showprogram = form.showprogram;
    app_.SetShowIcons(form.showicons);
    // 9, 10.
    app_.ApplyStayOnTop();
    app_.SaveSettingsNow();
}

void OptionsRules::CancelBTNClick() {
    Trace("Form3.CancelBTNClick");
    app_.SetWindowOpacity(remembered_opacity_);
}

void OptionsRules::HelpBTNClick() { app_.OpenHelpPage("options.htm"); }

std::string OptionsRules::KeyName(int vk) {
    if ((vk & kKeyMask) == 0) return {};
    return app_.hotkeys().FormatHotkey(vk & kKeyMask);
}

}  // namespace vtx
