#pragma once
// Plain text files of lines: read with CR LF, LF or CR as line ends, written with CR LF as
// UTF-8 without a byte order mark (plain ASCII stays byte for byte what it was).

#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace vtx {

using Lines = std::vector<std::string>;

// Splits file bytes into lines. Empty lines count; a final line end does not start
// another line. NUL bytes stay inside their line.
[[nodiscard]] Lines SplitLines(std::string_view bytes);

// Every line, the last included, followed by CR LF.
[[nodiscard]] std::string JoinLines(const Lines& lines);

// Reads a whole file as lines of UTF-8 (see DecodeTextFile); status tells a missing file from
// an unreadable one.
struct LinesRead {
    ReadStatus status = ReadStatus::Missing;
    Lines lines;
    [[nodiscard]] bool ok() const noexcept { return status == ReadStatus::Ok; }
};
[[nodiscard]] LinesRead ReadLines(Files& files, const std::string& path);

// Replaces the file atomically with the lines; false when it could not be written.
[[nodiscard]] bool WriteLines(Files& files, const std::string& path, const Lines& lines);

// key=value lines: the key is the text before the first "=", looked up without regard
// to case; the first matching line wins; lines without "=" never match.
[[nodiscard]] std::string ValueOf(const Lines& lines, std::string_view key);

}  // namespace vtx
