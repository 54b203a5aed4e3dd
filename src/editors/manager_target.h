#pragma once
// The shortcut manager as the pickers and the browser definitions fill it. They are modeless:
// while one is open the user may go on typing in the manager, so each write first takes in
// what the manager's controls show now, changes only the fields the picker fills, and shows
// the result; nothing the user typed meanwhile is put back to what it was when the picker opened.

#include "editors/manager_rules.h"
#include "editors/picker_target.h"

namespace vtx {

// The manager's window as its target needs it.
class ManagerView {
public:
    virtual ~ManagerView() = default;
    // The controls' values into the rules' form.
    virtual void ReadForm() = 0;
    // The rules' form into the controls.
    virtual void WriteForm() = 0;
    virtual void SetStayOnTop(bool on) = 0;
};

class ManagerPickerTarget final : public PickerTarget {
public:
    ManagerPickerTarget(ManagerRules& rules, ManagerView& view) noexcept : rules_(rules), view_(view) {}
    void SetProgram(const std::string& address, const std::string& start_folder) override;
    void SetOtherAddress(const std::string& address) override;
    void SetName(const std::string&) override {}  // the pickers leave the manager's name alone
    void AppendMembers(const std::vector<std::string>& names) override;
    void RefillBrowsers() override;
    void SetStayOnTop(bool on) override { view_.SetStayOnTop(on); }

private:
    template <typename Change>
    void Fill(Change change) {
        view_.ReadForm();
        change();
        view_.WriteForm();
    }

    ManagerRules& rules_;
    ManagerView& view_;
};

}  // namespace vtx
