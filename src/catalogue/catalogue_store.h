#pragma once
// Where the Catalogue comes from at start-up and where it goes at the end: list2.ini in the
// Data folder (with a backup copy taken on every load), the Program folder's copy as a
// fallback, the old list1.ini converted, or the four default records.
// Loading never refills the main list; the caller runs FillMainListBox afterwards.

#include <string>
#include <string_view>
#include <utility>

#include "catalogue/catalogue.h"
#include "platform/platform.h"
#include "platform/text_file.h"

namespace vtx {

inline constexpr std::string_view kCatalogueFile = "list2.ini";
inline constexpr std::string_view kCatalogueBackupFile = "previous-list2.ini";
inline constexpr std::string_view kOldCatalogueFile = "list1.ini";

inline constexpr std::string_view kCatalogueUnreadableMessage =
    "The shortcuts list could not be read; it will not be overwritten when Vantrix ends.";
inline constexpr std::string_view kCatalogueSaveFailedMessage = "ERROR! Can not save shortcuts list!";

enum class CatalogueSource { DataFolder, ProgramFolder, Converted, Default, Unreadable };

// Fills the Catalogue, first source that exists wins: the Data folder's list2.ini, the Program folder's list2.ini,
// the Program folder's list1.ini converted, the default records. A source that exists but
// cannot be read leaves the Catalogue empty, tells the user once and returns Unreadable.
// Folders end with "\".
[[nodiscard]] CatalogueSource LoadCatalogue(Catalogue& catalogue, Platform& platform, const std::string& data_folder,
                                            const std::string& program_folder);

// Copies the Data folder's list2.ini, byte for byte, to previous-list2.ini (replaced whole);
// a backup that cannot be written is skipped without a word.
void BackUpCatalogue(Files& files, const std::string& data_folder);

// Replaces the Catalogue with the records converted from old "name=path" lines. The file and
// folder tests of the typing rules ask `files`.
void ConvertOldList(Catalogue& catalogue, Files& files, const Lines& old_lines);

// Appends the four default records.
void FillListbox1Default(Catalogue& catalogue);

// Writes the whole Catalogue to the Data folder's list2.ini; on failure shows
// "ERROR! Can not save shortcuts list!" and leaves the old file as it was.
[[nodiscard]] bool SaveShortcutList(const Catalogue& catalogue, Platform& platform, const std::string& data_folder);

// Load and save for one run. Remembers when the list on disk could not be read, so that the
// save at the end of that run does not replace it with what little the run knew. A list loaded
// from the Data folder is backed up by TakeBackup, which start-up leaves for its first idle
// moment (at 100,000 shortcuts writing the copy is a good part of the start); the first save
// takes it before replacing the file, so the backup is always the list the run started from.
class CatalogueStore {
public:
    CatalogueStore(Platform& platform, std::string data_folder, std::string program_folder)
        : platform_(platform), data_folder_(std::move(data_folder)), program_folder_(std::move(program_folder)) {}

    [[nodiscard]] CatalogueSource LoadCatalogue(Catalogue& catalogue);
    // False when nothing was written: the save failed (the user was told) or the list on
    // disk is protected for this run (the user was told at start).
    bool SaveShortcutList(const Catalogue& catalogue);
    // Writes the backup of the list loaded, once; nothing when there is none to take.
    void TakeBackup();

    [[nodiscard]] bool protects_list() const noexcept { return protect_list_; }

private:
    Platform& platform_;
    std::string data_folder_;
    std::string program_folder_;
    bool protect_list_ = false;
    bool backup_pending_ = false;
};

}  // namespace vtx
