#include "editors/manager_rules.h"

#include <algorithm>

#include "catalogue/shortcut_record.h"
#include "platform/ascii.h"
#include "platform/trace.h"

namespace vtx {
namespace {

constexpr std::array<std::string_view, kPageCount> kPageTypes = {
    "Program", "File", "Folder", "URL", "Control Panel Applet", "Widget", "Search", "Command", "MultiShortcut", "Other"};
constexpr std::array<int, kPageCount> kPageHeights = {153, 59, 59, 123, 59, 0, 0, 0, 153, 123};

// typeCB's items are the pages without Widget, Search and Command.
constexpr Page TypePage(int type) noexcept {
    constexpr std::array<Page, 7> pages = {Page::Program, Page::File, Page::Folder, Page::URL,
                                           Page::ControlPanelApplet, Page::MultiShortcut, Page::Other};
    return pages[static_cast<std::size_t>(type)];
}

std::string Cut(std::string_view text, std::size_t limit) { return std::string(text.substr(0, limit)); }

// The folder of a path with its trailing "\", and the file name without its extension.
std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
std::string BaseName(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos) name.resize(dot);
    return name;
}
std::string LastComponent(std::string path) {
    while (path.size() > 1 && path.back() == '\\') path.pop_back();
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool ContainsNoCase(std::string_view text, std::string_view part) {
    return LowerAscii(text).find(part) != std::string::npos;
}

}  // namespace

std::string_view PageType(Page page) noexcept { return kPageTypes[static_cast<std::size_t>(page)]; }
int PageHeight(Page page) noexcept { return kPageHeights[static_cast<std::size_t>(page)]; }

EntryPaint DescribeEntry(std::string_view line) {
    EntryPaint paint;
    paint.first = std::string(FieldOf(line, kName));
    if (FieldOf(line, kVis) != "1") paint.first += " (Invisible)";
    struct Prefix {
        std::string_view type, prefix;
        int field;
    };
    static constexpr std::array<Prefix, 7> kPrefixes = {{
        {type::Program, "Open program: ", kAddr},
        {type::File, "Open file: ", kAddr},
        {type::Folder, "Open folder: ", kAddr},
        {type::URL, "Open web site: ", kAddr},
        {type::ControlPanelApplet, "Open control panel: ", kAddr},
        {type::MultiShortcut, "Open multishortcut: ", kMs},
        {type::Other, "Open other: ", kAddr},
    }};
    const std::string_view ty1 = FieldOf(line, kTy1);
    for (const auto& p : kPrefixes)
        if (p.type == ty1) {
            paint.second = std::string(p.prefix).append(FieldOf(line, p.field));
            return paint;
        }
    paint.second = std::string("Other: ").append(FieldOf(line, kAddr));
    return paint;
}

ManagerRules::ManagerRules(AppSession& app, Dialogs& dialogs) : app_(app), dialogs_(dialogs) {}

std::string ManagerRules::EntryText(int entry) const {
    if (entry < 0 || entry >= EntryCount()) return {};
    return app_.catalogue().GetShPart(entry, kName);
}

EntryPaint ManagerRules::PaintEntry(int entry) const {
    if (entry < 0 || entry >= EntryCount()) return {};
    return DescribeEntry(app_.catalogue().line(entry));
}

std::string ManagerRules::EntryReadout(int entry) const {
    if (entry < 0 || entry >= EntryCount()) return {};
    const EntryPaint paint = PaintEntry(entry);
    return paint.first + ", " + paint.second;
}

// ---------------------------------------------------------------- creation and showing

void ManagerRules::FormCreate() {
    Trace("Form2.FormCreate");
    item_loaded_ = false;
    catalogue_grew_ = false;
    edited_ = 0;
    first_show_ = true;
    ReadyFields();
    FillListBox();
}

void ManagerRules::FormShow() {
    Trace("Form2.FormShow");
    FillListBox();
    if (EntryCount() > 0 && (first_show_ || catalogue_grew_)) {
        first_show_ = catalogue_grew_ = false;
        item_loaded_ = false;
        edited_ = 0;
        selected_ = 0;
        LoadItem();
    } else {
        selected_ = -1;
    }
}

void ManagerRules::FormClose() {
    Trace("Form2.FormClose");
    Resync();
    if (EntryCount() > 0 && unsaved_) (void)Prompt(form_.name);
}

void ManagerRules::ReadyFields() {
    Trace("Form2.ReadyFields");
    const auto& lists = app_.lists();
    // Every field empty; the page and its height stay as they were.
    const Page page = form_.page;
    const int height = form_.page_height;
    form_ = ManagerForm{};
    form_.page = page;
    form_.page_height = height;
    options_ = ItemOptions{};
    for (int r = 0; r < static_cast<int>(lists.browsers.size()); ++r) form_.browsers.push_back(Column(lists.browsers, r, 0));
    for (int r = 0; r < static_cast<int>(lists.cpapplets.size()); ++r) form_.applets.push_back(Column(lists.cpapplets, r, 0));
    for (int r = 0; r < static_cast<int>(lists.commands.size()); ++r) form_.commands.push_back(NameOf(lists.commands, r));
    // No list of widgets is ever filled: WidgetCB stays empty.
    form_.browser = form_.browsers.empty() ? -1 : 0;
    form_.applet = form_.applets.empty() ? -1 : 0;
    form_.widget = form_.command = -1;
}

void ManagerRules::FillListBox() {
    Trace("Form2.FillListBox");
    // The list reads the catalogue itself; what can go stale is the edited index.
    Resync();
    if (selected_ >= EntryCount()) selected_ = -1;
}

// ---------------------------------------------------------------- keeping entry i on line i

int ManagerRules::FindLine(const std::string& line, int hint) const {
    const Lines& lines = app_.catalogue().lines();
    const int n = static_cast<int>(lines.size());
    if (hint >= 0 && hint < n && lines[static_cast<std::size_t>(hint)] == line) return hint;
    // Nearest first: a re-sort moves most lines by a few places only.
    for (int d = 1; d < n; ++d) {
        if (hint - d >= 0 && lines[static_cast<std::size_t>(hint - d)] == line) return hint - d;
        if (hint + d < n && lines[static_cast<std::size_t>(hint + d)] == line) return hint + d;
        if (hint - d < 0 && hint + d >= n) break;
    }
    return -1;
}

void ManagerRules::Resync() {
    if (!item_loaded_ || edited_line_.empty()) return;
    const int found = FindLine(edited_line_, edited_);
    if (found < 0 || found == edited_) return;
    if (selected_ == edited_) selected_ = found;
    edited_ = found;
}

// ---------------------------------------------------------------- loading

void ManagerRules::ShowPage(Page page) {
    form_.page = page;
    if (PageHeight(page) > 0) form_.page_height = PageHeight(page);
}

void ManagerRules::LoadItem() {
    Trace("Form2.LoadItem");
    item_loaded_ = true;
    ReadyFields();
    const int i = selected_ < 0 ? 0 : selected_;
    if (i >= EntryCount()) return;
    auto& catalogue = app_.catalogue();
    if (catalogue.GetShPart(i, kTy1).empty()) catalogue.SetShPart(i, kTy1, type::Other);
    const std::string ty1 = catalogue.GetShPart(i, kTy1);
    form_.type = -1;
    for (std::size_t t = 0; t < kManagerTypes.size(); ++t)
        if (EqualsNoCaseAscii(kManagerTypes[t], ty1)) form_.type = static_cast<int>(t);
    // Pages are chosen by the exact type. A type written in other capitals ("program") is
    // loaded as the type the combo shows, so that a save does not store empty fields over it.
    int page = -1;
    for (int p = 0; p < kPageCount; ++p)
        if (kPageTypes[static_cast<std::size_t>(p)] == ty1) page = p;
    if (page < 0 && form_.type >= 0) page = static_cast<int>(TypePage(form_.type));
    if (page >= 0) {
        ShowPage(static_cast<Page>(page));
        switch (static_cast<Page>(page)) {
            case Page::Program: ProgLoadItem(i); break;
            case Page::File: FileLoadItem(i); break;
            case Page::Folder: FolderLoadItem(i); break;
            case Page::URL: URLLoadItem(i); break;
            case Page::ControlPanelApplet: CPAppletLoadItem(i); break;
            case Page::Widget: WidgetLoadItem(i); break;
            case Page::Search: SearchLoadItem(i); break;
            case Page::Command: CommandLoadItem(i); break;
            case Page::MultiShortcut: MultiShortcutLoadItem(i); break;
            case Page::Other: OtherLoadItem(i); break;
        }
    }
    edited_line_ = catalogue.line(i);
    unsaved_ = false;
}

void ManagerRules::LoadCommon(int i) { form_.name = app_.catalogue().GetShPart(i, kName); }

void ManagerRules::LoadOptions(int i) {
    const auto& c = app_.catalogue();
    options_.color = Cut(c.GetShPart(i, kColor), 20);
    options_.cat = c.GetShPart(i, kCat);
    options_.swst = Cut(c.GetShPart(i, kSwst), 30);
    options_.vis = Cut(c.GetShPart(i, kVis), 20);
}

void ManagerRules::ProgLoadItem(int i) {
    Trace("Form2.ProgLoadItem");
    LoadCommon(i);
    const auto& c = app_.catalogue();
    form_.prog_addr = c.GetShPart(i, kAddr);
    form_.wdir = c.GetShPart(i, kWdir);
    form_.param = c.GetShPart(i, kParam);
    LoadOptions(i);
}

void ManagerRules::FileLoadItem(int i) {
    Trace("Form2.FileLoadItem");
    LoadCommon(i);
    form_.file_addr = app_.catalogue().GetShPart(i, kAddr);
    LoadOptions(i);
}

void ManagerRules::FolderLoadItem(int i) {
    Trace("Form2.FolderLoadItem");
    LoadCommon(i);
    form_.folder_addr = app_.catalogue().GetShPart(i, kAddr);
    LoadOptions(i);
}

void ManagerRules::URLLoadItem(int i) {
    Trace("Form2.URLLoadItem");
    LoadCommon(i);
    form_.url_addr = app_.catalogue().GetShPart(i, kAddr);
    const std::string osw = app_.catalogue().GetShPart(i, kOsw);
    if (!osw.empty())
        for (std::size_t b = 0; b < form_.browsers.size(); ++b)
            if (form_.browsers[b] == osw) form_.browser = static_cast<int>(b);
    LoadOptions(i);
}

void ManagerRules::CPAppletLoadItem(int i) {
    Trace("Form2.CPAppletLoadItem");
    LoadCommon(i);
    const std::string addr = app_.catalogue().GetShPart(i, kAddr);
    const Lines& applets = app_.lists().cpapplets;
    for (int r = 0; r < static_cast<int>(applets.size()); ++r)
        if (Column(applets, r, 1) == addr) form_.applet = r;
    LoadOptions(i);
}

void ManagerRules::WidgetLoadItem(int i) {
    Trace("Form2.WidgetLoadItem");
    LoadCommon(i);
    const std::string addr = app_.catalogue().GetShPart(i, kAddr);
    for (std::size_t w = 0; w < form_.widgets.size(); ++w)
        if (EqualsNoCaseAscii(form_.widgets[w], addr)) form_.widget = static_cast<int>(w);
    LoadOptions(i);
}

void ManagerRules::SearchLoadItem(int i) {
    Trace("Form2.SearchLoadItem");
    LoadCommon(i);
    form_.url_part1 = app_.catalogue().GetShPart(i, kUrlp1);
    form_.url_part2 = app_.catalogue().GetShPart(i, kUrlp2);
    LoadOptions(i);
}

void ManagerRules::CommandLoadItem(int i) {
    Trace("Form2.CommandLoadItem");
    LoadCommon(i);
    const std::string addr = app_.catalogue().GetShPart(i, kAddr);
    for (std::size_t k = 0; k < form_.commands.size(); ++k)
        if (EqualsNoCaseAscii(form_.commands[k], addr)) {
            form_.command = static_cast<int>(k);
            break;
        }
    LoadOptions(i);
}

void ManagerRules::MultiShortcutLoadItem(int i) {
    Trace("Form2.MultiShortcutLoadItem");
    LoadCommon(i);
    const std::string ms = app_.catalogue().GetShPart(i, kMs);
    const int n = CountPos(";", ms);
    for (int k = 1; k <= n; ++k) form_.members.emplace_back(MemberOf(ms, k));
    LoadOptions(i);
}

void ManagerRules::OtherLoadItem(int i) {
    Trace("Form2.OtherLoadItem");
    LoadCommon(i);
    form_.other_addr = app_.catalogue().GetShPart(i, kAddr);
    LoadOptions(i);
}

// ---------------------------------------------------------------- saving

void ManagerRules::saveitem(int index) {
    Trace("Form2.saveitem(index:" + std::to_string(index) + ")");
    auto& catalogue = app_.catalogue();
    // A save meant for the edited shortcut reaches it even when the catalogue was re-sorted
    // since it was loaded.
    if (index == edited_) {
        Resync();
        index = edited_;
    }
    if (index < 0 || index >= catalogue.size()) return;
    // The shortcut the list shows selected, found again after the re-sort.
    const bool selected_is_saved = selected_ == index;
    const std::string selected_line = selected_ >= 0 && selected_ < catalogue.size() ? catalogue.line(selected_) : "";
    switch (form_.type) {
        case 0: ProgSaveItem(index); break;
        case 1: FileSaveItem(index); break;
        case 2: FolderSaveItem(index); break;
        case 3: URLSaveItem(index); break;
        case 4: CPAppletSaveItem(index); break;
        case 5: MultiShortcutSaveItem(index); break;
        case 6: OtherSaveItem(index); break;
        default: break;  // Widget, Search, Command or typed text: no field is written
    }
    const std::string saved = catalogue.line(index);
    app_.FillMainListBox();
    const int now = FindLine(saved, index);
    if (edited_ == index) {
        edited_ = now < 0 ? 0 : now;
        edited_line_ = saved;
    }
    if (selected_is_saved) selected_ = now;
    else if (!selected_line.empty()) selected_ = FindLine(selected_line, selected_);
    unsaved_ = false;
}

void ManagerRules::SaveField(int index, int col, std::string_view text) {
    app_.catalogue().SetShPart(index, col, FieldText(text));
}

void ManagerRules::SaveCommonEnd(int index) {
    const bool has_type = form_.type >= 0 && form_.type < static_cast<int>(kManagerTypes.size());
    SaveField(index, kTy1, has_type ? kManagerTypes[static_cast<std::size_t>(form_.type)] : "");
    SaveField(index, kColor, options_.color);
    SaveField(index, kCat, options_.cat);
    SaveField(index, kSwst, options_.swst);
    SaveField(index, kVis, options_.vis);
}

void ManagerRules::ProgSaveItem(int index) {
    Trace("Form2.ProgSaveItem(index:" + std::to_string(index) + ")");
    SaveField(index, kName, form_.name);
    SaveField(index, kAddr, form_.prog_addr);
    SaveField(index, kWdir, form_.wdir);
    SaveField(index, kParam, form_.param);
    SaveCommonEnd(index);
}

void ManagerRules::FileSaveItem(int index) {
    Trace("Form2.FileSaveItem(index:" + std::to_string(index) + ")");
    SaveField(index, kName, form_.name);
    SaveField(index, kAddr, form_.file_addr);
    SaveCommonEnd(index);
}

void ManagerRules::FolderSaveItem(int index) {
    Trace("Form2.FolderSaveItem(index:" + std::to_string(index) + ")");
    SaveField(index, kName, form_.name);
    SaveField(index, kAddr, form_.folder_addr);
    SaveCommonEnd(index);
}

void ManagerRules::URLSaveItem(int index) {
    Trace("Form2.URLSaveItem(index:" + std::to_string(index) + ")");
    SaveField(index, kName, form_.name);
    SaveField(index, kAddr, form_.url_addr);
    const bool has = form_.browser >= 0 && form_.browser < static_cast<int>(form_.browsers.size());
    SaveField(index, kOsw, has ? form_.browsers[static_cast<std::size_t>(form_.browser)] : "");
    SaveCommonEnd(index);
}

void ManagerRules::CPAppletSaveItem(int index) {
    Trace("Form2.CPAppletSaveItem(index:" + std::to_string(index) + ")");
    SaveField(index, kName, form_.name);
    SaveField(index, kAddr, Column(app_.lists().cpapplets, form_.applet, 1));
    SaveCommonEnd(index);
}

void ManagerRules::MultiShortcutSaveItem(int index) {
    Trace("Form2.MultiShortcutSaveItem(index:" + std::to_string(index) + ")");
    SaveField(index, kName, form_.name);
    std::string ms;
    for (const auto& m : form_.members) ms += m + ";";
    SaveField(index, kMs, ms);
    SaveCommonEnd(index);
}

void ManagerRules::OtherSaveItem(int index) {
    Trace("Form2.OtherSaveItem(index:" + std::to_string(index) + ")");
    SaveField(index, kName, form_.name);
    SaveField(index, kAddr, form_.other_addr);
    SaveCommonEnd(index);
}

// ---------------------------------------------------------------- the list, search and prompts

bool ManagerRules::Prompt(const std::string& name) {
    const bool yes = app_.platform().prompts.AskYesNo(std::string(kSavePrompt) + "\r\"" + name + "\"");
    if (yes) saveitem(edited_);
    else unsaved_ = false;
    return yes;
}

void ManagerRules::SelectAndLoad(int entry) {
    selected_ = entry;
    edited_ = entry;
    if (EntryCount() > 0) LoadItem();
}

void ManagerRules::ListBox1Click(int entry) {
    Trace("Form2.ListBox1Click");
    Resync();
    if (entry < 0 || entry >= EntryCount()) entry = -1;
    if (item_loaded_ && entry >= 0 && entry == edited_) {
        // The entry whose shortcut the fields show: a click on it (the list reports a click
        // at its press and again at its release) keeps the fields and their edits as they are.
        selected_ = entry;
        return;
    }
    selected_ = entry;
    if (EntryCount() > 0 && unsaved_) {
        // The save re-sorts the catalogue; the clicked shortcut is carried along as the selection.
        (void)Prompt(EntryText(edited_));
    }
    edited_ = selected_ < 0 ? 0 : selected_;
    if (EntryCount() > 0) LoadItem();
}

void ManagerRules::ListBox1KeyUp(int key) {
    constexpr int kDeleteKey = 46;
    if (key == kDeleteKey && selected_ >= 0) DeleteItem();
}

void ManagerRules::SeaEDTChange(const std::string& search) {
    Trace("Form2.SeaEDTChange");
    if (search.empty()) return;
    Text& text = app_.platform().text;
    const std::string q = TrimBlanks(text.ToLower(search));
    // Names are compared lower-cased too: a shortcut saved as "Notes" is found by "notes".
    auto first_match = [&]() {
        for (int e = 0; e < EntryCount(); ++e)
            if (StartsWith(text.ToLower(EntryText(e)), q)) return e;
        return -1;
    };
    if (first_match() < 0) return;
    Resync();
    const std::string name_before = form_.name;
    if (EntryCount() > 0 && unsaved_) (void)Prompt(name_before);
    SelectAndLoad(first_match());
}

void ManagerRules::typeCBChange(int type) {
    Trace("Form2.typeCBChange");
    unsaved_ = true;
    form_.type = type;
    if (type >= 0 && type < static_cast<int>(kManagerTypes.size())) ShowPage(TypePage(type));
}

// ---------------------------------------------------------------- New and Delete

void ManagerRules::LMDNewBTNClick() {
    Trace("Form2.LMDNewBTNClick");
    Resync();
    if (EntryCount() > 0 && item_loaded_) saveitem(edited_);
    const std::string clip = app_.platform().clipboard.GetText();
    const bool address = clip.find(":\\") != std::string::npos || ContainsNoCase(clip, "http://") ||
                         ContainsNoCase(clip, "www.");
    // NewShortcutDialog: the wizard starts on its first page with the address ready.
    Trace("Form2.NewShortcutDialog");
    catalogue_grew_ = true;
    dialogs_.ShowWizard(address ? app_.platform().text.ToLower(clip) : std::string());
}

void ManagerRules::DeleteItem() {
    Trace("Form2.DeleteItem");
    if (selected_ < 0 || selected_ >= EntryCount()) return;
    const std::string question = std::string(kDeletePrompt) + "\r\"" + EntryText(selected_) + "\"";
    if (!app_.platform().prompts.AskYesNoCaptioned(std::string(kDeleteCaption), question)) return;
    app_.catalogue().Delete(selected_);
    app_.FillMainListBox();
    item_loaded_ = false;
    edited_ = 0;
    first_show_ = false;
    edited_line_.clear();
    selected_ = EntryCount() > 0 ? 0 : -1;
    if (EntryCount() > 0) LoadItem();
}

// ---------------------------------------------------------------- address buttons and pickers

void ManagerRules::fromFile1Click(const std::string& path) {
    Trace("Form2.fromFile1Click");
    form_.prog_addr = path;
    form_.wdir = FolderOf(path);
    form_.name = BaseName(path);
    unsaved_ = true;
}

void ManagerRules::FileAddrBTNClick(const std::string& path) {
    Trace("Form2.FileAddrBTNClick");
    form_.file_addr = path;
    unsaved_ = true;
}

void ManagerRules::FolderAddrBTNClick(const std::string& folder) {
    Trace("Form2.FolderAddrBTNClick");
    form_.folder_addr = folder;
    form_.name = LastComponent(folder);
    unsaved_ = true;
}

void ManagerRules::fromInstalledPrograms1Click() {
    Trace("Form2.fromInstalledPrograms1Click");
    dialogs_.ShowInstalledPrograms(std::string(kManagerCaller));
}

void ManagerRules::MultiShAddBTNClick() {
    Trace("Form2.MultiShAddBTNClick");
    dialogs_.ShowMultiChooser(std::string(kManagerCaller));
}

void ManagerRules::MultiShRemoveBTNClick(int member) {
    Trace("Form2.MultiShRemoveBTNClick");
    unsaved_ = true;
    if (member >= 0 && member < static_cast<int>(form_.members.size()))
        form_.members.erase(form_.members.begin() + member);
}

void ManagerRules::DefineBrowBTNClick() {
    Trace("Form2.DefineBrowBTNClick");
    unsaved_ = true;
    dialogs_.ShowBrowsers(std::string(kManagerCaller));
}

void ManagerRules::ViewDefProgsLBLClick() {
    Trace("Form2.ViewDefProgsLBLClick");
    dialogs_.ShowStandardPrograms(std::string(kManagerCaller));
}

void ManagerRules::Label26Click() {
    Trace("Form2.Label26Click");
    unsaved_ = true;
    dialogs_.ShowMoreOptions();
}

void ManagerRules::AddMembers(const std::vector<std::string>& names) {
    if (names.empty()) return;
    form_.members.insert(form_.members.end(), names.begin(), names.end());
    unsaved_ = true;
}

void ManagerRules::SetProgramAddress(const std::string& path, const std::string& folder) {
    form_.prog_addr = path;
    form_.wdir = folder;
    unsaved_ = true;
}

void ManagerRules::SetOtherAddress(const std::string& address) {
    form_.other_addr = address;
    unsaved_ = true;
}

void ManagerRules::RefillBrowsers() {
    const Lines& browsers = app_.lists().browsers;
    form_.browsers.clear();
    for (int r = 0; r < static_cast<int>(browsers.size()); ++r) form_.browsers.push_back(Column(browsers, r, 0));
    form_.browser = form_.browsers.empty() ? -1 : 0;
}

}  // namespace vtx
