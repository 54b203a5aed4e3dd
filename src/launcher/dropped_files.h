#pragma once
// Files dropped on the launcher window: the quick add of the first dropped path.

#include <string>

#include "app/dialogs.h"
#include "catalogue/shortcut_paths.h"
#include "launcher/launcher_rules.h"
#include "platform/platform.h"

namespace vtx {

// The longest dropped path taken, in characters; a longer one is never cut to a different path.
inline constexpr std::size_t kMaxDroppedPath = 511;

// A drop over one of the launcher's drop targets, with its first dropped path, whole.
// Returns true when a shortcut was added at once.
bool HandleDroppedFile(LauncherRules& launcher, Dialogs& dialogs, const std::string& path);

}  // namespace vtx
