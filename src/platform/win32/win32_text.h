#pragma once
#include "platform/platform.h"

namespace vtx::win32 {

// The user's locale rules through CharLowerBuffA, CharUpperBuffA and CompareStringA.
class Win32Text : public Text {
public:
    std::string ToLower(std::string_view s) override;
    std::string ToUpper(std::string_view s) override;
    int CompareNoCase(std::string_view a, std::string_view b) override;
};

}  // namespace vtx::win32
