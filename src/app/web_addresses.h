#pragma once
// The maker's web addresses, kept in one place so a move of the site is one edit.
// Plain character arrays: they join std::string texts and convert to std::string_view.

namespace vtx::web {

inline constexpr char kHomePage[] = "https://orvane.example/";
inline constexpr char kProductPage[] = "https://vantrix.orvane.example/";
inline constexpr char kSupportPage[] = "https://orvane.example/support/";
inline constexpr char kSupportMail[] = "support@orvane.example";

}  // namespace vtx::web
