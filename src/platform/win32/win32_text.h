#pragma once
#include "platform/platform.h"

namespace vtx::win32 {

// The user's locale rules through LCMapStringW and CompareStringW, on UTF-8 text converted at the call.
class Win32Text : public Text {
public:
    std::string ToLower(std::string_view s) override;
    std::string ToUpper(std::string_view s) override;
    int CompareNoCase(std::string_view a, std::string_view b) override;
    // LCMapStringW sort key with the same flags as CompareNoCase.
    std::string SortKey(std::string_view s) override;
};

}  // namespace vtx::win32
