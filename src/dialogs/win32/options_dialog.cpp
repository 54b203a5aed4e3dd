#include "dialogs/win32/options_dialog.h"

#include <commctrl.h>

#include "platform/win32/ui/list_strings.h"
#include "platform/win32/ui/subclass.h"
#include "platform/win32/ui/top_most.h"

namespace vtx {
namespace {

enum : int {
    kTabs = 100, kGeneralText, kGeneralGroup, kStayOnTop, kStartWithWindows, kHideAfter, kQuickAdd, kShowMain,
    kShowIcons, kUpDown,
    kHotkeyText, kHotkeyGroup, kHotkeyHelp, kWinBox, kCtrlBox, kAltBox, kShiftBox, kKeyField, kTipsText, kDot1, kTip1, kDot2, kTip2,
    kAppearanceText, kThemeGroup, kThemeHelp, kThemeList, kInfoText, kTitleText, kTitleValue, kAuthorText,
    kAuthorValue, kNotesText, kNotesValue, kToggleLink, kOpacityGroup, kMinText, kSlider, kMaxText, kSliderValue,
    kHelp,
};

using ui::Kind;
constexpr DWORD kWrap = SS_LEFT;
constexpr DWORD kNoWrap = SS_LEFTNOWORDWRAP | SS_ENDELLIPSIS;

// In tab order: every field follows the text that labels it. The page tabs come last, so
// that they lie beneath the pages' controls.
constexpr ui::Control kTable[] = {
    // General
    {kGeneralText, Kind::Label, "General settings can be changed from here.", {20, 40, 390, 16}, 1},
    {kGeneralGroup, Kind::Group, "Genaral Settings", {20, 62, 395, 160}, 1},
    {kStayOnTop, Kind::Check, "Stay on top of other windows", {34, 84, 360, 20}, 1},
    {kStartWithWindows, Kind::Check, "Start when Windows starts", {34, 108, 360, 20}, 1},
    {kHideAfter, Kind::Check, "Hide after a command executed", {34, 132, 360, 20}, 1},
    {kQuickAdd, Kind::Check, "Enable Quick Add", {34, 156, 360, 20}, 1},
    {kShowMain, Kind::Check, "Show main window when VTX starts", {34, 180, 360, 20}, 1},
    {kShowIcons, Kind::Check, "Show Icons", {34, 204, 360, 20}, 1, 0, true},
    {kUpDown, Kind::Check, "Use Up/Down keys to browse the list", {34, 228, 360, 20}, 1, WS_DISABLED, true},
    // Global Hotkey
    {kHotkeyText, Kind::Label, "Global Hotkey is the key combination that is used to bring OV VTX to front.",
     {20, 40, 395, 30}, 2, kWrap},
    {kHotkeyGroup, Kind::Group, "Global Hotkey", {20, 76, 395, 108}, 2},
    {kHotkeyHelp, Kind::Label,
     "Select one or more of the checkboxes below and then click the last field \nand press a key.",
     {30, 94, 382, 44}, 2, kWrap},
    {kWinBox, Kind::Check, "Win  +", {32, 146, 62, 20}, 2},
    {kCtrlBox, Kind::Check, "Ctrl  +", {96, 146, 62, 20}, 2},
    {kAltBox, Kind::Check, "Alt +", {160, 146, 56, 20}, 2},
    {kShiftBox, Kind::Check, "Shift  +", {218, 146, 64, 20}, 2},
    {kKeyField, Kind::Edit, "", {286, 144, 118, 23}, 2, ES_READONLY},
    {kTipsText, Kind::Label, "Tips for defining a good Global Hotkey:", {20, 196, 395, 16}, 2},
    {kDot1, Kind::Label, "\u2022", {28, 218, 10, 16}, 2},
    {kTip1, Kind::Label, "Avoid very simple key combinations, like Ctrl+S, Ctrl+A,  F1, End, etc.", {40, 218, 375, 16}, 2,
     kNoWrap},
    {kDot2, Kind::Label, "\u2022", {28, 240, 10, 16}, 2},
    {kTip2, Kind::Label, "Avoid combining keys that are too far away. ", {40, 240, 375, 16}, 2, kNoWrap},
    // Appearance
    {kAppearanceText, Kind::Label, "Change the appearance of program window.", {20, 40, 390, 16}, 3},
    {kThemeGroup, Kind::Group, "Theme", {20, 60, 395, 152}, 3},
    {kThemeHelp, Kind::Label, "Select a theme from the list below.", {32, 78, 200, 16}, 3},
    {kThemeList, Kind::ListBox, "", {32, 96, 200, 108}, 3},
    {kInfoText, Kind::Label, "Theme Info:", {244, 78, 160, 16}, 3},
    {kTitleText, Kind::Label, "Title:", {244, 98, 44, 16}, 3},
    {kTitleValue, Kind::Label, "", {290, 98, 121, 16}, 3, kNoWrap},
    {kAuthorText, Kind::Label, "Author:", {244, 118, 44, 16}, 3},
    {kAuthorValue, Kind::Label, "", {290, 118, 121, 16}, 3, kNoWrap},
    {kNotesText, Kind::Label, "Notes:", {244, 138, 44, 16}, 3},
    {kNotesValue, Kind::Label, "", {290, 138, 121, 33}, 3, kWrap | SS_EDITCONTROL},
    {kToggleLink, Kind::Link, "Toggle skinnable mode", {244, 182, 160, 18}, 3},
    {kOpacityGroup, Kind::Group, "Opacity", {20, 218, 395, 82}, 3},
    {kMinText, Kind::Label, "Min", {32, 244, 28, 16}, 3},
    {kSlider, Kind::Slider, "", {62, 238, 300, 30}, 3},
    {kMaxText, Kind::Label, "Max", {368, 244, 30, 16}, 3},
    {kSliderValue, Kind::Label, "", {62, 272, 300, 16}, 3, SS_CENTER},
    // Buttons
    {IDOK, Kind::DefButton, "OK", {185, 318, 75, 25}},
    {IDCANCEL, Kind::Button, "Cancel", {266, 318, 75, 25}},
    {kHelp, Kind::Button, "&Help", {347, 318, 75, 25}},
    {kTabs, Kind::Tabs, "General|Global Hotkey|Appearance", {8, 8, 419, 300}},
};

constexpr int kChecks[] = {kStayOnTop, kStartWithWindows, kHideAfter, kQuickAdd, kShowMain, kShowIcons, kUpDown};

bool IsModifier(WPARAM vk) {
    switch (vk) {
        case VK_SHIFT: case VK_CONTROL: case VK_MENU: case VK_LSHIFT: case VK_RSHIFT: case VK_LCONTROL:
        case VK_RCONTROL: case VK_LMENU: case VK_RMENU: case VK_LWIN: case VK_RWIN:
            return true;
        default:
            return false;
    }
}

}  // namespace

std::span<const ui::Control> OptionsDialog::Table() noexcept { return kTable; }

bool OptionsDialog::Create(HINSTANCE instance, HWND owner) {
    if (!MakeDialog(instance, owner, {"TForm3", "Settings", {435, 354}, true, kTabs}, kTable)) return false;
    HWND slider = Item(kSlider);
    SendMessageW(slider, TBM_SETRANGE, FALSE, MAKELPARAM(kMinSlider, kMaxSlider));
    SendMessageW(slider, TBM_SETPAGESIZE, 0, 10);
    SendMessageW(slider, TBM_SETTICFREQ, 10, 0);
    // On creation: the slider stands at the window's opacity, the list shows the themes.
    const int opacity = rules_.remembered_opacity();
    SendMessageW(slider, TBM_SETPOS, TRUE, opacity);
    ShowSliderValue(opacity);
    RefreshThemeList();
    ui::Subclass(Item(kKeyField), [this](UINT msg, WPARAM wp, LPARAM lp) { return KeyFieldMessage(msg, wp, lp); });
    // The key field's hint.
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, hwnd(),
                               nullptr, instance, nullptr);
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = hwnd();
    info.uId = reinterpret_cast<UINT_PTR>(Item(kKeyField));
    wchar_t hint[] = L"Click here once and press a key on your keyboad.";
    info.lpszText = hint;
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    return true;
}

void OptionsDialog::SetTopmost(bool on) {
    ui::SetTopMost(hwnd(), on);
}

void OptionsDialog::RefreshThemeList() {
    HWND list = Item(kThemeList);
    const std::string selected = SelectedTheme();
    ui::FillStrings(list, rules_.ThemeFiles(), LB_RESETCONTENT, LB_ADDSTRING);
    if (!selected.empty()) ui::SendText(list, LB_SELECTSTRING, static_cast<WPARAM>(-1), selected);
}

std::string OptionsDialog::SelectedTheme() const {
    HWND list = Item(kThemeList);
    const LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return {};
    return ui::ItemText(list, static_cast<int>(index), LB_GETTEXTLEN, LB_GETTEXT);
}

OptionsForm OptionsDialog::ReadForm() const {
    OptionsForm f;
    f.win = Checked(kWinBox);
    f.ctrl = Checked(kCtrlBox);
    f.alt = Checked(kAltBox);
    f.shift = Checked(kShiftBox);
    f.key = key_;
    f.slider = static_cast<int>(SendMessageW(Item(kSlider), TBM_GETPOS, 0, 0));
    bool* checks[] = {&f.stayontop, &f.startonstartup, &f.hae, &f.quickadd, &f.showprogram, &f.showicons, &f.udnavlist};
    for (std::size_t i = 0; i < std::size(kChecks); ++i) *checks[i] = Checked(kChecks[i]);
    f.theme = SelectedTheme();
    return f;
}

void OptionsDialog::WriteForm(const OptionsForm& f) {
    SetChecked(kWinBox, f.win);
    SetChecked(kCtrlBox, f.ctrl);
    SetChecked(kAltBox, f.alt);
    SetChecked(kShiftBox, f.shift);
    ShowKey(f.key);
    SendMessageW(Item(kSlider), TBM_SETPOS, TRUE, f.slider);
    ShowSliderValue(f.slider);
    const bool checks[] = {f.stayontop, f.startonstartup, f.hae, f.quickadd, f.showprogram, f.showicons, f.udnavlist};
    for (std::size_t i = 0; i < std::size(kChecks); ++i) SetChecked(kChecks[i], checks[i]);
}

void OptionsDialog::ShowKey(int vk) {
    key_ = vk;
    SetText(kKeyField, rules_.KeyName(vk));
}

void OptionsDialog::ShowSliderValue(int value) { SetText(kSliderValue, std::to_string(value)); }

void OptionsDialog::OnShowing() {
    // Themes the user has put into the folder since appear without a restart.
    RefreshThemeList();
    WriteForm(rules_.FormShow(ReadForm()));
}

void OptionsDialog::OnCommand(int id, int code, HWND) {
    if (id == kHelp && code == BN_CLICKED) rules_.HelpBTNClick();
    if (id == kThemeList && code == LBN_SELCHANGE) {
        if (const auto info = rules_.ThemeSelected(SelectedTheme())) {
            SetText(kTitleValue, info->title);
            SetText(kAuthorValue, info->author);
            SetText(kNotesValue, info->notes);
        }
    }
}

void OptionsDialog::OnOK() {
    rules_.OKBTNClick(ReadForm());
    Close();
}

void OptionsDialog::OnCancel() {
    rules_.CancelBTNClick();
    Close();
}

bool OptionsDialog::KeyPreview(const MSG& msg) {
    if (msg.message != WM_KEYUP || (msg.wParam != VK_F9 && msg.wParam != VK_F11)) return false;
    if (!chords_.KeyUp(msg.wParam).ctrl) return false;
    if (msg.wParam == VK_F9) {
        SetChecked(kShowIcons, rules_.ToggleIcons());
        return true;
    }
    if (msg.wParam == VK_F11 && msg.hwnd == Item(kThemeList)) {
        const std::string theme = SelectedTheme();
        if (rules_.ThemeEditorKey(theme)) dialogs_.ShowThemeEditor(theme);
        return true;
    }
    return false;
}

LRESULT OptionsDialog::OnNotify(const NMHDR& header) {
    if (static_cast<int>(header.idFrom) == kToggleLink && (header.code == NM_CLICK || header.code == NM_RETURN)) {
        rules_.ToggleSkinnable();
    }
    return 0;
}

bool OptionsDialog::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_HSCROLL && reinterpret_cast<HWND>(lp) == Item(kSlider)) {
        const int value = static_cast<int>(SendMessageW(Item(kSlider), TBM_GETPOS, 0, 0));
        rules_.SliderChange(value);
        ShowSliderValue(value);
        result = 0;
        return true;
    }
    if (msg == WM_CTLCOLORSTATIC) {
        HWND control = reinterpret_cast<HWND>(lp);
        if (control == Item(kDot1) || control == Item(kDot2)) {
            // The tips are marked with small green dots.
            HDC dc = reinterpret_cast<HDC>(wp);
            result = PageColours(dc, control);
            SetTextColor(dc, RGB(0, 160, 0));
            return true;
        }
    }
    return false;
}

// The key field takes one plain key: modifiers are dropped, Backspace empties it, and Tab,
// Enter and Escape keep working for the dialog.
std::optional<LRESULT> OptionsDialog::KeyFieldMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_GETDLGCODE: {
            const auto* m = reinterpret_cast<const MSG*>(lp);
            if (m && (m->message == WM_KEYDOWN || m->message == WM_SYSKEYDOWN) &&
                (m->wParam == VK_TAB || m->wParam == VK_RETURN || m->wParam == VK_ESCAPE)) {
                return std::nullopt;
            }
            return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (wp == VK_TAB || wp == VK_RETURN || wp == VK_ESCAPE) return std::nullopt;
            if (IsModifier(wp)) return 0;
            ShowKey(wp == VK_BACK ? 0 : static_cast<int>(wp));
            return 0;
        case WM_CHAR:
        case WM_SYSCHAR:
        case WM_KEYUP:
        case WM_SYSKEYUP:
            return 0;
        default:
            return std::nullopt;
    }
}

}  // namespace vtx
