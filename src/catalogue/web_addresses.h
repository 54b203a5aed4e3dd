#pragma once
// The maker's web addresses, kept in one place so a move of the site is one edit.
// Plain character arrays: they join std::string texts and convert to std::string_view.
// The packages (scripts/package.sh: the installer's "Apps" entry, README.txt) read them from
// here too, so each stays a single `inline constexpr char kName[] = "...";` line.

namespace vtx::web {

inline constexpr char kHomePage[] = "https://www.orvane.com/";
inline constexpr char kProductPage[] = "https://www.orvane.com/vantrix/";
inline constexpr char kSupportPage[] = "https://www.orvane.com/support/";
inline constexpr char kSupportMail[] = "support@orvane.com";

}  // namespace vtx::web
