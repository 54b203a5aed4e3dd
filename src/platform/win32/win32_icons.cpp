#include "platform/win32/win32_icons.h"

#include <shellapi.h>

#include "platform/win32/wide.h"

namespace vtx::win32 {
namespace {

UniqueIcon ExtractOne(const std::string& source, int index, bool large) {
    if (source.empty()) return {};
    HICON icon = nullptr;
    const UINT n = ExtractIconExW(Utf8ToWide(source).c_str(), index, large ? &icon : nullptr, large ? nullptr : &icon, 1);
    if (n == 0 || n == UINT_MAX) {
        if (icon) DestroyIcon(icon);
        return {};
    }
    return UniqueIcon(icon);
}

}  // namespace

UniqueIcon ExtractSmallIcon(const std::string& source, int index) { return ExtractOne(source, index, false); }

UniqueIcon ExtractLargeIcon(const std::string& source, int index) { return ExtractOne(source, index, true); }

UniqueIcon StockIcon(int stock_id) {
    SHSTOCKICONINFO info{};
    info.cbSize = sizeof info;
    if (FAILED(SHGetStockIconInfo(static_cast<SHSTOCKICONID>(stock_id), SHGSI_ICON | SHGSI_LARGEICON, &info)))
        return {};
    return UniqueIcon(info.hIcon);
}

}  // namespace vtx::win32
