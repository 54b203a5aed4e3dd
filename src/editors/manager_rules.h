#pragma once
// The rules of the shortcut manager: the list of every catalogue line, the fields of the
// loaded shortcut, its loaders and savers, the unsaved-changes flag and its prompts, delete,
// search and the show steps. The window copies its controls into `form()` before it
// forwards an event and shows `form()` afterwards.
//
// Entry i of the list always stands for catalogue line i: the list is the catalogue itself
// (an owner-data list), and whatever re-sorts the catalogue, the edited and the selected
// shortcut are found again in the new order.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_session.h"
#include "app/dialogs.h"
#include "editors/more_options_rules.h"
#include "platform/screen.h"

namespace vtx {

inline constexpr std::string_view kManagerCaller = "form2";
inline constexpr std::string_view kSavePrompt = "Save changes to this shortcut?";
inline constexpr std::string_view kDeleteCaption = "Delete?";
inline constexpr std::string_view kDeletePrompt = "Do you really want to delete this shortcut?";
inline constexpr std::string_view kEmptyListText = "There is no shortcut in the list.\r\nPlease click New and create a shortcut.";

// The seven items of `typeCB`, in their order.
inline constexpr std::array<std::string_view, 7> kManagerTypes = {
    "Program", "File", "Folder", "URL", "Control Panel Applet", "MultiShortcut", "Other"};

// The pages of `Notebook1`, one per type.
enum class Page { Program, File, Folder, URL, ControlPanelApplet, Widget, Search, Command, MultiShortcut, Other };
inline constexpr int kPageCount = 10;
// The page's name as a type, and its height (0: the page keeps the height it had).
[[nodiscard]] std::string_view PageType(Page page) noexcept;
[[nodiscard]] int PageHeight(Page page) noexcept;
// The "More options" panel stands this far below the bottom of the page.
inline constexpr int kMoreOptionsGap = 9;

// The values of the manager's controls.
struct ManagerForm {
    std::string name;  // nameEDT
    int type = 0;      // typeCB position, -1: no item
    Page page = Page::Program;
    int page_height = 153;
    std::string prog_addr, wdir, param;      // Program page
    std::string file_addr;                   // File page
    std::string folder_addr;                 // Folder page
    std::string url_addr;                    // URL page
    int browser = -1;                        // BrowserCB position
    int applet = -1;                         // CPAppCB position
    // A stored browser or applet file that its list no longer holds: the combo shows no item,
    // and while none is chosen a save writes this back instead of re-pointing the shortcut.
    std::string kept_browser, kept_applet;
    int widget = -1;                         // WidgetCB position
    std::string widget_desc;                 // WidgetDescLBL
    std::string url_part1, url_part2;        // Search page
    int command = -1;                        // CommandCB position
    std::string comm_param;                  // CommParamEDT
    std::vector<std::string> members;        // multishLB
    std::string other_addr;                  // Other page
    std::vector<std::string> browsers, applets, commands, widgets;  // the combos' items
    bool operator==(const ManagerForm&) const = default;
};

// The second line of an entry, and whether its first line says " (Invisible)".
struct EntryPaint {
    std::string first;   // name, + " (Invisible)" when `vis` is not exactly "1"
    std::string second;  // type prefix and value
};
[[nodiscard]] EntryPaint DescribeEntry(std::string_view line);
inline constexpr int kEntryHeight = 44;


class ManagerRules {
public:
    ManagerRules(AppSession& app, Dialogs& dialogs);
    ManagerRules(const ManagerRules&) = delete;
    ManagerRules& operator=(const ManagerRules&) = delete;

    // The controls' values; the window writes them in before an event and shows them after.
    [[nodiscard]] ManagerForm& form() noexcept { return form_; }
    [[nodiscard]] ItemOptions& options() noexcept { return options_; }

    // The list: as many entries as catalogue lines; entry i is line i.
    [[nodiscard]] int EntryCount() const noexcept { return app_.catalogue().size(); }
    [[nodiscard]] std::string EntryText(int entry) const;
    [[nodiscard]] EntryPaint PaintEntry(int entry) const;
    // What a screen reader reads for an entry: its two lines.
    [[nodiscard]] std::string EntryReadout(int entry) const;
    [[nodiscard]] int Selected() const noexcept { return selected_; }
    [[nodiscard]] int Edited() const noexcept { return edited_; }
    [[nodiscard]] bool Unsaved() const noexcept { return unsaved_; }
    [[nodiscard]] bool ItemLoaded() const noexcept { return item_loaded_; }
    [[nodiscard]] bool ShowsEmptyPanel() const noexcept { return EntryCount() == 0; }
    // Where the "More options" panel stands below the page's top.
    [[nodiscard]] int MoreOptionsTop() const noexcept { return form_.page_height + kMoreOptionsGap; }

    void FormCreate();
    void FormShow();
    // "Close", the close box and Enter in a field: the prompt; the window closes either way.
    void FormClose();

    void ReadyFields();
    void FillListBox();
    void LoadItem();
    void saveitem(int index);

    // A click or a keyboard move in the list; -1 for nothing selected. The entry whose shortcut
    // the fields show changes nothing.
    void ListBox1Click(int entry);
    void ListBox1KeyUp(int key);
    void SeaEDTChange(const std::string& search);
    void typeCBChange(int type);
    // A field the user typed into (or a combo the user changed) that marks the shortcut.
    void FieldChanged() noexcept { unsaved_ = true; }
    // Typing into a field a save writes (the name, an address, the start folder, the program's
    // parameters) marks the shortcut; the search parts and the command's parameters do not.
    void FieldTyped(std::string ManagerForm::*field) noexcept;
    // Of the combos the user changes, the browser and the applet mark the shortcut.
    void ComboPicked(int ManagerForm::*field) noexcept;
    // Closed: the window's place on the screen is kept for the next start.
    void KeepPlace(const ScreenRect& window);

    void LMDNewBTNClick();
    void DeleteItem();

    // The address buttons, with what their system dialogs returned.
    void fromFile1Click(const std::string& path);
    void FileAddrBTNClick(const std::string& path);
    void FolderAddrBTNClick(const std::string& folder);
    void fromInstalledPrograms1Click();
    void MultiShAddBTNClick();
    void MultiShRemoveBTNClick(int member);
    void DefineBrowBTNClick();
    void ViewDefProgsLBLClick();
    void Label26Click();

    // What the pickers and the browser definitions put into the manager's controls.
    void AddMembers(const std::vector<std::string>& names);
    void SetProgramAddress(const std::string& path, const std::string& folder);
    void SetOtherAddress(const std::string& address);
    void RefillBrowsers();

    // Something may add a shortcut (the wizard, a quick add, a drop while hidden): the next
    // show selects and loads the first entry.
    void CatalogueMayGrow() noexcept { catalogue_grew_ = true; }

private:
    bool Prompt(const std::string& name);
    void SelectAndLoad(int entry);
    // Finds the edited shortcut again after someone else re-sorted the catalogue.
    void Resync();
    [[nodiscard]] int FindLine(const std::string& line, int hint) const;
    void ShowPage(Page page);

    // The loaders and savers of the pages, one table over the ten types.
    void LoadPage(Page page, int i);
    void SavePage(Page page, int index);

    AppSession& app_;
    Dialogs& dialogs_;
    ManagerForm form_;
    ItemOptions options_;
    int selected_ = -1;
    int edited_ = 0;
    bool unsaved_ = false;
    bool item_loaded_ = false;
    bool first_show_ = true;
    bool catalogue_grew_ = false;
    std::string edited_line_;  // the edited line's text when it was loaded or saved
};

}  // namespace vtx
