#pragma once
// The rules of the Settings dialog: what it shows at every opening, the opacity preview,
// the theme list with its immediate apply, and the steps of "OK" and "Cancel".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_session.h"

namespace vtx {

inline constexpr std::string_view kHotkeyRefused = "Cannot assign this hotkey, please select another.";
inline constexpr std::string_view kThemeEditorWarning =
    "Theme editor is NOT supported in this version.\r\nUse it at your own risk!";
inline constexpr int kMinSlider = 50;
inline constexpr int kMaxSlider = 255;

// The values of the dialog's controls.
struct OptionsForm {
    // "Global Hotkey": the four modifier boxes and the key field (a virtual-key code, 0: empty).
    bool win = false, ctrl = false, alt = false, shift = false;
    int key = 0;
    int slider = kMaxSlider;
    // "General", in the order of the page.
    bool stayontop = false, startonstartup = false, hae = false, quickadd = false, showprogram = false;
    bool showicons = false, udnavlist = false;
    // The theme list's selected file name; empty when nothing is selected.
    std::string theme;
    bool operator==(const OptionsForm&) const = default;
};

struct ThemeInfo {
    std::string title, author, notes;
    bool operator==(const ThemeInfo&) const = default;
};

class OptionsRules {
public:
    explicit OptionsRules(AppSession& app) noexcept : app_(app) {}

    // Every "*.th2" file of the themes folder, by name, sorted without regard to case.
    [[nodiscard]] std::vector<std::string> ThemeFiles();
    // On every showing: remembers the window's opacity and fills the controls from the
    // settings. The theme selection is the window's and is left as it was.
    [[nodiscard]] OptionsForm FormShow(OptionsForm current);

    // The slider moved: the launcher takes its value at once.
    void SliderChange(int value);
    // A theme was selected in the list: applied at once. Nothing when its file is gone.
    [[nodiscard]] std::optional<ThemeInfo> ThemeSelected(const std::string& file);
    void ToggleSkinnable();
    // Ctrl+F9: the icon rows are switched off, or on again when they are off, at once; the
    // window sets "Show Icons" to the result, which it returns.
    [[nodiscard]] bool ToggleIcons();
    // Ctrl+F11 on the theme list: the warning, then whether the editor may open the theme.
    [[nodiscard]] bool ThemeEditorKey(const std::string& selected);

    // "OK": hotkey, opacity, theme, start-up entry, flags, row height, stay-on-top, then
    // the settings file. The window closes afterwards.
    void OKBTNClick(const OptionsForm& form);
    // "Cancel" and Escape: only the opacity preview is undone.
    void CancelBTNClick();
    void HelpBTNClick();

    // The key field's text for a virtual-key code.
    [[nodiscard]] std::string KeyName(int vk);
    [[nodiscard]] int remembered_opacity() const noexcept { return remembered_opacity_; }

private:
    AppSession& app_;
    int remembered_opacity_ = 255;
};

// The hotkey value of the dialog's modifier boxes and key; 0 when the key field is empty.
[[nodiscard]] int HotkeyOf(const OptionsForm& form) noexcept;

}  // namespace vtx
