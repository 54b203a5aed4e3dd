#pragma once
// What the pickers write into the window that opened them. The wizard and the shortcut
// manager each implement it over their own controls; the caller tag names which one.

#include <string>
#include <string_view>
#include <vector>

namespace vtx {

inline constexpr std::string_view kManagerTag = "form2";
inline constexpr std::string_view kWizardTag = "form5";

class PickerTarget {
public:
    virtual ~PickerTarget() = default;
    // Installed Programs: ProgAddrEDT and wdirEDT.
    virtual void SetProgram(const std::string& address, const std::string& start_folder) = 0;
    // Standard Windows Programs: OtherAddrEDT.
    virtual void SetOtherAddress(const std::string& address) = 0;
    // nameEDT. The pickers only set the wizard's name.
    virtual void SetName(const std::string& name) = 0;
    // The chooser's ticked names, appended to multishLB; called with at least one name
    // (the manager marks its shortcut as changed).
    virtual void AppendMembers(const std::vector<std::string>& names) = 0;
    // The browser definitions were changed: BrowserCB refilled, its first item selected.
    virtual void RefillBrowsers() = 0;
    // The caller's stay-on-top style: off while one of its pickers shows, on again after.
    virtual void SetStayOnTop(bool on) = 0;
};

// The two windows a caller tag can name; either may be absent.
struct PickerTargets {
    PickerTarget* form2 = nullptr;
    PickerTarget* form5 = nullptr;
    // Compared exactly; any other tag names nobody.
    [[nodiscard]] PickerTarget* Find(std::string_view tag) const noexcept {
        if (tag == kManagerTag) return form2;
        if (tag == kWizardTag) return form5;
        return nullptr;
    }
};

}  // namespace vtx
