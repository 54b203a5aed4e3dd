#include "platform/text_file.h"

#include <algorithm>
#include <cstring>

#include "platform/ascii.h"
#include "platform/utf8.h"

namespace vtx {

namespace {
const char* FindByte(const char* from, const char* end, char c) noexcept {
    const void* hit = std::memchr(from, c, static_cast<std::size_t>(end - from));
    return hit ? static_cast<const char*>(hit) : end;
}
}  // namespace

Lines SplitLines(std::string_view bytes) {
    // memchr for the next CR and the next LF (each searched again only once passed) keeps
    // large files fast; a byte-by-byte loop was the main cost of loading a big catalogue.
    Lines lines;
    if (bytes.empty()) return lines;
    // Room for every line at once: growing by doubling would copy a big list's lines many times
    // and leave up to half the room unused. (A file of bare CRs only grows as before.)
    lines.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    const char* cr = FindByte(p, end, '\r');
    const char* lf = FindByte(p, end, '\n');
    while (p < end) {
        if (cr < p) cr = FindByte(p, end, '\r');
        if (lf < p) lf = FindByte(p, end, '\n');
        const char* const eol = cr < lf ? cr : lf;
        lines.emplace_back(p, static_cast<std::size_t>(eol - p));
        if (eol == end) break;
        p = eol + 1;
        if (*eol == '\r' && p < end && *p == '\n') ++p;
    }
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
    if (r.ok())
        out.lines = SplitLines(DecodeTextFile(std::move(r.bytes), [&](std::string_view ansi) { return files.AnsiToUtf8(ansi); }));
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
