#pragma once
// The small pick lists beside the Catalogue: colour-label words, control-panel applets,
// commands, standard programs, the browser list and a few lists that are only carried.
// All live in the Data folder; three of them have built-in rows when their file is missing.

#include <set>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "platform/text_file.h"

namespace vtx {

inline constexpr std::string_view kColorLabelsFile = "colorlabels.ini";
inline constexpr std::string_view kCategoriesFile = "categories.ini";
inline constexpr std::string_view kSearchStringsFile = "searchstr.ini";
inline constexpr std::string_view kAppletsFile = "cpapplets.ini";
inline constexpr std::string_view kCommandsFile = "commands.ini";
inline constexpr std::string_view kStandardProgramsFile = "defprogs.ini";
inline constexpr std::string_view kProgramNamesFile = "prognames.ini";
inline constexpr std::string_view kProgramCategoriesFile = "progcats.ini";
inline constexpr std::string_view kInstalledProgramsFile = "insprogs.ini";
inline constexpr std::string_view kBrowsersFile = "browsers.ini";

struct ReferenceLists {
    Lines colorlabels;  // colour=word
    Lines categories;   // carried only
    Lines searchstr;    // carried only
    Lines cpapplets;    // display name|applet file
    Lines commands;     // command name=value
    Lines defprogs;     // display name|command
    Lines prognames;    // carried only
    Lines progcats;     // carried only
    Lines insprogs;     // carried only
    Lines browsers;     // browser name|program path
    Lines minims;       // name=value; nothing fills it

    // Files that existed but could not be read at start: never overwritten in this run.
    std::set<std::string> unreadable_files;
};

// Built-in rows used when the file is missing.
[[nodiscard]] const Lines& BuiltInColorLabels();
[[nodiscard]] const Lines& BuiltInApplets();
[[nodiscard]] const Lines& BuiltInStandardPrograms();

// Fills every list from the Data folder (browsers.ini falls back to the Program folder).
// Folders end with "\".
void LoadSTRLs(ReferenceLists& lists, Platform& platform, const std::string& data_folder,
               const std::string& program_folder);

// Would fill the Minim list; there are no Minims, so the list stays empty.
void GetWidgetsList();

// The lists written when the program closes: colorlabels.ini, cpapplets.ini, defprogs.ini,
// in that order. A file that cannot be written is skipped silently.
void SaveShutdownLists(const ReferenceLists& lists, Platform& platform, const std::string& data_folder);

// Writes the browser list to the Data folder's browsers.ini; false (silently) when it could
// not be written or the file could not be read at start.
bool SaveBrowserList(const ReferenceLists& lists, Platform& platform, const std::string& data_folder);

// Column `col` (from 0) of line `row` of a "|" list; empty for a missing row or column.
[[nodiscard]] std::string Column(const Lines& list, int row, int col);
// The text before the first "=" of line `row`; empty for a missing row or a line without "=".
[[nodiscard]] std::string NameOf(const Lines& list, int row);

// Makes the browser at `exe_path` the only entry, named after its file without extension.
void SetDefaultBrowser(Lines& browsers, const std::string& exe_path);

}  // namespace vtx
