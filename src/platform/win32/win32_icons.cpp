#include "platform/win32/win32_icons.h"

#include <shellapi.h>

namespace vtx::win32 {

UniqueIcon ExtractSmallIcon(const std::string& source, int index) {
    if (source.empty()) return {};
    HICON small = nullptr;
    const UINT n = ExtractIconExA(source.c_str(), index, nullptr, &small, 1);
    if (n == 0 || n == UINT_MAX) {
        if (small) DestroyIcon(small);
        return {};
    }
    return UniqueIcon(small);
}

}  // namespace vtx::win32
