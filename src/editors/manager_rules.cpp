#include "editors/manager_rules.h"

#include <algorithm>

#include "catalogue/shortcut_record.h"
#include "platform/ascii.h"
#include "platform/utf8.h"
#include "platform/trace.h"

namespace vtx {
namespace {

// typeCB's items are the pages without Widget, Search and Command.
constexpr Page TypePage(int type) noexcept {
    constexpr std::array<Page, 7> pages = {Page::Program, Page::File, Page::Folder, Page::URL,
                                           Page::ControlPanelApplet, Page::MultiShortcut, Page::Other};
    return pages[static_cast<std::size_t>(type)];
}

// The ten pages, in their order: the type each stands for, its height (0: the page keeps the
// height it had), the labels its loader and saver trace, its edit fields with the record field
// each holds, and the one control that is not an edit (a combo or the member list). A page
// without a saver is not in typeCB, so a save of it writes no field.
enum class Pick { None, Browser, Applet, Widget, Command, Members };
struct TextField {
    std::string ManagerForm::* control = nullptr;
    int col = 0;
};
struct PageFields {
    std::string_view type;
    int height;
    std::string_view loader, saver;
    std::array<TextField, 3> texts;
    Pick pick = Pick::None;
};
constexpr std::array<PageFields, kPageCount> kPages = {{
    {type::Program, 153, "Form2.ProgLoadItem", "Form2.ProgSaveItem",
     {{{&ManagerForm::prog_addr, kAddr}, {&ManagerForm::wdir, kWdir}, {&ManagerForm::param, kParam}}}, Pick::None},
    {type::File, 59, "Form2.FileLoadItem", "Form2.FileSaveItem", {{{&ManagerForm::file_addr, kAddr}}}, Pick::None},
    {type::Folder, 59, "Form2.FolderLoadItem", "Form2.FolderSaveItem", {{{&ManagerForm::folder_addr, kAddr}}},
     Pick::None},
    {type::URL, 123, "Form2.URLLoadItem", "Form2.URLSaveItem", {{{&ManagerForm::url_addr, kAddr}}}, Pick::Browser},
    {type::ControlPanelApplet, 59, "Form2.CPAppletLoadItem", "Form2.CPAppletSaveItem", {}, Pick::Applet},
    {type::Widget, 0, "Form2.WidgetLoadItem", "", {}, Pick::Widget},
    {type::Search, 0, "Form2.SearchLoadItem", "",
     {{{&ManagerForm::url_part1, kUrlp1}, {&ManagerForm::url_part2, kUrlp2}}}, Pick::None},
    {type::Command, 0, "Form2.CommandLoadItem", "", {}, Pick::Command},
    {type::MultiShortcut, 153, "Form2.MultiShortcutLoadItem", "Form2.MultiShortcutSaveItem", {}, Pick::Members},
    {type::Other, 123, "Form2.OtherLoadItem", "Form2.OtherSaveItem", {{{&ManagerForm::other_addr, kAddr}}},
     Pick::None},
}};
constexpr const PageFields& PageOf(Page page) noexcept { return kPages[static_cast<std::size_t>(page)]; }

// The first `limit` characters, never half of one.
std::string Cut(std::string_view text, std::size_t limit) { return std::string(Utf8Prefix(text, limit)); }

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

// `part` is in lower case.
bool ContainsNoCase(Text& lower, std::string_view text, std::string_view part) {
    return lower.ToLower(text).find(part) != std::string::npos;
}

}  // namespace

std::string_view PageType(Page page) noexcept { return PageOf(page).type; }
int PageHeight(Page page) noexcept { return PageOf(page).height; }

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

// A change marks the shortcut when a save would write the field: the name, and what the
// pages that save show.
void ManagerRules::FieldTyped(std::string ManagerForm::*field) noexcept {
    if (field == &ManagerForm::name) unsaved_ = true;
    for (const PageFields& page : kPages)
        for (const TextField& t : page.texts)
            if (!page.saver.empty() && t.control && t.control == field) unsaved_ = true;
}

void ManagerRules::ComboPicked(int ManagerForm::*field) noexcept {
    // Of the combos only these two are saved.
    if (field == &ManagerForm::browser || field == &ManagerForm::applet) unsaved_ = true;
}

void ManagerRules::KeepPlace(const ScreenRect& window) {
    Settings& s = app_.settings();
    s.f2top = window.top;
    s.f2left = window.left;
    s.f2height = window.bottom - window.top;
    s.f2width = window.right - window.left;
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
        if (kPages[static_cast<std::size_t>(p)].type == ty1) page = p;
    if (page < 0 && form_.type >= 0) page = static_cast<int>(TypePage(form_.type));
    if (page >= 0) {
        ShowPage(static_cast<Page>(page));
        LoadPage(static_cast<Page>(page), i);
    }
    edited_line_ = catalogue.line(i);
    unsaved_ = false;
}

void ManagerRules::LoadPage(Page page, int i) {
    const PageFields& fields = PageOf(page);
    Trace(fields.loader);
    const auto& c = app_.catalogue();
    form_.name = c.GetShPart(i, kName);
    for (const TextField& t : fields.texts)
        if (t.control) form_.*t.control = c.GetShPart(i, t.col);
    switch (fields.pick) {
        case Pick::None: break;
        case Pick::Browser: {
            // The last browser of that exact name; an empty osw leaves the first one chosen.
            const std::string osw = c.GetShPart(i, kOsw);
            if (osw.empty()) break;
            const auto last = std::find(form_.browsers.rbegin(), form_.browsers.rend(), osw);
            if (last != form_.browsers.rend()) {
                form_.browser = static_cast<int>(form_.browsers.rend() - last) - 1;
            } else {
                form_.browser = -1;
                form_.kept_browser = osw;
            }
            break;
        }
        case Pick::Applet: {
            // The last row of that exact applet file.
            const std::string addr = c.GetShPart(i, kAddr);
            const Lines& applets = app_.lists().cpapplets;
            form_.applet = -1;
            for (int r = 0; r < static_cast<int>(applets.size()); ++r)
                if (Column(applets, r, 1) == addr) form_.applet = r;
            if (form_.applet < 0) form_.kept_applet = addr;
            break;
        }
        case Pick::Widget: {
            const std::string addr = c.GetShPart(i, kAddr);
            for (std::size_t w = 0; w < form_.widgets.size(); ++w)
                if (EqualsNoCaseAscii(form_.widgets[w], addr)) form_.widget = static_cast<int>(w);
            break;
        }
        case Pick::Command: {
            const std::string addr = c.GetShPart(i, kAddr);
            for (std::size_t k = 0; k < form_.commands.size(); ++k)
                if (EqualsNoCaseAscii(form_.commands[k], addr)) {
                    form_.command = static_cast<int>(k);
                    break;
                }
            break;
        }
        case Pick::Members: form_.members = MemberNames(c.GetShPart(i, kMs)); break;
    }
    options_.color = Cut(c.GetShPart(i, kColor), 20);
    options_.cat = c.GetShPart(i, kCat);
    options_.swst = Cut(c.GetShPart(i, kSwst), 30);
    options_.vis = Cut(c.GetShPart(i, kVis), 20);
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
    // Widget, Search, Command or typed text: no position in typeCB, no field is written.
    if (form_.type >= 0 && form_.type < static_cast<int>(kManagerTypes.size())) SavePage(TypePage(form_.type), index);
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

void ManagerRules::SavePage(Page page, int index) {
    const PageFields& fields = PageOf(page);
    Trace(std::string(fields.saver) + "(index:" + std::to_string(index) + ")");
    auto save = [&](int col, std::string_view text) { app_.catalogue().SetShPart(index, col, FieldText(text)); };
    // The name as typed first, then the page's fields, then the type and the item options.
    save(kName, form_.name);
    for (const TextField& t : fields.texts)
        if (t.control) save(t.col, form_.*t.control);
    switch (fields.pick) {
        case Pick::Browser: {
            const bool has = form_.browser >= 0 && form_.browser < static_cast<int>(form_.browsers.size());
            save(kOsw, has ? form_.browsers[static_cast<std::size_t>(form_.browser)] : form_.kept_browser);
            break;
        }
        case Pick::Applet: {
            const Lines& applets = app_.lists().cpapplets;
            const bool has = form_.applet >= 0 && form_.applet < static_cast<int>(applets.size());
            save(kAddr, has ? Column(applets, form_.applet, 1) : form_.kept_applet);
            break;
        }
        case Pick::Members: save(kMs, JoinMembers(form_.members)); break;
        case Pick::None:
        case Pick::Widget:
        case Pick::Command: break;  // not saved
    }
    save(kTy1, kManagerTypes[static_cast<std::size_t>(form_.type)]);
    save(kColor, options_.color);
    save(kCat, options_.cat);
    save(kSwst, options_.swst);
    save(kVis, options_.vis);
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
    Text& text = app_.platform().text;
    const bool address = clip.find(":\\") != std::string::npos || ContainsNoCase(text, clip, "http://") ||
                         ContainsNoCase(text, clip, "www.");
    // NewShortcutDialog: the wizard starts on its first page with the address ready.
    Trace("Form2.NewShortcutDialog");
    catalogue_grew_ = true;
    // The copied address keeps its capitals: a web address or a parameter may need them.
    dialogs_.ShowWizard(address ? clip : std::string());
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
    // A name holding ";" would read back as two members; the chooser has told the user.
    bool added = false;
    for (const std::string& name : names)
        if (FitsAsMember(name)) {
            form_.members.push_back(name);
            added = true;
        }
    if (added) unsaved_ = true;
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
