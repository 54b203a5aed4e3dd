#include "app/shell_pages.h"

#include <string>

namespace vtx {

ShellRequest HelpPageRequest(std::string_view program_folder, std::string_view page) {
    return ShellRequest{"open", std::string(program_folder) + "help\\" + std::string(page), std::string(),
                        std::string(), 3};
}

ShellRequest WebPageRequest(std::string_view address) {
    return ShellRequest{"open", std::string(address), std::nullopt, std::nullopt, 3};
}

ShellRequest MailRequest(std::string_view address) {
    return ShellRequest{"open", "mailto:" + std::string(address), std::nullopt, std::nullopt, 1};
}

}  // namespace vtx
