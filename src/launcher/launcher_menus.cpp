#include "launcher/launcher_menus.h"

#include "catalogue/web_addresses.h"

namespace vtx {

std::vector<MenuEntry> TrayMenu() {
    return {
        {0, Command::ShowVtx, "S&how VTX"},
        {},
        {0, Command::Shortcuts, "&Shortcuts..."},
        {0, Command::Settings, "Se&ttings..."},
        {0, Command::ToggleCool, "To&ggle Cool Mode"},
        {},
        {0, Command::Help, "H&elp..."},
        {0, Command::About, "&About..."},
        {},
        {0, Command::Exit, "E&xit"},
    };
}

std::vector<MenuEntry> MainMenu() {
    return {
        {0, Command::NewShortcut, "&New Shortcut..."},
        {0, Command::Shortcuts, "&Shortcuts..."},
        {0, Command::Settings, "Se&ttings..."},
        {0, Command::ToggleCool, "To&ggle Cool Mode"},
        {},
        {0, Command::None, "H&elp"},
        {1, Command::HelpDocs, "&Help Documents..."},
        {1, Command::HowDoI, "How &do I..."},
        {1, Command::None, ""},
        {1, Command::None, "OV on the &Web"},
        {2, Command::WebHome, std::string("OV Home Page (") + web::kHomePage + ")"},
        {2, Command::WebProduct, "&Check for New Version"},
        {2, Command::WebSupport, "&Support"},
        {0, Command::About, "&About..."},
        {},
        {0, Command::HideVtx, "&Hide VTX"},
        {0, Command::Exit, "E&xit"},
    };
}

std::vector<MenuEntry> ListMenu(bool with_containing_folder) {
    std::vector<MenuEntry> menu{{0, Command::OpenSelected, "&Open Selected"}};
    if (with_containing_folder) menu.push_back({0, Command::OpenFolder, "Open Containing Folder"});
    menu.push_back({0, Command::CopyAddress, "&Copy Address"});
    menu.push_back({});
    menu.push_back({0, Command::AddEdit, "&Add/Edit Shortcuts..."});
    return menu;
}

}  // namespace vtx
