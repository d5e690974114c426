#pragma once
// The maker's web addresses and contact values, in one place. The project has no public channel of
// its own yet, so none of them can reach a stranger: the addresses lie under the domains reserved
// for examples (example.com, .net and .org never belong to anyone), and QQ accounts and group
// numbers are positive integers written without a leading zero, so digits that start with 0 name
// no account and no group.
#include <string_view>

namespace about {

inline constexpr std::string_view kHomePageAddress = "https://www.example.com/";
inline constexpr std::string_view kPersonalPageAddress = "https://www.example.org/author/";
inline constexpr std::string_view kStartPageAddress = "https://www.example.net/";
// What OpenWebPage opens when a caller gives no address.
inline constexpr std::string_view kFallbackAddress = kHomePageAddress;

inline constexpr std::string_view kAuthorQqNumber = "00000";
inline constexpr std::string_view kDiscussionGroupNumber = "000000";
inline constexpr std::string_view kAuthorEmailAddress = "author@example.com";

}  // namespace about
