#pragma once
// The installed-programs scan: every shell link under the user's and the shared Start
// menu that starts a program, less uninstallers, set-ups, read-mes, manuals and Vantrix
// itself. Every scan makes all three lists afresh.

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "platform/platform.h"
#include "platform/text_file.h"

namespace vtx {

inline constexpr int kStartMenuFolder = 11;           // the user's Start menu
inline constexpr int kCommonStartMenuFolder = 22;     // the Start menu of all users

// Lines kept in the user's collation, case ignored, exact duplicates dropped.
class SortedLines {
public:
    void Insert(Text& text, const std::string& line) { items_.emplace(text.SortKey(line), line); }
    void Clear() noexcept { items_.clear(); }
    [[nodiscard]] std::size_t size() const noexcept { return items_.size(); }
    [[nodiscard]] Lines lines() const;

private:
    std::set<std::pair<std::string, std::string>> items_;  // (sort key, line)
};

struct InstalledPrograms {
    SortedLines found;  // paths of the link files of the last scan
    SortedLines map;    // name=path, lower-cased
    SortedLines names;  // lower-cased
};

// The filter words of a link's file name, as stored (the Turkish ones in Windows-1254 bytes).
[[nodiscard]] const std::vector<std::string_view>& ScanFilterWords();

// Adds every file of `folder` and of its subfolders that matches `pattern` ("*.ext" or "*").
// Subfolders whose name begins with "." are not searched; a folder already searched in
// this call (a link or junction back up the tree) is not searched again. `pump` runs once
// for every folder searched.
void FindLinkFiles(Platform& p, InstalledPrograms& programs, const std::string& folder,
                   const std::string& pattern, const std::function<void()>& pump = {});

// The whole scan; the lists hold what the Start menus hold now. `pump` lets pending window messages be handled; it runs once for every
// folder searched and for every link kept, so the windows keep repainting through a long scan.
void ScanInstalledPrograms(Platform& p, InstalledPrograms& programs, const std::function<void()>& pump);

// The path the map gives `name` (empty when the name is not there).
[[nodiscard]] std::string InstalledProgramPath(const InstalledPrograms& programs, std::string_view name);

}  // namespace vtx
