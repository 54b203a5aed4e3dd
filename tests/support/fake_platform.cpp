#include "fake_platform.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "platform/ascii.h"
#include "platform/utf8.h"

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

std::string FakeFiles::AnsiToUtf8(std::string_view bytes) {
    // 0x80..0x9F of Windows-1252; the five bytes it leaves undefined stand for themselves.
    static constexpr char16_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        AppendUtf8(out, c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : c);
    }
    return out;
}

bool FakePrompts::AskYesNo(const std::string& text) {
    questions.push_back(text);
    if (answers.empty()) return false;
    const bool a = answers.front();
    answers.erase(answers.begin());
    return a;
}

namespace {
// Simple case mapping of ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic: enough for the tests.
char32_t LowerOf(char32_t c) noexcept {
    if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c == 0x178) return 0xFF;
    if ((c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177))
        return c | 1;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c + 1 : c;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 32;
    if (c == 0x386) return 0x3AC;
    if (c >= 0x388 && c <= 0x38A) return c + 37;
    if (c == 0x38C) return 0x3CC;
    if (c == 0x38E || c == 0x38F) return c + 63;
    if (c >= 0x410 && c <= 0x42F) return c + 32;
    if (c >= 0x400 && c <= 0x40F) return c + 80;
    return c;
}
char32_t UpperOf(char32_t c) noexcept {
    if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 32 : c;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    if (c == 0xFF) return 0x178;
    if ((c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177))
        return c & ~char32_t{1};
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c : c - 1;
    if (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) return c - 32;
    if (c == 0x3C2) return 0x3A3;  // final sigma
    if (c == 0x3AC) return 0x386;
    if (c >= 0x3AD && c <= 0x3AF) return c - 37;
    if (c == 0x3CC) return 0x38C;
    if (c == 0x3CD || c == 0x3CE) return c - 63;
    if (c >= 0x430 && c <= 0x44F) return c - 32;
    if (c >= 0x450 && c <= 0x45F) return c - 80;
    return c;
}

// Maps every character; a byte that starts no UTF-8 sequence is kept as it is.
template <typename Map>
std::string MapCase(std::string_view s, Map map) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t at = i;
        const char32_t c = NextCodePoint(s, i);
        if (c >= 0x80 && i == at + 1) out += s[at];
        else AppendUtf8(out, map(c));
    }
    return out;
}

// Collation weight of a character: symbols, then digits, then letters; case folded. Every
// character from U+00DF on counts as a letter, sorted by its lower-case code point.
std::uint32_t Weight(char32_t c) noexcept {
    c = LowerOf(c);
    if (c >= '0' && c <= '9') return 1000 + c;
    if ((c >= 'a' && c <= 'z') || (c >= 0xDF && c != 0xF7)) return 2000 + c;
    return c;
}
constexpr std::uint32_t kFirstOtherSymbol = 0x80;          // U+0080..U+00DE symbols
constexpr std::uint32_t kFirstOtherLetter = 2000 + 0xDF;   // letters past ASCII

// The sort key is a prefix-free code of the weights: an ASCII character is one byte (its
// weight's rank), any other a marker byte ranked where its class sorts, then its code point.
struct KeyCodes {
    std::array<unsigned char, 128> ascii{};
    unsigned char other_symbol = 0, other_letter = 0;
};
const KeyCodes& Codes() {
    static const KeyCodes codes = [] {
        std::vector<std::uint32_t> distinct{kFirstOtherSymbol, kFirstOtherLetter};
        for (char32_t c = 0; c < 128; ++c) distinct.push_back(Weight(c));
        std::sort(distinct.begin(), distinct.end());
        distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
        auto rank = [&](std::uint32_t w) {
            return static_cast<unsigned char>(std::lower_bound(distinct.begin(), distinct.end(), w) - distinct.begin());
        };
        KeyCodes k;
        for (char32_t c = 0; c < 128; ++c) k.ascii[c] = rank(Weight(c));
        k.other_symbol = rank(kFirstOtherSymbol);
        k.other_letter = rank(kFirstOtherLetter);
        return k;
    }();
    return codes;
}
}  // namespace

std::string FakeText::ToLower(std::string_view s) {
    if (IsAscii(s)) return LowerAscii(s);
    return MapCase(s, LowerOf);
}
std::string FakeText::ToUpper(std::string_view s) {
    if (IsAscii(s)) return UpperAscii(s);
    return MapCase(s, UpperOf);
}
int FakeText::CompareNoCase(std::string_view a, std::string_view b) {
    const KeyCodes& codes = Codes();
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const auto ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[j]);
        if (ca < 0x80 && cb < 0x80) {  // two ASCII characters: their weights' ranks, as in the key
            if (codes.ascii[ca] != codes.ascii[cb]) return codes.ascii[ca] < codes.ascii[cb] ? -1 : 1;
            ++i;
            ++j;
            continue;
        }
        const std::uint32_t wa = Weight(NextCodePoint(a, i));
        const std::uint32_t wb = Weight(NextCodePoint(b, j));
        if (wa != wb) return wa < wb ? -1 : 1;
    }
    if (i == a.size() && j == b.size()) return 0;
    return i == a.size() ? -1 : 1;
}

std::string FakeText::SortKey(std::string_view s) {
    const KeyCodes& codes = Codes();
    if (IsAscii(s)) {  // one byte per character, mapped in place
        std::string key(s);
        for (char& c : key) c = static_cast<char>(codes.ascii[static_cast<unsigned char>(c)]);
        return key;
    }
    std::string key;
    key.reserve(s.size() + 8);
    for (std::size_t i = 0; i < s.size();) {
        const auto byte = static_cast<unsigned char>(s[i]);
        if (byte < 0x80) {
            key += static_cast<char>(codes.ascii[byte]);
            ++i;
            continue;
        }
        const std::uint32_t w = Weight(NextCodePoint(s, i));
        if (w < 1000) {
            key += static_cast<char>(codes.other_symbol);
            key += static_cast<char>(w - kFirstOtherSymbol);
        } else {
            const std::uint32_t c = w - 2000;
            key += static_cast<char>(codes.other_letter);
            key += static_cast<char>(c >> 16);
            key += static_cast<char>((c >> 8) & 0xFF);
            key += static_cast<char>(c & 0xFF);
        }
    }
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
