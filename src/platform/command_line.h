#pragma once
// Splitting a Windows command line into its parameters.

#include <string>
#include <string_view>

namespace vtx {

// The parameter at index of command_line (0 is the program itself), empty when there is
// none. Parameters are separated by blanks and control characters; double quotes group
// blanks into one parameter and are themselves dropped.
[[nodiscard]] std::string CommandLineParam(std::string_view command_line, int index);

// The first parameter after the program, for a command line that may name the program by
// its full path without quotes although the path holds blanks (an old start-with-Windows
// entry "C:\Program Files\Vantrix\vantrix.exe ns"): when the line begins with exe_path so,
// the parameter is read from what follows it. Otherwise CommandLineParam(command_line, 1).
[[nodiscard]] std::string FirstParameterAfterProgram(std::string_view command_line, std::string_view exe_path);

}  // namespace vtx
