#include "catalogue/reference_lists.h"

#include "catalogue/shortcut_record.h"
#include "platform/trace.h"

namespace vtx {
namespace {

std::string InFolder(const std::string& folder, std::string_view file) { return folder + std::string(file); }

// Reads one list from its file. A missing file gives the built-in rows (if any); so does
// an unreadable one, which is also remembered so that no save replaces it in this run.
void LoadList(Lines& list, ReferenceLists& lists, Files& files, const std::string& folder, std::string_view file,
              const Lines* built_in = nullptr) {
    LinesRead r = ReadLines(files, InFolder(folder, file));
    if (r.ok()) {
        list = std::move(r.lines);
        return;
    }
    if (r.status == ReadStatus::Unreadable) lists.unreadable_files.emplace(file);
    if (built_in) list.insert(list.end(), built_in->begin(), built_in->end());
}

bool SaveList(const ReferenceLists& lists, const Lines& list, Files& files, const std::string& folder,
              std::string_view file) {
    if (lists.unreadable_files.count(std::string(file))) return false;
    return WriteLines(files, InFolder(folder, file), list);
}

}  // namespace

const Lines& BuiltInColorLabels() {
    static const Lines rows{"Red=Important", "Orange=Orange", "Yellow=Yellow",    "Green=Green",
                            "Blue=Blue",     "Purple=Purple", "Gray=Temporary"};
    return rows;
}

const Lines& BuiltInApplets() {
    static const Lines rows{
        "Display properties|desk.cpl",
        "Add and remove programs|appwiz.cpl",
        "Time and date|timedate.cpl",
        "Accessibility options|access.cpl",
        "System properties|sysdm.cpl",
        "Game controlers|joy.cpl",
        "Telephone and modem settings|telephon.cpl",
        "Internet|inetcpl.cpl",
        "International settings|intl.cpl",
        "Mouse|main.cpl",
        "Multimedia|mmsys.cpl",
        "Power configuration|powercfg.cpl",
    };
    return rows;
}

const Lines& BuiltInStandardPrograms() {
    static const Lines rows{
        "Paint|mspaint",
        "Calculator|calc",
        "Fonts Folder|fonts",
        "WordPad|wordpad",
        "NotePad|notepad",
        "Internet Explorer|iexplore",
        "Character Map|charmap",
        "Sound Volume|sndvol32",
        "Sound Recorder|sndrec32",
        "Magnifier|magnify",
        "Accessibility Wizard|accwiz",
        "Task Manager|taskmgr",
        "Registry Editor|regedit",
        "System Configuration Utility|msconfig",
        "DirectX Diagnostics Tool|dxdiag",
        "Command Prompt|cmd",
        "Disk Defragmenter|dfrg.msc",
        "Computer Management|compmgmt.msc",
        "Services|services.msc",
        "Device Manager|devmgmt.msc",
        "Disk Management|diskmgmt.msc",
        "Event Manager|eventvwr.msc",
        "System Information|msinfo32",
        "Open Default Email Client|mailto:",
    };
    return rows;
}

void LoadSTRLs(ReferenceLists& lists, Platform& platform, const std::string& data_folder,
               const std::string& program_folder) {
    Trace("Form1.LoadSTRLs");
    Files& files = platform.files;
    LoadList(lists.colorlabels, lists, files, data_folder, kColorLabelsFile, &BuiltInColorLabels());
    LoadList(lists.categories, lists, files, data_folder, kCategoriesFile);
    LoadList(lists.searchstr, lists, files, data_folder, kSearchStringsFile);
    LoadList(lists.cpapplets, lists, files, data_folder, kAppletsFile, &BuiltInApplets());
    LoadList(lists.commands, lists, files, data_folder, kCommandsFile);
    LoadList(lists.defprogs, lists, files, data_folder, kStandardProgramsFile, &BuiltInStandardPrograms());
    LoadList(lists.prognames, lists, files, data_folder, kProgramNamesFile);
    LoadList(lists.progcats, lists, files, data_folder, kProgramCategoriesFile);
    LoadList(lists.insprogs, lists, files, data_folder, kInstalledProgramsFile);

    // The browser list falls back to the copy shipped beside the program; it is only ever
    // written to the Data folder.
    LinesRead browsers = ReadLines(files, InFolder(data_folder, kBrowsersFile));
    if (browsers.status == ReadStatus::Unreadable) lists.unreadable_files.emplace(kBrowsersFile);
    if (!browsers.ok()) browsers = ReadLines(files, InFolder(program_folder, kBrowsersFile));
    if (browsers.ok()) lists.browsers = std::move(browsers.lines);
}

void GetWidgetsList() { Trace("Form1.GetWidgetsList"); }

void SaveShutdownLists(const ReferenceLists& lists, Platform& platform, const std::string& data_folder) {
    Trace("Form1.SaveShutdownLists");
    // Each file stands alone: one that cannot be written does not stop the others.
    (void)SaveList(lists, lists.colorlabels, platform.files, data_folder, kColorLabelsFile);
    (void)SaveList(lists, lists.cpapplets, platform.files, data_folder, kAppletsFile);
    (void)SaveList(lists, lists.defprogs, platform.files, data_folder, kStandardProgramsFile);
}

bool SaveBrowserList(const ReferenceLists& lists, Platform& platform, const std::string& data_folder) {
    return SaveList(lists, lists.browsers, platform.files, data_folder, kBrowsersFile);
}

std::string Column(const Lines& list, int row, int col) {
    if (row < 0 || row >= static_cast<int>(list.size())) return {};
    return std::string(CutPiece(list[static_cast<std::size_t>(row)], '|', col));
}

std::string NameOf(const Lines& list, int row) {
    if (row < 0 || row >= static_cast<int>(list.size())) return {};
    const std::string& line = list[static_cast<std::size_t>(row)];
    const auto eq = line.find('=');
    return eq == std::string::npos ? std::string() : line.substr(0, eq);
}

void SetDefaultBrowser(Lines& browsers, const std::string& exe_path) {
    const auto slash = exe_path.find_last_of("\\/:");
    std::string name = slash == std::string::npos ? exe_path : exe_path.substr(slash + 1);
    if (const auto dot = name.rfind('.'); dot != std::string::npos) name.erase(dot);
    browsers.clear();
    browsers.push_back(name + "|" + exe_path);
}

}  // namespace vtx
