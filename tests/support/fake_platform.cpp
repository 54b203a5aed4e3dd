#include "fake_platform.h"

#include <algorithm>
#include <array>

#include "platform/ascii.h"

namespace vtx::fake {

std::string PathKey(const std::string& path) {
    std::string k = LowerAscii(path);
    std::replace(k.begin(), k.end(), '/', '\\');
    while (k.size() > 3 && k.back() == '\\') k.pop_back();
    return k;
}

void FakeFiles::Put(const std::string& path, std::string bytes) { files_[PathKey(path)] = {path, std::move(bytes)}; }
void FakeFiles::PutFolder(const std::string& path) { folders_.insert(PathKey(path)); }
void FakeFiles::MakeUnreadable(const std::string& path) { unreadable_.insert(PathKey(path)); }
void FakeFiles::MakeReadOnly(const std::string& path) { read_only_.insert(PathKey(path)); }

std::string FakeFiles::Get(const std::string& path) const {
    auto it = files_.find(PathKey(path));
    return it == files_.end() ? std::string() : it->second.bytes;
}
bool FakeFiles::Has(const std::string& path) const { return files_.count(PathKey(path)) != 0; }

bool FakeFiles::FileExists(const std::string& path) { return Has(path); }
bool FakeFiles::FolderExists(const std::string& path) { return folders_.count(PathKey(path)) != 0; }

FileRead FakeFiles::ReadFile(const std::string& path) {
    FileRead r;
    auto it = files_.find(PathKey(path));
    if (it == files_.end()) {
        // As on Windows, a folder where a file is expected exists but cannot be read.
        if (folders_.count(PathKey(path))) r.status = ReadStatus::Unreadable;
        return r;
    }
    if (unreadable_.count(PathKey(path))) {
        r.status = ReadStatus::Unreadable;
        return r;
    }
    r.status = ReadStatus::Ok;
    r.bytes = it->second.bytes;
    return r;
}

bool FakeFiles::WriteFileAtomic(const std::string& path, std::string_view bytes) {
    const auto key = PathKey(path);
    if (read_only_.count(key) || folders_.count(key)) return false;  // a folder in the way is not replaced
    const auto slash = key.rfind('\\');
    if (slash != std::string::npos && slash > 2 && !folders_.count(key.substr(0, slash))) return false;
    files_[key] = {path, std::string(bytes)};
    ++writes;
    return true;
}

bool FakeFiles::CreateFolder(const std::string& path) {
    const auto key = PathKey(path);
    if (read_only_.count(key)) return false;
    folders_.insert(key);
    return true;
}

bool FakeFiles::DeleteFile(const std::string& path) { return files_.erase(PathKey(path)) != 0; }

bool FakeFiles::CopyFile(const std::string& from, const std::string& to) {
    auto it = files_.find(PathKey(from));
    if (it == files_.end()) return false;
    return WriteFileAtomic(to, it->second.bytes);
}

std::vector<FolderEntry> FakeFiles::ListFolder(const std::string& folder) {
    const auto prefix = PathKey(folder) + "\\";
    std::vector<FolderEntry> out;
    auto add = [&](const std::string& key, const std::string& shown, bool is_folder) {
        if (key.size() <= prefix.size() || key.compare(0, prefix.size(), prefix) != 0) return;
        const auto rest = key.substr(prefix.size());
        if (rest.find('\\') != std::string::npos) return;
        out.push_back({shown.substr(shown.size() - rest.size()), is_folder});
    };
    for (const auto& d : folders_) add(d, d, true);
    for (const auto& [k, e] : files_) add(k, e.path, false);
    return out;
}

std::string FakeShell::ResolveLink(const std::string& path) {
    auto it = links.find(PathKey(path));
    return it == links.end() ? std::string() : it->second;
}

bool FakeRegistry::WriteRunValue(Hive hive, const std::string& name, const std::string& data) {
    if (hive == Hive::LocalMachine && !local_machine_writable) return false;
    Run(hive)[name] = data;
    return true;
}
bool FakeRegistry::RunValueExists(Hive hive, const std::string& name) { return Run(hive).count(name) != 0; }
bool FakeRegistry::DeleteRunValue(Hive hive, const std::string& name) {
    if (hive == Hive::LocalMachine && !local_machine_writable) return false;
    return Run(hive).erase(name) != 0;
}
std::optional<std::string> FakeRegistry::ClassesRootDefault(const std::string& subkey) {
    auto it = classes_root.find(LowerAscii(subkey));
    if (it == classes_root.end()) return std::nullopt;
    return it->second;
}

bool FakePrompts::AskYesNo(const std::string& text) {
    questions.push_back(text);
    if (answers.empty()) return false;
    const bool a = answers.front();
    answers.erase(answers.begin());
    return a;
}

namespace {
unsigned char Lower1252(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 16);
    if (c == 0x9F) return 0xFF;
    return c;
}
unsigned char Upper1252(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    if (c == 0x9A || c == 0x9C || c == 0x9E) return static_cast<unsigned char>(c - 16);
    if (c == 0xFF) return 0x9F;
    return c;
}
// Collation weight: symbols, then digits, then letters; case folded.
int Weight(unsigned char c) {
    c = Lower1252(c);
    if (c >= '0' && c <= '9') return 1000 + c;
    if ((c >= 'a' && c <= 'z') || c >= 0xDF) return 2000 + c;
    return c;
}
}  // namespace

std::string FakeText::ToLower(std::string_view s) {
    std::string out(s);
    for (auto& c : out) c = static_cast<char>(Lower1252(static_cast<unsigned char>(c)));
    return out;
}
std::string FakeText::ToUpper(std::string_view s) {
    std::string out(s);
    for (auto& c : out) c = static_cast<char>(Upper1252(static_cast<unsigned char>(c)));
    return out;
}
int FakeText::CompareNoCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int wa = Weight(static_cast<unsigned char>(a[i]));
        const int wb = Weight(static_cast<unsigned char>(b[i]));
        if (wa != wb) return wa < wb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::string FakeText::SortKey(std::string_view s) {
    // The weights take at most 256 distinct values; their ranks keep the order in one byte.
    static const std::array<unsigned char, 256> rank = [] {
        std::vector<int> distinct;
        for (int c = 0; c < 256; ++c) distinct.push_back(Weight(static_cast<unsigned char>(c)));
        std::sort(distinct.begin(), distinct.end());
        distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
        std::array<unsigned char, 256> r{};
        for (int c = 0; c < 256; ++c) {
            const int w = Weight(static_cast<unsigned char>(c));
            r[c] = static_cast<unsigned char>(std::lower_bound(distinct.begin(), distinct.end(), w) - distinct.begin());
        }
        return r;
    }();
    std::string key(s);
    for (char& c : key) c = static_cast<char>(rank[static_cast<unsigned char>(c)]);
    return key;
}

std::string FakeKeys::KeyName(int vk) {
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return std::string(1, static_cast<char>(vk));
    if (vk >= 0x70 && vk <= 0x87) return "F" + std::to_string(vk - 0x6F);
    if (vk >= 0x60 && vk <= 0x69) return "Num " + std::to_string(vk - 0x60);
    switch (vk) {
        case 0x08: return "Backspace";
        case 0x09: return "Tab";
        case 0x0D: return "Enter";
        case 0x10: return "Shift";
        case 0x11: return "Ctrl";
        case 0x12: return "Alt";
        case 0x13: return "Pause";
        case 0x14: return "Caps Lock";
        case 0x1B: return "Esc";
        case 0x20: return "Space";
        case 0x21: return "Page Up";
        case 0x22: return "Page Down";
        case 0x23: return "End";
        case 0x24: return "Home";
        case 0x25: return "Left";
        case 0x26: return "Up";
        case 0x27: return "Right";
        case 0x28: return "Down";
        case 0x2D: return "Insert";
        case 0x2E: return "Delete";
        case 0x6A: return "Num *";
        case 0x6B: return "Num +";
        case 0x6D: return "Num -";
        case 0x6E: return "Num Del";
        case 0x6F: return "Num /";
        case 0x90: return "Num Lock";
        case 0x91: return "Scroll Lock";
        case 0xBA: return ";";
        case 0xBB: return "=";
        case 0xBC: return ",";
        case 0xBD: return "-";
        case 0xBE: return ".";
        case 0xBF: return "/";
        case 0xC0: return "`";
        case 0xDB: return "[";
        case 0xDC: return "\\";
        case 0xDD: return "]";
        case 0xDE: return "'";
        default: return {};
    }
}

std::string FakeSystem::ExpandEnvironment(const std::string& text) {
    // As ExpandEnvironmentStringsA: %NAME% of a known variable is replaced, anything else kept.
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto open = text.find('%', pos);
        if (open == std::string::npos) break;
        const auto close = text.find('%', open + 1);
        if (close == std::string::npos) break;
        const std::string name = LowerAscii(text.substr(open + 1, close - open - 1));
        const auto it = std::find_if(environment.begin(), environment.end(),
                                     [&](const auto& e) { return LowerAscii(e.first) == name; });
        if (it == environment.end()) {
            out += text.substr(pos, close - pos);  // the second "%" may open the next name
            pos = close;
            continue;
        }
        out += text.substr(pos, open - pos) + it->second;
        pos = close + 1;
    }
    return out + text.substr(pos);
}

std::string FakeSystem::SpecialFolder(int csidl) {
    auto it = special_folders.find(csidl);
    return it == special_folders.end() ? std::string() : it->second;
}

}  // namespace vtx::fake
