#pragma once
#include "platform/platform.h"

namespace vtx::win32 {

// The Run key of either hive and the file-type keys of HKEY_CLASSES_ROOT.
class Win32Registry : public Registry {
public:
    static constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    // Longer default values are not file-type data; they read as empty.
    static constexpr unsigned long kMaxValueBytes = 64 * 1024;

    bool WriteRunValue(Hive hive, const std::string& name, const std::string& data) override;
    bool RunValueExists(Hive hive, const std::string& name) override;
    bool DeleteRunValue(Hive hive, const std::string& name) override;
    // REG_EXPAND_SZ values come back with their environment variables expanded, as a
    // DefaultIcon "%SystemRoot%\..." must be before an icon can be extracted from it.
    std::optional<std::string> ClassesRootDefault(const std::string& subkey) override;
};

}  // namespace vtx::win32
