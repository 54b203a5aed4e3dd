#pragma once
// What a path makes as a shortcut: the target of a shell link, the name, folder and
// extension of a path, its type, and the record a quick add appends.

#include <string>
#include <string_view>

#include "catalogue/catalogue.h"
#include "platform/platform.h"

namespace vtx {

inline constexpr std::string_view kNotAShortcut = "NOT a shortuct by extension!";

// The target of a shell link; kNotAShortcut when the extension, upper-cased, is not ".LNK";
// empty when the link cannot be read.
[[nodiscard]] std::string ResolveShortcutTarget(Platform& p, const std::string& path);

// The file name of a path without its extension, and the folder with its trailing "\".
[[nodiscard]] std::string BaseNameOf(std::string_view path);
[[nodiscard]] std::string FolderOf(std::string_view path);
// The extension with its dot ("" when none), taken from the file name only.
[[nodiscard]] std::string_view ExtensionOf(std::string_view path) noexcept;

// "Program", "File", "Folder", or empty for a path that is neither file nor folder.
[[nodiscard]] std::string DropType(Platform& p, const std::string& path);

// A dropped ".lnk" (that exact extension) becomes its target, unless the target lies in
// an installer's folder or cannot be read.
[[nodiscard]] std::string ResolveDroppedPath(Platform& p, const std::string& path);

// Whether a text can stand in a record field without changing the line's shape: no "|"
// and no line break.
[[nodiscard]] bool FitsInField(std::string_view text) noexcept;

// The name warning of the quick-add dialog and the wizard: whether a line's name equals
// `name` without regard to case (the locale's lower-casing on both sides). An empty
// catalogue leaves the warning as it was.
void CheckNameTaken(const Catalogue& catalogue, Text& text, std::string_view name, bool& warning);

// The record a drop or the quick-add dialog appends.
[[nodiscard]] std::string QuickRecord(Platform& p, const std::string& name, const std::string& address,
                                      const std::string& type);

}  // namespace vtx
