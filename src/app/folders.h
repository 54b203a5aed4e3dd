#pragma once
// The folders the program works in. Each path ends with "\".

#include <string>

#include "platform/platform.h"

namespace vtx {

struct Folders {
    std::string program;  // the executable's folder: read-only content and fallback copies
    std::string appdata;  // the user's application-data folder
    std::string data;     // appdata + "Orvane\VTX\": every file the program writes
};

// Without an application-data folder the Program folder stands in for it, so every
// path stays usable.
[[nodiscard]] Folders ResolveFolders(System& system);

// Creates the Data folder and its parent; a failure shows up later as a failed save.
void CreateDataFolder(Files& files, const Folders& folders);

}  // namespace vtx
