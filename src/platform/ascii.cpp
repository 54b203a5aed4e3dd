#include "platform/ascii.h"

#include <charconv>

namespace vtx {

bool EqualsNoCaseAscii(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (ToLowerAscii(a[i]) != ToLowerAscii(b[i])) return false;
    return true;
}

std::string LowerAscii(std::string_view s) {
    std::string out(s);
    for (auto& c : out) c = ToLowerAscii(c);
    return out;
}

std::string UpperAscii(std::string_view s) {
    std::string out(s);
    for (auto& c : out) c = ToUpperAscii(c);
    return out;
}

bool EndsWith(std::string_view s, std::string_view tail) noexcept {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

bool StartsWith(std::string_view s, std::string_view head) noexcept {
    return s.size() >= head.size() && s.substr(0, head.size()) == head;
}

std::string TrimBlanks(std::string_view s) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t b = 0, e = s.size();
    while (b < e && blank(s[b])) ++b;
    while (e > b && blank(s[e - 1])) --e;
    return std::string(s.substr(b, e - b));
}

bool ParseInt(std::string_view s, int& out) noexcept {
    if (s.empty()) return false;
    std::size_t i = 0;
    bool neg = false;
    if (s[0] == '+' || s[0] == '-') {
        neg = s[0] == '-';
        i = 1;
    }
    if (i >= s.size()) return false;
    long long v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        v = v * 10 + (s[i] - '0');
        if (v > 2147483648LL) return false;
    }
    if (neg) v = -v;
    if (v > 2147483647LL || v < -2147483648LL) return false;
    out = static_cast<int>(v);
    return true;
}

}  // namespace vtx
