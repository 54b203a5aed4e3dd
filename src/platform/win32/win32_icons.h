#pragma once
#include "platform/win32/windows_api.h"

#include <string>

#include "platform/win32/handles.h"

namespace vtx::win32 {

// The small icon at index in an icon source (an .exe, .dll or .ico file); none when the
// source holds no such icon.
[[nodiscard]] UniqueIcon ExtractSmallIcon(const std::string& source, int index);

}  // namespace vtx::win32
