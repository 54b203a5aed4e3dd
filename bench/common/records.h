#pragma once
// The records the benchmarks load, sort and match, the same on the host and under Wine.

#include <random>
#include <string>

#include "catalogue/shortcut_record.h"
#include "platform/text_file.h"

namespace vtx {

// Names like users give them: short lower-case words, some capitals, digits and blanks,
// many sharing a prefix; the rest of the record as the editors write it.
inline Lines MakeRecords(int count) {
    std::mt19937 rng(20240611u);
    static const char* const kPrefixes[] = {"", "", "", "my ", "new ", "calc", "word", "win", "notepad", "vtx "};
    static const char* const kTypes[] = {"Program", "File", "Folder", "URL", "Other"};
    std::uniform_int_distribution<int> letter('a', 'z'), len(3, 14), pick(0, 99);
    Lines lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        std::string name = kPrefixes[pick(rng) % 10];
        for (int n = len(rng); n > 0; --n) {
            const int p = pick(rng);
            name += p < 5 ? ' ' : p < 10 ? static_cast<char>('0' + p % 10) : p < 20 ? static_cast<char>(letter(rng) - 32)
                                                                                     : static_cast<char>(letter(rng));
        }
        Fields f = NewRecord(name, "C:\\Program Files\\" + name + "\\" + name + ".exe", kTypes[pick(rng) % 5]);
        f[kWdir] = "C:\\Program Files\\" + name + "\\";
        lines.push_back(JoinRecord(f));
    }
    return lines;
}

}  // namespace vtx
