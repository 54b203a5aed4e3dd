#pragma once
// Which icon the result list shows for a path. The decision is portable: it yields the
// places to extract a small icon from, in order; the window takes the first that gives
// one. Nothing is cached: each paint asks again.

#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace vtx {

struct IconCandidate {
    std::string source;  // a file holding icons (program, library, ".ico")
    int index = 0;       // icon index in it; negative numbers name a resource id
    bool operator==(const IconCandidate&) const = default;
};

// The extension of a path's file name, from its last ".", dot included, in upper case;
// empty when the file name has no ".".
[[nodiscard]] std::string UpperExtension(std::string_view path);

// The icon index of the system's SHELL32.DLL for an extension ("" when none), used when
// nothing better is found; `is_folder` picks the folder icon for anything unlisted.
[[nodiscard]] int Shell32IconIndex(std::string_view upper_ext, bool is_folder) noexcept;

// `GetFileIcon`'s candidates for `path`: the file itself (an existing ".EXE" or ".ICO"),
// else the registered DefaultIcon of its file type (or the path itself when the type has
// none), then always the SHELL32.DLL fallback of `system_folder` (the Windows system
// folder; empty when it could not be obtained).
[[nodiscard]] std::vector<IconCandidate> GetFileIconCandidates(const std::string& path, Files& files,
                                                               Registry& registry,
                                                               const std::string& system_folder);

}  // namespace vtx
