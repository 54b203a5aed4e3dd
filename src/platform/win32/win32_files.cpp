#include "platform/win32/win32_files.h"

#include "platform/win32/windows_api.h"

#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace vtx::win32 {
namespace {

constexpr DWORD kNoAttributes = INVALID_FILE_ATTRIBUTES;

// Errors that say for certain that nothing is at the path. Anything else (access denied,
// a network or device error) means the file may well be there and must not be replaced
// by defaults.
bool IsNotThere(DWORD error) noexcept {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_PATHNAME:
            return true;
        default:
            return false;
    }
}

// Another process (a virus scanner, an indexer, an editor) holds the file for a moment.
bool IsTransient(DWORD error) noexcept {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION;
}

constexpr int kMoveAttempts = 5;
constexpr DWORD kMoveRetryMs = 50;

// FindFirstFileW's handle, closed with FindClose; INVALID_HANDLE_VALUE means none.
class FindHandle {
public:
    FindHandle(const std::wstring& pattern, WIN32_FIND_DATAW& data) noexcept
        : h_(FindFirstFileW(pattern.c_str(), &data)) {}
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    ~FindHandle() { if (ok()) FindClose(h_); }
    [[nodiscard]] bool ok() const noexcept { return h_ != INVALID_HANDLE_VALUE; }
    [[nodiscard]] HANDLE get() const noexcept { return h_; }
private:
    HANDLE h_;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
    constexpr std::size_t kChunk = 1u << 20;
    while (!bytes.empty()) {
        const DWORD want = static_cast<DWORD>(bytes.size() < kChunk ? bytes.size() : kChunk);
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), want, &written, nullptr) || written != want) return false;
        bytes.remove_prefix(want);
    }
    return true;
}

DWORD Attributes(const std::string& path) { return GetFileAttributesW(Utf8ToWide(path).c_str()); }

}  // namespace

bool Win32Files::FileExists(const std::string& path) {
    const DWORD a = Attributes(path);
    return a != kNoAttributes && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Files::FolderExists(const std::string& path) {
    const DWORD a = Attributes(path);
    return a != kNoAttributes && (a & FILE_ATTRIBUTE_DIRECTORY);
}

FileRead Win32Files::ReadFile(const std::string& path) {
    FileRead r;
    if (path.empty()) return r;
    const std::wstring wide = Utf8ToWide(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == kNoAttributes) {
        r.status = IsNotThere(GetLastError()) ? ReadStatus::Missing : ReadStatus::Unreadable;
        return r;
    }
    r.status = ReadStatus::Unreadable;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return r;

    UniqueFile file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid()) {
        if (IsNotThere(GetLastError())) r.status = ReadStatus::Missing;  // deleted meanwhile
        return r;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<std::uint64_t>(size.QuadPart) > kMaxReadBytes)
        return r;

    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        DWORD n = 0;
        if (!::ReadFile(file.get(), bytes.data() + got, static_cast<DWORD>(bytes.size() - got), &n, nullptr))
            return r;
        if (n == 0) break;  // the file shrank while we read it
        got += n;
    }
    bytes.resize(got);
    r.status = ReadStatus::Ok;
    r.bytes = std::move(bytes);
    return r;
}

bool Win32Files::WriteFileAtomic(const std::string& path, std::string_view bytes) {
    if (path.empty()) return false;
    // A read-only file or a folder in the way cannot be replaced; don't leave a .tmp for it.
    const std::wstring wide = Utf8ToWide(path);
    const DWORD target = GetFileAttributesW(wide.c_str());
    if (target != kNoAttributes && (target & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) return false;

    const std::wstring tmp = wide + L".tmp";
    {
        UniqueFile file(CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                    nullptr));
        if (!file.valid() && GetLastError() == ERROR_ACCESS_DENIED) {
            // A read-only leftover of an earlier attempt.
            SetFileAttributesW(tmp.c_str(), FILE_ATTRIBUTE_NORMAL);
            file.reset(CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                   nullptr));
        }
        if (!file.valid()) return false;
        const bool written = WriteAll(file.get(), bytes) && FlushFileBuffers(file.get());
        const bool closed = CloseHandle(file.release()) != 0;
        if (!written || !closed) {
            DeleteFileW(tmp.c_str());
            return false;
        }
    }
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(tmp.c_str(), wide.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
        if (attempt == kMoveAttempts || !IsTransient(GetLastError())) break;
        Sleep(kMoveRetryMs);
    }
    DeleteFileW(tmp.c_str());
    return false;
}

bool Win32Files::CreateFolder(const std::string& path) {
    return CreateDirectoryW(Utf8ToWide(path).c_str(), nullptr) || FolderExists(path);
}

bool Win32Files::DeleteFile(const std::string& path) { return DeleteFileW(Utf8ToWide(path).c_str()) != 0; }

bool Win32Files::CopyFile(const std::string& from, const std::string& to) {
    return CopyFileW(Utf8ToWide(from).c_str(), Utf8ToWide(to).c_str(), FALSE) != 0;
}

std::vector<FolderEntry> Win32Files::ListFolder(const std::string& folder) {
    std::vector<FolderEntry> out;
    if (folder.empty()) return out;  // not the current folder by accident
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/') pattern += '\\';
    pattern += '*';
    WIN32_FIND_DATAW data{};
    FindHandle find(Utf8ToWide(pattern), data);
    if (!find.ok()) return out;
    do {
        const std::wstring_view name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        out.push_back({WideToUtf8(name), (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileW(find.get(), &data));
    return out;
}

std::string Win32Files::AnsiToUtf8(std::string_view bytes) { return win32::AnsiToUtf8(bytes); }

}  // namespace vtx::win32
