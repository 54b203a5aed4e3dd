#pragma once
// The About window's rules: the version text of the running executable and the maker's
// addresses it opens.

#include <string>

#include "app/app_session.h"

namespace vtx {

// Major, minor and build, as "%d.%d.%d": 2.0.1.17 shows as "2.0.17".
[[nodiscard]] std::string AboutVersionText(const FileVersion& version);

class AboutRules {
public:
    explicit AboutRules(AppSession& app) noexcept : app_(app) {}
    // Read once, when the window is made; fixed for the run.
    [[nodiscard]] std::string VersionText();
    // The support address: a new message to it.
    void MailClick();
    // The web address, and "Learn about other OV products...".
    void WebClick();

private:
    AppSession& app_;
};

}  // namespace vtx
