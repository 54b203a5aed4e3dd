#pragma once
#include "platform/win32/windows_api.h"

#include <string>

#include "platform/win32/handles.h"

namespace vtx::win32 {

// The small icon at index in an icon source (an .exe, .dll or .ico file); none when the
// source holds no such icon.
[[nodiscard]] UniqueIcon ExtractSmallIcon(const std::string& source, int index);
// The same, in the large size.
[[nodiscard]] UniqueIcon ExtractLargeIcon(const std::string& source, int index);
// The shell's large stock icon with an SHSTOCKICONID; none when this shell lacks it.
[[nodiscard]] UniqueIcon StockIcon(int stock_id);

}  // namespace vtx::win32
