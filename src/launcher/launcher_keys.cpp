#include "launcher/launcher_keys.h"

#include "catalogue/shortcut_record.h"
#include "platform/ascii.h"

namespace vtx {
namespace {

// Hotkey values: key code in the low byte, modifier bits above it (app/hotkey.h).
constexpr int kHotkeyKeyMask = 0xFF;
constexpr int kHotkeyCtrl = 16384;
constexpr int kHotkeyModifiers = 8192 | 16384 | 32768 | 65536;

bool HotkeyIsKey(int hotkey_value, int vk) noexcept { return (hotkey_value & kHotkeyKeyMask) == vk; }

}  // namespace

KeyAction FormKeyDown(int vk, bool ctrl, bool /*shift*/, bool alt, int hotkey_value, bool manager_showing) {
    // Tested in this order; the first row that applies decides.
    if (vk == vk::kEscape && !manager_showing) return KeyAction::Hide;
    if (vk == vk::kW && ctrl) return KeyAction::Hide;
    const bool hotkey_is_this_key = HotkeyIsKey(hotkey_value, vk);
    if (vk == vk::kF1 && !hotkey_is_this_key) return KeyAction::Help;
    if (vk == vk::kF2 && !hotkey_is_this_key) return KeyAction::ShowManager;
    if (vk == vk::kF3 && !hotkey_is_this_key) return KeyAction::ShowOptions;
    if (vk == vk::kF4 && !alt && !hotkey_is_this_key) return KeyAction::ToggleCool;
    const bool hotkey_is_ctrl_f10 = hotkey_is_this_key && (hotkey_value & kHotkeyModifiers) == kHotkeyCtrl;
    if (vk == vk::kF10 && ctrl && !hotkey_is_ctrl_f10) return KeyAction::ResetAppearance;
    return KeyAction::None;
}

EnterDecision Edit2KeyUp(int vk, bool ctrl, std::string_view edit_text, bool shift) {
    EnterDecision decision;
    if (vk != vk::kEnter || edit_text.empty()) return decision;
    decision.action = ctrl ? (shift ? EnterAction::GoElevated : EnterAction::Copy) : EnterAction::Go;
    decision.trimmed = TrimBlanks(edit_text);
    decision.text_changed = decision.trimmed != edit_text;
    return decision;
}

std::optional<std::string> ListActivationText(const ResultList& list, int selected) {
    if (selected < 0 || selected >= list.size()) return std::nullopt;
    return std::string(list.Name(selected));
}

bool OpenContainingFolderVisible(std::string_view ty1) noexcept {
    return ty1 == type::Program || ty1 == type::File || ty1 == type::Folder;
}

bool OpenSelectedAllowed(Prompts& prompts, int selected) {
    if (selected >= 0) return true;
    prompts.Message(std::string(kNothingSelectedExecute));
    return false;
}

bool CopyAddressAllowed(Prompts& prompts, int selected) {
    if (selected >= 0) return true;
    prompts.Message(std::string(kNothingSelected));
    return false;
}

std::string ContainingFolder(std::string_view wdir, std::string_view addr) {
    if (TrimBlanks(wdir).empty()) wdir = addr;
    const auto slash = wdir.rfind('\\');
    if (slash == std::string_view::npos) return {};
    std::string folder(wdir.substr(0, slash));
    if (folder.size() == 2 && folder[1] == ':') folder += '\\';  // "c:" alone is not the root
    return folder;
}

void OpenContainingFolder(Platform& platform, const ResultList& list, int selected) {
    if (selected < 0 || selected >= list.size()) {
        platform.prompts.Message(std::string(kNothingSelected));
        return;
    }
    const std::string& line = list.Line(selected);
    if (!OpenContainingFolderVisible(FieldOf(line, kTy1))) return;
    Files& files = platform.files;
    System& system = platform.system;
    const std::string folder = ContainingFolder(system.ExpandEnvironment(std::string(FieldOf(line, kWdir))),
                                                system.ExpandEnvironment(std::string(FieldOf(line, kAddr))));
    if (files.FolderExists(folder))
        platform.shell.Execute(ShellRequest{"open", folder, std::nullopt, std::nullopt, 5});
    else
        platform.prompts.Message("Can not find folder '" + folder + "' ");
}

}  // namespace vtx
