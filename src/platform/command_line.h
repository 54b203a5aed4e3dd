#pragma once
// Splitting a Windows command line into its parameters.

#include <string>
#include <string_view>

namespace vtx {

// The parameter at index of command_line (0 is the program itself), empty when there is
// none. Parameters are separated by blanks and control characters; double quotes group
// blanks into one parameter and are themselves dropped.
[[nodiscard]] std::string CommandLineParam(std::string_view command_line, int index);

}  // namespace vtx
