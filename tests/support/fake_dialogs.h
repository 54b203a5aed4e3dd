#pragma once
// The secondary windows in host tests: every request to show one is recorded.

#include <string>
#include <vector>

#include "app/dialogs.h"

namespace vtx::fake {

class FakeDialogs : public Dialogs {
public:
    std::vector<std::string> shown;  // "Options", "About", "Manager(<search>)", "NewShortcut"
    bool manager_showing = false;

    void ShowOptions() override { shown.push_back("Options"); }
    void ShowAbout() override { shown.push_back("About"); }
    void ShowManager(const std::string& search) override { shown.push_back("Manager(" + search + ")"); }
    void ShowNewShortcut() override { shown.push_back("NewShortcut"); }
    bool ManagerShowing() override { return manager_showing; }
    void ShowThemeEditor(const std::string& theme) override { shown.push_back("ThemeEditor(" + theme + ")"); }
};

}  // namespace vtx::fake
