#pragma once
// The secondary windows in host tests: every request to show one is recorded.

#include <string>
#include <vector>

#include "app/dialogs.h"

namespace vtx::fake {

class FakeDialogs : public Dialogs {
public:
    std::vector<std::string> shown;  // "Options", "About", "Manager(<search>)", "Wizard(<address>)", ...
    bool manager_showing = false;

    void ShowOptions() override { shown.push_back("Options"); }
    void ShowAbout() override { shown.push_back("About"); }
    void ShowManager(const std::string& search) override { shown.push_back("Manager(" + search + ")"); }
    void ShowNewShortcut() override { shown.push_back("NewShortcut"); }
    bool ManagerShowing() override { return manager_showing; }
    void ShowWizard(const std::string& address) override { shown.push_back("Wizard(" + address + ")"); }
    void ShowMultiChooser(const std::string& caller) override { shown.push_back("MultiChooser(" + caller + ")"); }
    void ShowInstalledPrograms(const std::string& caller) override { shown.push_back("InstalledPrograms(" + caller + ")"); }
    void ShowStandardPrograms(const std::string& caller) override { shown.push_back("StandardPrograms(" + caller + ")"); }
    void ShowBrowsers(const std::string& caller) override { shown.push_back("Browsers(" + caller + ")"); }
    void ShowMoreOptions() override { shown.push_back("MoreOptions"); }
    void ShowThemeEditor(const std::string& theme) override { shown.push_back("ThemeEditor(" + theme + ")"); }
    void ShowQuickAdd(const std::string& name, const std::string& address, const std::string& type) override {
        shown.push_back("QuickAdd(" + name + "|" + address + "|" + type + ")");
    }
    void MarkCatalogueGrew() override { ++catalogue_grew; }
    int catalogue_grew = 0;
};

}  // namespace vtx::fake
