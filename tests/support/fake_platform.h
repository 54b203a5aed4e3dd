#pragma once
// In-memory fakes of the platform services, for host tests of the portable core.

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace vtx::fake {

// Windows paths compared without regard to case, "/" and "\" alike.
std::string PathKey(const std::string& path);

class FakeFiles : public Files {
public:
    // Test set-up.
    void Put(const std::string& path, std::string bytes);
    void PutFolder(const std::string& path);
    void MakeUnreadable(const std::string& path);   // exists, but reading fails
    void MakeReadOnly(const std::string& path);     // writes to it fail
    [[nodiscard]] std::string Get(const std::string& path) const;  // "" when missing
    [[nodiscard]] bool Has(const std::string& path) const;
    int writes = 0;

    bool FileExists(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    FileRead ReadFile(const std::string& path) override;
    bool WriteFileAtomic(const std::string& path, std::string_view bytes) override;
    bool CreateFolder(const std::string& path) override;
    bool DeleteFile(const std::string& path) override;
    bool CopyFile(const std::string& from, const std::string& to) override;
    std::vector<FolderEntry> ListFolder(const std::string& folder) override;
    // Windows-1252, the code page of an English Windows.
    std::string AnsiToUtf8(std::string_view bytes) override;

private:
    struct Entry {
        std::string path;  // as first given
        std::string bytes;
    };
    std::map<std::string, Entry> files_;
    std::set<std::string> folders_;
    std::set<std::string> unreadable_;
    std::set<std::string> read_only_;
};

class FakeShell : public Shell {
public:
    std::vector<ShellRequest> executed;
    struct WinExecCall {
        std::string command_line;
        int show;
        bool operator==(const WinExecCall&) const = default;
    };
    std::vector<WinExecCall> win_execs;
    std::string default_browser;
    std::map<std::string, std::string> links;  // link path -> target

    void Execute(const ShellRequest& request) override { executed.push_back(request); }
    void WinExec(const std::string& command_line, int show) override { win_execs.push_back({command_line, show}); }
    std::string DefaultBrowserPath() override { return default_browser; }
    std::string ResolveLink(const std::string& path) override;
};

class FakeRegistry : public Registry {
public:
    std::map<std::string, std::string> local_machine_run, current_user_run;
    std::map<std::string, std::string> classes_root;  // subkey -> default value
    bool local_machine_writable = true;

    bool WriteRunValue(Hive hive, const std::string& name, const std::string& data) override;
    bool RunValueExists(Hive hive, const std::string& name) override;
    bool DeleteRunValue(Hive hive, const std::string& name) override;
    std::optional<std::string> ClassesRootDefault(const std::string& subkey) override;

private:
    std::map<std::string, std::string>& Run(Hive hive) {
        return hive == Hive::LocalMachine ? local_machine_run : current_user_run;
    }
};

class FakeClipboard : public Clipboard {
public:
    std::string text;
    int sets = 0;
    bool SetText(const std::string& t) override {
        text = t;
        ++sets;
        return true;
    }
    std::string GetText() override { return text; }
};

class FakePrompts : public Prompts {
public:
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<bool> answers;  // consumed in order; No when exhausted
    void Message(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& text) override;
    std::vector<std::string> captions;  // of the questions asked under their own caption
    bool AskYesNoCaptioned(const std::string& caption, const std::string& text) override {
        captions.push_back(caption);
        return AskYesNo(text);
    }
};

// Lower/upper case of UTF-8 text (Latin, Greek and Cyrillic letters) and a collation close to
// the user's locale: blanks and punctuation (the "|" among them) before digits before
// letters, case ignored.
class FakeText : public Text {
public:
    std::string ToLower(std::string_view s) override;
    std::string ToUpper(std::string_view s) override;
    int CompareNoCase(std::string_view a, std::string_view b) override;
    std::string SortKey(std::string_view s) override;  // one byte per ASCII character
};

// US English key names.
class FakeKeys : public Keys {
public:
    std::string KeyName(int virtual_key) override;
};

class FakeSystem : public System {
public:
    std::string program_folder = "C:\\Program Files\\Vantrix\\";
    std::map<int, std::string> special_folders{{26, "C:\\Users\\tester\\AppData\\Roaming"}};
    int version_code = 0;
    Size work_area{1024, 738};
    std::string first_parameter;
    FileVersion file_version{2, 0, 0, 1};

    std::string system_folder = "C:\\WINDOWS\\system32";
    std::string ProgramFolder() override { return program_folder; }
    std::string ExecutablePath() override { return program_folder + "vantrix.exe"; }
    std::string SystemFolder() override { return system_folder; }
    std::string SpecialFolder(int csidl) override;
    int WindowsVersionCode() override { return version_code; }
    Size WorkArea() override { return work_area; }
    std::string FirstParameter() override { return first_parameter; }
    FileVersion FileVersionOf(const std::string&) override { return file_version; }
    // Names compared without regard to case, as Windows does.
    std::map<std::string, std::string> environment{{"USERPROFILE", "C:\\Users\\tester"}};
    std::string ExpandEnvironment(const std::string& text) override;
};

// All fakes together.
struct FakePlatform {
    FakeFiles files;
    FakeShell shell;
    FakeRegistry registry;
    FakeClipboard clipboard;
    FakePrompts prompts;
    FakeText text;
    FakeKeys keys;
    FakeSystem system;
    Platform platform{files, shell, registry, clipboard, prompts, text, keys, system};
};

}  // namespace vtx::fake
