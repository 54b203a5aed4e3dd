#include "platform/text_file.h"

#include "platform/ascii.h"

namespace vtx {

Lines SplitLines(std::string_view bytes) {
    Lines lines;
    std::size_t start = 0;
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        lines.emplace_back(bytes.substr(start, i - start));
        if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < n) lines.emplace_back(bytes.substr(start));
    return lines;
}

std::string JoinLines(const Lines& lines) {
    std::size_t total = 0;
    for (const auto& l : lines) total += l.size() + 2;
    std::string out;
    out.reserve(total);
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

LinesRead ReadLines(Files& files, const std::string& path) {
    FileRead r = files.ReadFile(path);
    LinesRead out;
    out.status = r.status;
    if (r.ok()) out.lines = SplitLines(r.bytes);
    return out;
}

bool WriteLines(Files& files, const std::string& path, const Lines& lines) {
    return files.WriteFileAtomic(path, JoinLines(lines));
}

std::string ValueOf(const Lines& lines, std::string_view key) {
    for (const auto& line : lines) {
        const auto eq = line.find('=');
        if (eq == std::string::npos || eq != key.size()) continue;
        if (EqualsNoCaseAscii(std::string_view(line).substr(0, eq), key)) return line.substr(eq + 1);
    }
    return {};
}

}  // namespace vtx
