#pragma once
// Pages of the maker's web site, opened from the launcher's help menu and the About window.

#include <string_view>

namespace vtx::web {

inline constexpr std::string_view kHomePage = "https://orvane.example/";
inline constexpr std::string_view kProductPage = "https://vantrix.orvane.example/";
inline constexpr std::string_view kSupportPage = "https://orvane.example/support/";

}  // namespace vtx::web
