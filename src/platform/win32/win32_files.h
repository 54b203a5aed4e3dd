#pragma once
#include <cstdint>

#include "platform/platform.h"

namespace vtx::win32 {

// The real file system through the wide (UTF-16) file functions.
class Win32Files : public Files {
public:
    // Files larger than this are refused as unreadable rather than loaded whole.
    static constexpr std::uint64_t kMaxReadBytes = 256ull * 1024 * 1024;

    bool FileExists(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    FileRead ReadFile(const std::string& path) override;
    bool WriteFileAtomic(const std::string& path, std::string_view bytes) override;
    bool CreateFolder(const std::string& path) override;
    bool DeleteFile(const std::string& path) override;
    bool CopyFile(const std::string& from, const std::string& to) override;
    std::vector<FolderEntry> ListFolder(const std::string& folder) override;
    std::string AnsiToUtf8(std::string_view bytes) override;
};

}  // namespace vtx::win32
