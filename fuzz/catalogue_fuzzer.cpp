// The catalogue file: any bytes read as lines, sorted as the main list sorts them, written
// with CR LF and read back give the same lines; sorting them again writes the same file.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/catalogue.h"
#include "fake_platform.h"
#include "fuzz_check.h"
#include "platform/text_file.h"

namespace {

std::string SortedFile(std::string_view bytes, vtx::Text& text, vtx::Lines* lines_out) {
    vtx::Catalogue catalogue;
    for (std::string& line : vtx::SplitLines(bytes)) catalogue.Append(std::move(line));
    catalogue.Sort(text);
    if (lines_out) *lines_out = catalogue.lines();
    return vtx::JoinLines(catalogue.lines());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vtx::fake::FakeText text;

    const vtx::Lines read = vtx::SplitLines(bytes);
    for (const std::string& line : read) FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);

    vtx::Lines sorted;
    const std::string written = SortedFile(bytes, text, &sorted);
    FUZZ_CHECK(vtx::SplitLines(written) == sorted);

    // The sort only reorders, and puts the lines in collation order.
    vtx::Lines a = read, b = sorted;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    FUZZ_CHECK(a == b);
    for (std::size_t i = 1; i < sorted.size(); ++i) FUZZ_CHECK(text.CompareNoCase(sorted[i - 1], sorted[i]) <= 0);

    FUZZ_CHECK(SortedFile(written, text, nullptr) == written);
    return 0;
}
