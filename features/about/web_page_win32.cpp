#include "features/about/web_page_win32.h"

#include <shellapi.h>

#include "features/about/about_texts.h"
#include "features/about/contact_details.h"
#include "ui/gbk_text_win32.h"

HWND browserWindow() {
  return FindWindowExW(nullptr, nullptr, nullptr, wideFromGbk(about::kBrowserWindowTitle).c_str());
}

void OpenWebPage(std::string_view address) {
  const std::string_view page = address.empty() ? about::kFallbackAddress : address;
  ShellExecuteW(browserWindow(), L"open", wideFromGbk(page).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
