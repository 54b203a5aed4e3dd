#include "platform/win32/win32_registry.h"

#include "platform/win32/windows_api.h"

#include "platform/win32/handles.h"

namespace vtx::win32 {
namespace {

UniqueKey OpenKey(HKEY root, const char* subkey, REGSAM access) noexcept {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subkey, 0, access, &key) != ERROR_SUCCESS) return {};
    return UniqueKey(key);
}

UniqueKey OpenRun(Hive hive, REGSAM access) noexcept {
    return OpenKey(hive == Hive::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, Win32Registry::kRunKey,
                   access);
}

std::string Expand(const std::string& text) {
    const DWORD need = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (need == 0 || need > Win32Registry::kMaxValueBytes) return text;
    std::string out(need, '\0');
    const DWORD got = ExpandEnvironmentStringsA(text.c_str(), out.data(), need);
    if (got == 0 || got > need) return text;
    out.resize(got - 1);  // the count includes the terminating NUL
    return out;
}

}  // namespace

bool Win32Registry::WriteRunValue(Hive hive, const std::string& name, const std::string& data) {
    const UniqueKey key = OpenRun(hive, KEY_SET_VALUE);
    if (!key || data.size() >= kMaxValueBytes) return false;
    return RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                          static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
}

bool Win32Registry::RunValueExists(Hive hive, const std::string& name) {
    const UniqueKey key = OpenRun(hive, KEY_QUERY_VALUE);
    return key && RegQueryValueExA(key.get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteRunValue(Hive hive, const std::string& name) {
    const UniqueKey key = OpenRun(hive, KEY_SET_VALUE);
    return key && RegDeleteValueA(key.get(), name.c_str()) == ERROR_SUCCESS;
}

std::optional<std::string> Win32Registry::ClassesRootDefault(const std::string& subkey) {
    if (subkey.empty()) return std::nullopt;  // would open HKEY_CLASSES_ROOT itself
    const UniqueKey key = OpenKey(HKEY_CLASSES_ROOT, subkey.c_str(), KEY_READ);
    if (!key) return std::nullopt;
    // The value may change between asking its size and reading it; try a few times.
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key.get(), nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return "";
        if ((type != REG_SZ && type != REG_EXPAND_SZ) || size > kMaxValueBytes) return "";
        std::string value(size + 1, '\0');  // room for a NUL the stored data may lack
        DWORD got = size;
        const LSTATUS r =
            RegQueryValueExA(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &got);
        if (r == ERROR_MORE_DATA) continue;
        if (r != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return "";
        value.resize(got);
        const auto end = value.find('\0');
        if (end != std::string::npos) value.resize(end);
        return type == REG_EXPAND_SZ ? Expand(value) : value;
    }
    return "";
}

}  // namespace vtx::win32
