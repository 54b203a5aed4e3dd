#include "platform/command_line.h"

#include <gtest/gtest.h>

namespace vtx {
namespace {

struct ParamCase {
    const char* command_line;
    int index;
    const char* expected;
};

TEST(CommandLine, SplitsParametersLikeTheRuntime) {
    const ParamCase cases[] = {
        {"C:\\VTX\\vantrix.exe ns", 0, "C:\\VTX\\vantrix.exe"},
        {"C:\\VTX\\vantrix.exe ns", 1, "ns"},
        {"\"C:\\Program Files\\Vantrix\\vantrix.exe\" ns", 0, "C:\\Program Files\\Vantrix\\vantrix.exe"},
        {"\"C:\\Program Files\\Vantrix\\vantrix.exe\" ns", 1, "ns"},
        {"\"C:\\Program Files\\Vantrix\\vantrix.exe\"", 1, ""},
        {"\"C:\\Program Files\\Vantrix\\vantrix.exe\"   ", 1, ""},
        {"vantrix.exe  \t ns  more", 1, "ns"},
        {"vantrix.exe  \t ns  more", 2, "more"},
        {"vantrix.exe ns", 2, ""},
        {"vantrix.exe \"two words\" x", 1, "two words"},
        {"vantrix.exe a\"b c\"d", 1, "ab cd"},      // quotes group in the middle of a parameter too
        {"vantrix.exe \"\" ns", 1, "ns"},           // an empty quoted pair is no parameter
        {"vantrix.exe \"unclosed text", 1, "unclosed text"},
        {"", 0, ""},
        {"", 1, ""},
        {"vantrix.exe ns", -1, ""},
        {"vantrix.exe \xC4rger", 1, "\xC4rger"},   // high ANSI characters are not blanks
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommandLineParam(c.command_line, c.index), c.expected)
            << "[" << c.command_line << "] #" << c.index;
}

}  // namespace
}  // namespace vtx
