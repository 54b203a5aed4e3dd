#include "platform/win32/win32_registry.h"

#include "platform/win32/windows_api.h"

#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace vtx::win32 {
namespace {

UniqueKey OpenKey(HKEY root, const std::string& subkey, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, Utf8ToWide(subkey).c_str(), 0, access, &key) != ERROR_SUCCESS) return {};
    return UniqueKey(key);
}

UniqueKey OpenRun(Hive hive, REGSAM access) {
    return OpenKey(hive == Hive::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, Win32Registry::kRunKey,
                   access);
}

std::wstring Expand(const std::wstring& text) {
    const DWORD need = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    if (need == 0 || need > Win32Registry::kMaxValueBytes) return text;
    std::wstring out(need, L'\0');
    const DWORD got = ExpandEnvironmentStringsW(text.c_str(), out.data(), need);
    if (got == 0 || got > need) return text;
    out.resize(got - 1);  // the count includes the terminating NUL
    return out;
}

}  // namespace

bool Win32Registry::WriteRunValue(Hive hive, const std::string& name, const std::string& data) {
    const UniqueKey key = OpenRun(hive, KEY_SET_VALUE);
    const std::wstring value = Utf8ToWide(data);
    if (!key || (value.size() + 1) * sizeof(wchar_t) > kMaxValueBytes) return false;
    return RegSetValueExW(key.get(), Utf8ToWide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool Win32Registry::RunValueExists(Hive hive, const std::string& name) {
    const UniqueKey key = OpenRun(hive, KEY_QUERY_VALUE);
    return key &&
           RegQueryValueExW(key.get(), Utf8ToWide(name).c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteRunValue(Hive hive, const std::string& name) {
    const UniqueKey key = OpenRun(hive, KEY_SET_VALUE);
    return key && RegDeleteValueW(key.get(), Utf8ToWide(name).c_str()) == ERROR_SUCCESS;
}

std::optional<std::string> Win32Registry::ClassesRootDefault(const std::string& subkey) {
    if (subkey.empty()) return std::nullopt;  // would open HKEY_CLASSES_ROOT itself
    const UniqueKey key = OpenKey(HKEY_CLASSES_ROOT, subkey, KEY_READ);
    if (!key) return std::nullopt;
    // The value may change between asking its size and reading it; try a few times.
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExW(key.get(), nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return "";
        if ((type != REG_SZ && type != REG_EXPAND_SZ) || size > kMaxValueBytes) return "";
        std::wstring value(size / sizeof(wchar_t) + 1, L'\0');  // room for a NUL the stored data may lack
        DWORD got = size;
        const LSTATUS r =
            RegQueryValueExW(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &got);
        if (r == ERROR_MORE_DATA) continue;
        if (r != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return "";
        value.resize(got / sizeof(wchar_t));
        const auto end = value.find(L'\0');
        if (end != std::wstring::npos) value.resize(end);
        return WideToUtf8(type == REG_EXPAND_SZ ? Expand(value) : value);
    }
    return "";
}

}  // namespace vtx::win32
