#pragma once
// The rules of the three pickers: Add to MultiShortcut List (TForm16), Installed Programs
// (TForm17) and Standard Windows Programs (TForm19). Each is opened with a caller tag,
// switches its caller's stay-on-top off while it shows and fills its caller's fields.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_session.h"
#include "editors/picker_target.h"
#include "editors/installed_programs.h"

namespace vtx {

// The caller tag and the stay-on-top protocol shared by the pickers.
class TaggedPicker {
public:
    explicit TaggedPicker(PickerTargets& targets) noexcept : targets_(targets) {}
    [[nodiscard]] const std::string& caller() const noexcept { return caller_; }
    // Closed by OK, Cancel or the close box.
    void FormClose();

protected:
    void Open(const std::string& caller);
    [[nodiscard]] PickerTarget* target() const noexcept { return targets_.Find(caller_); }

private:
    PickerTargets& targets_;
    std::string caller_;
};

// A member list cuts names at ";", so a name holding one cannot be a member.
inline constexpr std::string_view kMemberNameMessage =
    "A shortcut whose name holds \";\" can not be part of a multishortcut. Please rename it and try again.";

class MultiChooserRules : public TaggedPicker {
public:
    MultiChooserRules(AppSession& app, PickerTargets& targets) noexcept : TaggedPicker(targets), app_(app) {}
    // The check list, all unticked: names of Program, File, Folder, URL and Other lines.
    [[nodiscard]] const std::vector<std::string>& FormShow(const std::string& caller);
    // The list asks for its rows here (it holds no copies): a box's tick, flipped by a click or Space.
    [[nodiscard]] bool IsTicked(std::size_t row) const noexcept { return row < ticks_.size() && ticks_[row]; }
    void Toggle(std::size_t row) noexcept {
        if (row < ticks_.size()) ticks_[row] = !ticks_[row];
    }
    [[nodiscard]] const std::vector<bool>& ticks() const noexcept { return ticks_; }
    [[nodiscard]] const std::vector<std::string>& entries() const noexcept { return entries_; }
    // Typed letters jump to the first name from row `start` on, round the list, that begins
    // with them in any case; -1 when none does.
    [[nodiscard]] int FindTyped(std::string_view typed, int start) const;
    // Appends the ticked entries, top to bottom, to the caller's member list.
    void OKBTNClick(const std::vector<bool>& ticked);

private:
    AppSession& app_;
    std::vector<std::string> entries_;
    std::vector<bool> ticks_;
};

class InstalledProgramsRules : public TaggedPicker {
public:
    InstalledProgramsRules(AppSession& app, PickerTargets& targets) noexcept : TaggedPicker(targets), app_(app) {}
    // Runs the scan (messages pumped between links), then gives the program names.
    [[nodiscard]] std::vector<std::string> FormShow(const std::string& caller, const std::function<void()>& pump);
    // OK or a double-click on `selected` (-1: none). False: nothing selected, stay open.
    bool OKBTNClick(int selected);
    [[nodiscard]] const InstalledPrograms& programs() const noexcept { return programs_; }

private:
    AppSession& app_;
    InstalledPrograms programs_;
    std::vector<std::string> names_;
};

class StandardProgramsRules : public TaggedPicker {
public:
    StandardProgramsRules(AppSession& app, PickerTargets& targets) noexcept : TaggedPicker(targets), app_(app) {}
    // The display names of the default-programs list.
    [[nodiscard]] std::vector<std::string> FormShow(const std::string& caller);
    // OK or a double-click; without a selection it only closes.
    void OKBTNClick(int selected);

private:
    AppSession& app_;
};

}  // namespace vtx
