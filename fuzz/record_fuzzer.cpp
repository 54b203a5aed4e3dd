// Shortcut records: any line splits into 24 fields and joins back into a line that splits
// into the same fields; the field, member and count helpers agree with plain reference cuts.
//
// Input: the record line up to the first LF; what follows is the text put into a field, the
// member list and the pattern counted; the last bytes choose the field and the member.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/shortcut_record.h"
#include "fuzz_check.h"

namespace {

using vtx::kFieldCount;

// Pieces of a text cut at `separator`, one separator appended when it does not end with one.
std::vector<std::string> ReferencePieces(std::string text, char separator) {
    if (text.empty() || text.back() != separator) text += separator;
    std::vector<std::string> pieces;
    std::string piece;
    for (char c : text) {
        if (c == separator) {
            pieces.push_back(piece);
            piece.clear();
        } else {
            piece += c;
        }
    }
    return pieces;
}

std::string_view ReferencePiece(const std::vector<std::string>& pieces, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= pieces.size()) return {};
    return pieces[static_cast<std::size_t>(index)];
}

// Non-overlapping occurrences, found left to right.
int ReferenceCount(std::string_view pattern, std::string_view text) {
    if (pattern.empty()) return 0;
    int n = 0;
    for (std::size_t i = 0; i + pattern.size() <= text.size();) {
        if (text.compare(i, pattern.size(), pattern) == 0) {
            ++n;
            i += pattern.size();
        } else {
            ++i;
        }
    }
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int col = input.ConsumeIntegralInRange<int>(-2, kFieldCount + 1);
    const int member = input.ConsumeIntegralInRange<int>(-1, 40);
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    const auto lf = bytes.find('\n');
    const std::string line = bytes.substr(0, lf);
    const std::string extra = lf == std::string::npos ? std::string() : bytes.substr(lf + 1);

    // Parse, write, parse again, write again.
    const vtx::Fields fields = vtx::SplitRecord(line);
    const std::string written = vtx::JoinRecord(fields);
    const vtx::Fields reparsed = vtx::SplitRecord(written);
    FUZZ_CHECK(reparsed == fields);
    FUZZ_CHECK(vtx::JoinRecord(reparsed) == written);
    FUZZ_CHECK(vtx::CountPos("|", written) == kFieldCount - 1);

    const std::vector<std::string> pieces = ReferencePieces(line, '|');
    for (int i = 0; i < kFieldCount; ++i) {
        const std::string& field = fields[static_cast<std::size_t>(i)];
        FUZZ_CHECK(field.find('|') == std::string::npos);
        FUZZ_CHECK(field == ReferencePiece(pieces, i));
        FUZZ_CHECK(vtx::FieldOf(line, i) == field);
        FUZZ_CHECK(vtx::FieldOf(written, i) == field);
    }
    FUZZ_CHECK(vtx::FieldOf(line, -1).empty());
    FUZZ_CHECK(vtx::FieldOf(line, kFieldCount) == ReferencePiece(pieces, kFieldCount));

    // One field replaced: only that field changes, and the line stays in its 24-field form.
    const std::string changed = vtx::WithField(line, col, extra);
    FUZZ_CHECK(changed == vtx::WithField(written, col, extra));
    if (col < 0 || col >= kFieldCount) {
        FUZZ_CHECK(changed == written);
    } else if (extra.find('|') == std::string::npos) {
        const vtx::Fields after = vtx::SplitRecord(changed);
        for (int i = 0; i < kFieldCount; ++i) {
            const auto k = static_cast<std::size_t>(i);
            FUZZ_CHECK(after[k] == (i == col ? extra : fields[k]));
        }
        FUZZ_CHECK(vtx::JoinRecord(after) == changed);
    }

    // Members of a member list and occurrence counts.
    const std::vector<std::string> members = ReferencePieces(extra, ';');
    FUZZ_CHECK(vtx::MemberOf(extra, member) == ReferencePiece(members, member - 1));
    const std::string_view pattern = extra.empty() ? std::string_view("|") : std::string_view(extra).substr(0, 4);
    FUZZ_CHECK(vtx::CountPos(pattern, line) == ReferenceCount(pattern, line));
    (void)vtx::ShowStateCode(fields[vtx::kSwst]);
    return 0;
}
