#pragma once
// Pages the program hands to the shell: its help pages and the maker's web pages.

#include <string_view>

#include "platform/platform.h"

namespace vtx {

// A page of the help folder ("index.htm", "options.htm"), opened maximised.
[[nodiscard]] ShellRequest HelpPageRequest(std::string_view program_folder, std::string_view page);
// A page of the maker's web site, opened maximised.
[[nodiscard]] ShellRequest WebPageRequest(std::string_view address);
// A new message to the maker's support address, shown normally.
[[nodiscard]] ShellRequest MailRequest(std::string_view address);

}  // namespace vtx
