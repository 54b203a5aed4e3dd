#include "dialogs/about_rules.h"

#include "app/shell_pages.h"
#include "catalogue/web_addresses.h"

namespace vtx {

std::string AboutVersionText(const FileVersion& v) {
    return std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.build);
}

std::string AboutRules::VersionText() {
    Platform& p = app_.platform();
    return AboutVersionText(p.system.FileVersionOf(p.system.ExecutablePath()));
}

void AboutRules::MailClick() { app_.platform().shell.Execute(MailRequest(web::kSupportMail)); }

void AboutRules::WebClick() { app_.OpenWebPage(web::kHomePage); }

}  // namespace vtx
