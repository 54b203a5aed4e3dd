#pragma once
// The start-with-Windows entry: the Run key value "ovvtx" whose data starts the program
// hidden: the quoted path of the executable, then " ns".

#include <string>

#include "platform/platform.h"

namespace vtx {

inline constexpr const char* kRunValueName = "ovvtx";

// The data of the Run key value for this executable: its path in double quotes, then " ns".
[[nodiscard]] std::string StartupCommand(const std::string& exe_path);

// Writes the entry for all users; a user who may not write HKEY_LOCAL_MACHINE gets it under
// HKEY_CURRENT_USER instead, so the program still starts with Windows.
void AddToStartup(Registry& registry, const std::string& exe_path);

// Deletes the entry from both hives where it exists.
void RemoveFromStartup(Registry& registry);

}  // namespace vtx
