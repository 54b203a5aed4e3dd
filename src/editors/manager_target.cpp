#include "editors/manager_target.h"

namespace vtx {

void ManagerPickerTarget::SetProgram(const std::string& address, const std::string& start_folder) {
    Fill([&] { rules_.SetProgramAddress(address, start_folder); });
}

void ManagerPickerTarget::SetOtherAddress(const std::string& address) {
    Fill([&] { rules_.SetOtherAddress(address); });
}

void ManagerPickerTarget::AppendMembers(const std::vector<std::string>& names) {
    Fill([&] { rules_.AddMembers(names); });
}

void ManagerPickerTarget::RefillBrowsers() {
    Fill([&] { rules_.RefillBrowsers(); });
}

}  // namespace vtx
