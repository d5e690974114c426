#pragma once
// The texts of the two about boxes and what the links hand to the shell and the registry.
#include <string>
#include <string_view>

namespace about {

inline constexpr std::string_view kAboutTitle = "关于：";

// 收费标准1's box: nine lines, the sixth and eighth empty.
std::string priceListText();
// 联系作者1's box: six lines with the contact values of contact_details.h.
std::string contactText();

// OpenWebPage hands the browser window with this title to the shell as the owner, when one exists.
inline constexpr std::string_view kBrowserWindowTitle = "Microsoft Internet Explorer";

// 网址导航1: the browser's start page, written with root code 3 (HKEY_CURRENT_USER).
inline constexpr int kStartPageRootCode = 3;
inline constexpr std::string_view kStartPageKeyText = "Software\\Microsoft\\Internet Explorer\\Main\\Start Page";

}  // namespace about
