#include "catalogue/catalogue_store.h"

#include "catalogue/web_addresses.h"
#include "platform/ascii.h"
#include "platform/trace.h"

namespace vtx {
namespace {

std::string InFolder(const std::string& folder, std::string_view file) { return folder + std::string(file); }

// Type and working folder of an old "name=path" entry; the first matching rule wins.
struct OldEntryKind {
    std::string_view type;
    std::string wdir;
};

OldEntryKind KindOf(const std::string& path, Files& files) {
    // The extension tests are exact: "PROGRAM.EXE" is not a program here.
    if (EndsWith(path, ".exe")) {
        const auto slash = path.rfind('\\');
        return {type::Program, slash == std::string::npos ? std::string() : path.substr(0, slash + 1)};
    }
    if (EndsWith(path, ".cpl")) return {type::ControlPanelApplet, {}};
    // Before the file test: a file inside a "WWW" folder still counts as a web address.
    if (LowerAscii(path).find("www") != std::string::npos) return {type::URL, {}};
    if (files.FileExists(path)) return {type::File, {}};
    if (files.FolderExists(path)) return {type::Folder, {}};
    return {type::Other, {}};
}

std::string DefaultRecord(std::string_view name, std::string_view addr, std::string_view swst, std::string_view ty1,
                          std::string_view color, std::string_view osw) {
    Fields f = NewRecord(name, addr, ty1);
    f[kSwst] = swst;
    f[kColor] = color;
    f[kOsw] = osw;
    return JoinRecord(f);
}

void ReportUnreadable(Catalogue& catalogue, Platform& platform) {
    Trace("Form1.LoadCatalogue: shortcuts list unreadable", 0);
    catalogue.Clear();
    platform.prompts.Message(std::string(kCatalogueUnreadableMessage));
}

}  // namespace

CatalogueSource LoadCatalogue(Catalogue& catalogue, Platform& platform, const std::string& data_folder,
                              const std::string& program_folder) {
    Files& files = platform.files;

    LinesRead data = ReadLines(files, InFolder(data_folder, kCatalogueFile));
    if (data.status == ReadStatus::Ok) {
        catalogue.lines() = std::move(data.lines);
        return CatalogueSource::DataFolder;
    }
    if (data.status == ReadStatus::Unreadable) {
        ReportUnreadable(catalogue, platform);
        return CatalogueSource::Unreadable;
    }

    // The Program folder's copies are fallbacks; an unreadable one is protected as well,
    // because saving a new list2.ini in the Data folder would hide it from every later start.
    LinesRead shipped = ReadLines(files, InFolder(program_folder, kCatalogueFile));
    if (shipped.status == ReadStatus::Ok) {
        catalogue.lines() = std::move(shipped.lines);
        return CatalogueSource::ProgramFolder;
    }
    if (shipped.status == ReadStatus::Unreadable) {
        ReportUnreadable(catalogue, platform);
        return CatalogueSource::Unreadable;
    }

    LinesRead old = ReadLines(files, InFolder(program_folder, kOldCatalogueFile));
    if (old.status == ReadStatus::Ok) {
        ConvertOldList(catalogue, files, old.lines);
        return CatalogueSource::Converted;
    }
    if (old.status == ReadStatus::Unreadable) {
        ReportUnreadable(catalogue, platform);
        return CatalogueSource::Unreadable;
    }

    catalogue.Clear();
    FillListbox1Default(catalogue);
    return CatalogueSource::Default;
}

void ConvertOldList(Catalogue& catalogue, Files& files, const Lines& old_lines) {
    Trace("Form1.ConvertOldList");
    catalogue.Clear();
    for (const auto& line : old_lines) {
        const auto eq = line.find('=');
        // A line without "=" gives an empty name and an empty path.
        const std::string name = eq == std::string::npos ? std::string() : line.substr(0, eq);
        const std::string path = eq == std::string::npos ? std::string() : line.substr(eq + 1);
        OldEntryKind kind = KindOf(path, files);
        Fields f = NewRecord(name, path, kind.type);
        f[kWdir] = std::move(kind.wdir);
        catalogue.Append(JoinRecord(f));
    }
}

void FillListbox1Default(Catalogue& catalogue) {
    Trace("Form1.FillListbox1Default");
    catalogue.Append(DefaultRecord("c", "c:\\", "SW_SHOWMAXIMIZED", type::Folder, "Purple", ""));
    catalogue.Append(DefaultRecord("calc", "calc", "SW_SHOWNORMAL", type::Other, "Orange", ""));
    catalogue.Append(DefaultRecord("d", "d:\\", "SW_SHOWNORMAL", type::Folder, "None", ""));
    catalogue.Append(DefaultRecord("vtx on the web", web::kProductPage, "SW_SHOWNORMAL", type::URL, "None", "firefox"));
}

bool SaveShortcutList(const Catalogue& catalogue, Platform& platform, const std::string& data_folder) {
    Trace("Form1.SaveShortcutList");
    if (WriteLines(platform.files, InFolder(data_folder, kCatalogueFile), catalogue.lines())) return true;
    platform.prompts.Message(std::string(kCatalogueSaveFailedMessage));
    return false;
}

void BackUpCatalogue(Files& files, const std::string& data_folder) {
    const FileRead list = files.ReadFile(InFolder(data_folder, kCatalogueFile));
    // A backup that cannot be written is not worth bothering the user about.
    if (list.ok()) (void)files.WriteFileAtomic(InFolder(data_folder, kCatalogueBackupFile), list.bytes);
}

CatalogueSource CatalogueStore::LoadCatalogue(Catalogue& catalogue) {
    const CatalogueSource source = vtx::LoadCatalogue(catalogue, platform_, data_folder_, program_folder_);
    protect_list_ = source == CatalogueSource::Unreadable;
    backup_pending_ = source == CatalogueSource::DataFolder;
    return source;
}

void CatalogueStore::TakeBackup() {
    if (!backup_pending_) return;
    backup_pending_ = false;
    BackUpCatalogue(platform_.files, data_folder_);
}

bool CatalogueStore::SaveShortcutList(const Catalogue& catalogue) {
    TakeBackup();
    if (protect_list_) {
        Trace("Form1.SaveShortcutList: skipped, the list on disk could not be read", 0);
        return false;
    }
    return vtx::SaveShortcutList(catalogue, platform_, data_folder_);
}

}  // namespace vtx
