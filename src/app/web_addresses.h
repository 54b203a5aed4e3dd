#pragma once
// The maker's web addresses, kept in one place so a move of the site is one edit.

#include <string_view>

namespace vtx::web {

inline constexpr std::string_view kHomePage = "https://orvane.example/";
inline constexpr std::string_view kProductPage = "https://vantrix.orvane.example/";
inline constexpr std::string_view kSupportPage = "https://orvane.example/support/";

}  // namespace vtx::web
