#include "catalogue/shortcut_record.h"

namespace vtx {

std::string_view CutPiece(std::string_view text, char separator, int index) noexcept {
    if (index < 0) return {};
    // The appended separator only matters for the last piece, which then simply ends the text.
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        const auto sep = text.find(separator, start);
        if (sep == std::string_view::npos) return {};
        start = sep + 1;
    }
    if (start >= text.size()) return {};
    const auto sep = text.find(separator, start);
    return text.substr(start, sep == std::string_view::npos ? text.size() - start : sep - start);
}

Fields SplitRecord(std::string_view line) {
    Fields f;
    std::size_t start = 0;
    for (int i = 0; i < kFieldCount && start < line.size(); ++i) {
        const auto sep = line.find('|', start);
        if (sep == std::string_view::npos) {
            f[i] = std::string(line.substr(start));
            break;
        }
        f[i] = std::string(line.substr(start, sep - start));
        start = sep + 1;
    }
    return f;
}

std::string JoinRecord(const Fields& fields) {
    std::size_t total = kFieldCount - 1;
    for (const auto& s : fields) total += s.size();
    std::string out;
    out.reserve(total);
    for (int i = 0; i < kFieldCount; ++i) {
        if (i) out += '|';
        out += fields[i];
    }
    return out;
}

std::string WithField(std::string_view line, int col, std::string_view text) {
    Fields f = SplitRecord(line);
    if (col >= 0 && col < kFieldCount) f[col] = std::string(text);
    return JoinRecord(f);
}

std::string FieldText(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '|' || c == '\r' || c == '\n') c = ' ';
    return out;
}

Fields NewRecord(std::string_view name, std::string_view addr, std::string_view ty1) {
    Fields f;
    f[kName] = name;
    f[kAddr] = addr;
    f[kTy1] = ty1;
    f[kSwst] = "SW_SHOWNORMAL";
    f[kColor] = "None";
    f[kVis] = "1";
    f[kOpc] = "0";
    return f;
}

int CountPos(std::string_view pattern, std::string_view text) noexcept {
    if (pattern.empty() || text.empty()) return 0;
    int n = 0;
    for (auto pos = text.find(pattern); pos != std::string_view::npos;
         pos = text.find(pattern, pos + pattern.size()))
        ++n;
    return n;
}

std::vector<std::string> MemberNames(std::string_view ms) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < ms.size()) {
        const auto sep = ms.find(';', start);
        if (sep == std::string_view::npos) {
            names.emplace_back(ms.substr(start));
            break;
        }
        names.emplace_back(ms.substr(start, sep - start));
        start = sep + 1;
    }
    return names;
}

std::string JoinMembers(const std::vector<std::string>& names) {
    std::string ms;
    for (const std::string& name : names) ms.append(name).push_back(';');
    return ms;
}

int ShowStateCode(std::string_view swst) noexcept {
    if (swst == "SW_SHOWMAXIMIZED") return 3;
    if (swst == "SW_SHOWMINIMIZED") return 2;
    return 1;
}

}  // namespace vtx
