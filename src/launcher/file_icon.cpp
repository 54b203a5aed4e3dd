#include "launcher/file_icon.h"

#include <array>

#include "platform/ascii.h"

namespace vtx {
namespace {

// The integer after the "," of a DefaultIcon value. Blanks around it are allowed; any
// other text that is not a whole decimal number (minus sign allowed) reads as 0.
int IconIndexOf(std::string_view text) noexcept {
    int value = 0;
    const std::string trimmed = TrimBlanks(text);
    return ParseInt(trimmed, value) ? value : 0;
}

}  // namespace

std::string UpperExtension(std::string_view path) {
    const auto last = path.find_last_of(".\\:");
    if (last == std::string_view::npos || path[last] != '.') return {};
    return UpperAscii(path.substr(last));
}

int Shell32IconIndex(std::string_view upper_ext, bool is_folder) noexcept {
    struct Entry {
        std::string_view ext;
        int index;
    };
    static constexpr std::array<Entry, 16> kTable{{
        {".DOC", 1}, {".EXE", 2}, {".COM", 2}, {".HLP", 23}, {".INI", 63}, {".INF", 63}, {".TXT", 64}, {".BAT", 65},
        {".DLL", 66}, {".SYS", 66}, {".VBX", 66}, {".OCX", 66}, {".VXD", 66}, {".FON", 67}, {".TTF", 68}, {".FOT", 69},
    }};
    for (const auto& e : kTable)
        if (e.ext == upper_ext) return e.index;
    return is_folder ? 3 : 0;
}

std::vector<IconCandidate> GetFileIconCandidates(const std::string& path, Files& files, Registry& registry,
                                                 const std::string& system_folder) {
    std::vector<IconCandidate> out;
    const std::string ext = UpperExtension(path);
    if ((ext == ".EXE" || ext == ".ICO") && files.FileExists(path)) {
        out.push_back({path, 0});
    } else {
        std::string source = path;
        // Programs are looked up under ".COM": ".EXE" types usually name no icon of their own.
        const std::string key = ext == ".EXE" ? ".COM" : ext;
        if (!key.empty()) {
            const auto type_class = registry.ClassesRootDefault(key);
            if (type_class && !type_class->empty()) {
                if (auto icon = registry.ClassesRootDefault(*type_class + "\\DefaultIcon")) source = std::move(*icon);
            }
        }
        int index = 0;
        if (const auto comma = source.find(','); comma != std::string::npos) {
            index = IconIndexOf(std::string_view(source).substr(comma + 1));
            source.resize(comma);
        }
        if (!source.empty()) out.push_back({std::move(source), index});
    }
    const std::string folder = system_folder.empty() ? std::string("C:\\WINDOWS\\SYSTEM") : system_folder;
    out.push_back({folder + "\\SHELL32.DLL", Shell32IconIndex(ext, files.FolderExists(path))});
    return out;
}

}  // namespace vtx
