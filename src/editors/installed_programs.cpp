#include "editors/installed_programs.h"

#include <vector>

#include "catalogue/shortcut_paths.h"
#include "platform/ascii.h"
#include "platform/trace.h"

namespace vtx {

Lines SortedLines::lines() const {
    Lines out;
    out.reserve(items_.size());
    for (const auto& item : items_) out.push_back(item.second);
    return out;
}

const std::vector<std::string_view>& ScanFilterWords() {
    static const std::vector<std::string_view> words{
        "Uninstall", "Remove", "Setup", "Register", ".txt", "readme", "licence",
        "kaldır", "ürün kaydı", "release notes", "benioku", "unlock full version",
        "user guide", "user's guide", " manual", "kullanıcı kılavuzu",
    };
    return words;
}

namespace {

// Deeper than any real Start menu; a folder loop through links or junctions stops here.
constexpr int kMaxFolderDepth = 32;

bool MatchesPattern(std::string_view name, std::string_view pattern) {
    if (pattern == "*" || pattern == "*.*") return true;
    if (StartsWith(pattern, "*")) return EndsWith(LowerAscii(name), LowerAscii(pattern.substr(1)));
    return EqualsNoCaseAscii(name, pattern);
}

void FindIn(Platform& p, InstalledPrograms& programs, std::string folder, const std::string& pattern,
            std::set<std::string>& seen, int depth, const std::function<void()>& pump) {
    if (!EndsWith(folder, "\\")) folder += '\\';
    if (depth > kMaxFolderDepth || !seen.insert(p.text.ToLower(folder)).second) return;
    if (pump) pump();  // a cold walk of a large menu takes long too
    const auto entries = p.files.ListFolder(folder);
    std::vector<std::string> subfolders;
    for (const auto& e : entries) {
        if (e.is_folder) {
            if (!e.name.empty() && e.name.front() != '.') subfolders.push_back(folder + e.name);
        } else if (MatchesPattern(e.name, pattern)) {
            programs.found.Insert(p.text, folder + e.name);
        }
    }
    for (const auto& sub : subfolders) FindIn(p, programs, sub, pattern, seen, depth + 1, pump);
}

bool HasFilterWord(Platform& p, std::string_view file_name) {
    const std::string lower = p.text.ToLower(file_name);
    for (std::string_view word : ScanFilterWords())
        if (lower.find(p.text.ToLower(word)) != std::string::npos) return true;
    return false;
}

std::string FileNameOf(std::string_view path) {
    const auto slash = path.find_last_of('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// Uninstallers ("unins000.exe", "Uninstall.exe") and this program, told by the target's own
// file name: a folder such as "Uninstall Helper" or a program named "devtx.exe" is none of them.
bool IsUninstallerOrThisProgram(std::string_view lower_name, std::string_view lower_path,
                                std::string_view lower_own_exe) {
    return lower_name.find("unins") != std::string_view::npos || lower_name == "vtx.exe" ||
           lower_name == "vantrix.exe" || lower_path == lower_own_exe;
}

}  // namespace

void FindLinkFiles(Platform& p, InstalledPrograms& programs, const std::string& folder, const std::string& pattern,
                   const std::function<void()>& pump) {
    Trace("Form1.FindLinkFiles(folder:" + folder + "; pattern:" + pattern + ")");
    std::set<std::string> seen;
    FindIn(p, programs, folder, pattern, seen, 0, pump);
}

void ScanInstalledPrograms(Platform& p, InstalledPrograms& programs, const std::function<void()>& pump) {
    Trace("Form1.ScanInstalledPrograms");
    // Every list is made afresh, so a program uninstalled since the last scan is no longer offered.
    programs.found.Clear();
    programs.map.Clear();
    programs.names.Clear();
    const std::string own_exe = p.text.ToLower(p.system.ExecutablePath());
    for (int csidl : {kStartMenuFolder, kCommonStartMenuFolder}) {
        const std::string folder = p.system.SpecialFolder(csidl);
        if (!folder.empty()) FindLinkFiles(p, programs, folder, "*.lnk", pump);
    }
    for (const std::string& link : programs.found.lines()) {
        const std::string target = ResolveShortcutTarget(p, link);
        // Windows names programs ".exe" and ".EXE" alike.
        if (!EqualsNoCaseAscii(ExtensionOf(target), ".exe")) continue;
        const std::string lower_target = p.text.ToLower(target);
        if (IsUninstallerOrThisProgram(FileNameOf(lower_target), lower_target, own_exe)) continue;
        const std::string name = FileNameOf(link);
        if (HasFilterWord(p, name)) continue;
        if (pump) pump();
        const std::string base = p.text.ToLower(BaseNameOf(name));
        const bool installer =
            EqualsNoCaseAscii(ExtensionOf(link), ".lnk") && lower_target.find("windows\\installer") != std::string::npos;
        const std::string path = installer ? p.text.ToLower(link) : lower_target;
        // A line must keep one "=" between name and path to be looked up again.
        if (!FitsInField(path)) continue;
        programs.map.Insert(p.text, base + "=" + path);
        programs.names.Insert(p.text, base);
    }
}

std::string InstalledProgramPath(const InstalledPrograms& programs, std::string_view name) {
    const std::string head = std::string(name) + "=";
    for (const std::string& line : programs.map.lines())
        if (StartsWith(line, head)) return line.substr(head.size());
    return {};
}

}  // namespace vtx
