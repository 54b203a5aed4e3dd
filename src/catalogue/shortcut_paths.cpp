#include "catalogue/shortcut_paths.h"

#include "catalogue/shortcut_record.h"
#include "platform/ascii.h"
#include "platform/trace.h"
#include "platform/utf8.h"

namespace vtx {

std::string ResolveShortcutTarget(Platform& p, const std::string& path) {
    Trace("Form1.ResolveShortcutTarget(path:" + path + ")");
    if (UpperAscii(ExtensionOf(path)) != ".LNK") return std::string(kNotAShortcut);
    // The shell-link object reads at most a path of 260 characters.
    if (Utf8Length(path) >= 260) return {};
    return p.shell.ResolveLink(path);
}

std::string BaseNameOf(std::string_view path) {
    const auto slash = path.find_last_of("\\/");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const auto dot = name.rfind('.');
    return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

std::string FolderOf(std::string_view path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string_view ExtensionOf(std::string_view path) noexcept {
    const auto slash = path.find_last_of("\\/");
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
    return path.substr(dot);
}

std::string DropType(Platform& p, const std::string& path) {
    if (p.files.FileExists(path)) return LowerAscii(ExtensionOf(path)) == ".exe" ? "Program" : "File";
    if (p.files.FolderExists(path)) return "Folder";
    return {};
}

std::string ResolveDroppedPath(Platform& p, const std::string& path) {
    if (ExtensionOf(path) != ".lnk") return path;
    const std::string target = ResolveShortcutTarget(p, path);
    if (p.text.ToLower(target).find("windows\\installer") != std::string::npos) return path;
    // A target that would not fit a field keeps the link itself as the address.
    return target.empty() || !FitsInField(target) ? path : target;
}

bool FitsInField(std::string_view text) noexcept { return text.find_first_of("|\r\n") == std::string_view::npos; }

void CheckNameTaken(const Catalogue& catalogue, Text& text, std::string_view name, bool& warning) {
    if (catalogue.size() == 0) return;
    // As the name will be stored: lower-cased, a "|" turned into a blank.
    const std::string lower = FieldText(text.ToLower(name));
    // Stored names keep the case they were typed in (the manager does not lower them), and
    // the launcher finds them in any case: both sides are lower-cased. One call for every
    // name, each ended by "|", which no name holds and lower-casing leaves alone.
    std::string names;
    for (const std::string& line : catalogue.lines()) names.append(FieldOf(line, kName)).push_back('|');
    const std::string lowered = text.ToLower(names);
    warning = false;
    for (std::size_t start = 0; start < lowered.size();) {
        const std::size_t end = lowered.find('|', start);
        if (end == std::string::npos) break;
        if (std::string_view(lowered).substr(start, end - start) == lower) {
            warning = true;
            return;
        }
        start = end + 1;
    }
}

std::string QuickRecord(Platform& p, const std::string& name, const std::string& address, const std::string& type) {
    Fields f = NewRecord(FieldText(p.text.ToLower(name)), FieldText(p.text.ToLower(address)), FieldText(type));
    f[kWdir] = FieldText(p.text.ToLower(FolderOf(address)));
    return JoinRecord(f);
}

}  // namespace vtx
