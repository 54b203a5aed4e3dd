#pragma once
// What the portable code may ask of the system. The Win32 implementation lives in
// platform/win32/, in-memory fakes for host tests in tests/support/.
//
// Text is std::string in UTF-8; paths are Windows paths. The Win32 side converts to UTF-16
// at the system's boundary.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vtx {

// ---------------------------------------------------------------- files
enum class ReadStatus { Ok, Missing, Unreadable };

struct FileRead {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;
    [[nodiscard]] bool ok() const noexcept { return status == ReadStatus::Ok; }
};

struct FolderEntry {
    std::string name;
    bool is_folder = false;
};

class Files {
public:
    virtual ~Files() = default;
    [[nodiscard]] virtual bool FileExists(const std::string& path) = 0;
    [[nodiscard]] virtual bool FolderExists(const std::string& path) = 0;
    [[nodiscard]] virtual FileRead ReadFile(const std::string& path) = 0;
    // Writes <path>.tmp, flushes it and moves it over path; a failure leaves path as it was.
    [[nodiscard]] virtual bool WriteFileAtomic(const std::string& path, std::string_view bytes) = 0;
    // Creates one folder level; true when it exists afterwards.
    virtual bool CreateFolder(const std::string& path) = 0;
    virtual bool DeleteFile(const std::string& path) = 0;
    virtual bool CopyFile(const std::string& from, const std::string& to) = 0;
    // Entries of a folder, "." and ".." excluded, in the order the file system gives them.
    [[nodiscard]] virtual std::vector<FolderEntry> ListFolder(const std::string& folder) = 0;
    // Text in the system's ANSI code page, as UTF-8: how files of older versions are read.
    [[nodiscard]] virtual std::string AnsiToUtf8(std::string_view bytes) = 0;
};

// ---------------------------------------------------------------- shell
// One request to ShellExecuteExW. An absent optional is a null pointer; an empty
// string is an empty text: the shell treats the two alike, the trace does not.
struct ShellRequest {
    std::optional<std::string> operation;
    std::string file;
    std::optional<std::string> parameters;
    std::optional<std::string> directory;
    int show = 1;
    bool operator==(const ShellRequest&) const = default;
};

class Shell {
public:
    virtual ~Shell() = default;
    virtual void Execute(const ShellRequest& request) = 0;
    virtual void WinExec(const std::string& command_line, int show) = 0;
    // The program that opens a new empty ".htm" file (empty when none), as a full path.
    [[nodiscard]] virtual std::string DefaultBrowserPath() = 0;
    // The target of a shell link (".lnk"), empty when it cannot be read.
    [[nodiscard]] virtual std::string ResolveLink(const std::string& path) = 0;
};

// ---------------------------------------------------------------- registry
enum class Hive { LocalMachine, CurrentUser };

class Registry {
public:
    virtual ~Registry() = default;
    // The Run key "Software\Microsoft\Windows\CurrentVersion\Run"; opened, never created.
    [[nodiscard]] virtual bool WriteRunValue(Hive hive, const std::string& name, const std::string& data) = 0;
    [[nodiscard]] virtual bool RunValueExists(Hive hive, const std::string& name) = 0;
    virtual bool DeleteRunValue(Hive hive, const std::string& name) = 0;
    // Default value of a key under HKEY_CLASSES_ROOT, read only; nullopt when the key does not open.
    [[nodiscard]] virtual std::optional<std::string> ClassesRootDefault(const std::string& subkey) = 0;
};

// ---------------------------------------------------------------- clipboard
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual bool SetText(const std::string& text) = 0;
    [[nodiscard]] virtual std::string GetText() = 0;
};

// ---------------------------------------------------------------- prompts
class Prompts {
public:
    virtual ~Prompts() = default;
    // A plain message box with one OK button.
    virtual void Message(const std::string& text) = 0;
    // A question answered Yes (true) or No.
    [[nodiscard]] virtual bool AskYesNo(const std::string& text) = 0;
    // The same question under its own caption instead of the program's title.
    [[nodiscard]] virtual bool AskYesNoCaptioned(const std::string& caption, const std::string& text) {
        (void)caption;
        return AskYesNo(text);
    }
};

// ---------------------------------------------------------------- text
// Lower-casing and comparison by the user's locale, over UTF-8 text of any script.
class Text {
public:
    virtual ~Text() = default;
    [[nodiscard]] virtual std::string ToLower(std::string_view s) = 0;
    [[nodiscard]] virtual std::string ToUpper(std::string_view s) = 0;
    // Case-insensitive collation (CompareStringW, NORM_IGNORECASE): <0, 0, >0.
    [[nodiscard]] virtual int CompareNoCase(std::string_view a, std::string_view b) = 0;
    // A key whose byte order (unsigned bytes, a prefix first) never contradicts CompareNoCase:
    // long lists are sorted with one call per item instead of one per comparison.
    [[nodiscard]] virtual std::string SortKey(std::string_view s) = 0;
};

// ---------------------------------------------------------------- keys
class Keys {
public:
    virtual ~Keys() = default;
    // The name the keyboard layout gives a virtual key (GetKeyNameTextW), empty when none.
    [[nodiscard]] virtual std::string KeyName(int virtual_key) = 0;
};

// ---------------------------------------------------------------- system
struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

struct FileVersion {
    std::uint16_t major = 0, minor = 0, release = 0, build = 0;
    bool operator==(const FileVersion&) const = default;
};

class System {
public:
    virtual ~System() = default;
    // The folder of the executable, ending with "\".
    [[nodiscard]] virtual std::string ProgramFolder() = 0;
    // The full path of the executable.
    [[nodiscard]] virtual std::string ExecutablePath() = 0;
    // The Windows system folder without a trailing "\", empty when it cannot be obtained.
    [[nodiscard]] virtual std::string SystemFolder() = 0;
    // A special folder (CSIDL number) without a trailing "\", empty when the system has none.
    [[nodiscard]] virtual std::string SpecialFolder(int csidl) = 0;
    // The small code naming the Windows version (8 for NT 6.x, 0 when unknown).
    [[nodiscard]] virtual int WindowsVersionCode() = 0;
    [[nodiscard]] virtual Size WorkArea() = 0;
    // The first command-line parameter, empty when there is none.
    [[nodiscard]] virtual std::string FirstParameter() = 0;
    [[nodiscard]] virtual FileVersion FileVersionOf(const std::string& path) = 0;
    // The text with every %NAME% of a defined environment variable replaced by its value
    // (ExpandEnvironmentStringsW); an unknown variable stays as written.
    [[nodiscard]] virtual std::string ExpandEnvironment(const std::string& text) = 0;
};

// Everything together, handed to the portable code by reference.
struct Platform {
    Files& files;
    Shell& shell;
    Registry& registry;
    Clipboard& clipboard;
    Prompts& prompts;
    Text& text;
    Keys& keys;
    System& system;
};

}  // namespace vtx
