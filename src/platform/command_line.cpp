#include "platform/command_line.h"

#include "platform/ascii.h"

namespace vtx {
namespace {

bool IsSeparator(char c) noexcept { return static_cast<unsigned char>(c) <= ' '; }

// Reads the parameter starting at or after pos into out and returns the position after it.
std::size_t NextParam(std::string_view s, std::size_t pos, std::string& out) {
    out.clear();
    // Blanks, and empty quoted pairs before a parameter, are skipped.
    for (;;) {
        while (pos < s.size() && IsSeparator(s[pos])) ++pos;
        if (pos + 1 < s.size() && s[pos] == '"' && s[pos + 1] == '"') {
            pos += 2;
            continue;
        }
        break;
    }
    bool quoted = false;
    for (; pos < s.size(); ++pos) {
        const char c = s[pos];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && IsSeparator(c)) {
            break;
        } else {
            out.push_back(c);
        }
    }
    return pos;
}

}  // namespace

std::string CommandLineParam(std::string_view command_line, int index) {
    if (index < 0) return {};
    std::string param;
    std::size_t pos = 0;
    for (int i = 0; i <= index; ++i) {
        pos = NextParam(command_line, pos, param);
        if (param.empty() && pos >= command_line.size()) return {};
    }
    return param;
}

std::string FirstParameterAfterProgram(std::string_view command_line, std::string_view exe_path) {
    std::size_t start = 0;
    while (start < command_line.size() && IsSeparator(command_line[start])) ++start;
    const std::string_view rest = command_line.substr(start);
    const bool unquoted_path = !exe_path.empty() && exe_path.find(' ') != std::string_view::npos &&
                               rest.size() >= exe_path.size() &&
                               EqualsNoCaseAscii(rest.substr(0, exe_path.size()), exe_path) &&
                               (rest.size() == exe_path.size() || IsSeparator(rest[exe_path.size()]));
    if (!unquoted_path) return CommandLineParam(command_line, 1);
    // What follows the path, read as the parameters of a program with a one-letter name.
    return CommandLineParam("x" + std::string(rest.substr(exe_path.size())), 1);
}

}  // namespace vtx
