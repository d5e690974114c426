#include "app/main_window_handlers_win32.h"

#include <windows.h>

#include "app/program_win32.h"
#include "app/single_instance_win32.h"
#include "app/tray_icon_win32.h"
#include "assets/windows/audio_window_ids.h"
#include "assets/windows/handlers.h"
#include "assets/windows/lock_window_ids.h"
#include "assets/windows/main_window_ids.h"
#include "assets/windows/notepad_window_ids.h"
#include "assets/windows/recorder_window_ids.h"
#include "features/about/about_texts.h"
#include "features/about/contact_details.h"
#include "features/about/registry_value_win32.h"
#include "features/about/web_page_win32.h"
#include "soundboard/custom_effects/custom_effect_paths_win32.h"
#include "soundboard/custom_effects/custom_effects_win32.h"
#include "ui/format/events.h"
#include "ui/message_box_win32.h"
#include "ui/window_helpers_win32.h"

namespace {

using namespace main_window;

// A second copy says so and ends at once, before its window or tray icon is ever shown. The
// running copy is left alone.
void refuseSecondCopy() {
  const int instances = countInstances(runningExecutableNames(), programPath().exeName);
  if (instances < 2) return;
  showMessageBox("您已启动了澜星助手工具箱，不需要重复运行~！", "重复提醒：");
  endProgram();
  ExitProcess(0);
}

class MainWindowHandlers {
 public:
  MainWindowHandlers(WindowFramework& windows, const SettingsFile& settings) : windows_(windows), settings_(settings) {}

  std::optional<std::int32_t> created(const EventArgs&) {
    windows_.SetProperty(kWindowId, 0, common_property::left, std::int32_t{GetSystemMetrics(SM_CXSCREEN) - 200});
    windows_.SetProperty(kWindowId, 0, common_property::top, std::int32_t{50});
    refuseSecondCopy();
    HWND window = windows_.GetWindowHandle(kWindowId);
    addTrayIconWhenIdle(window, "澜星助手工具箱");
    setComponentShutdown(removeTrayIcon);
    registerCustomEffectHotkeys(window, windows_.GetUnit(kWindowId, 标签1)->hwnd());
    loadCustomEffectPaths(windows_, settings_, kMainWindowPaths);
    return std::nullopt;
  }

  std::optional<std::int32_t> hotkeyPressed(const EventArgs& e) {
    onCustomEffectHotkey(e.arg(0), [this](int n) { return customEffectPath(windows_, kMainWindowPaths, n); });
    return std::nullopt;
  }

  std::optional<std::int32_t> trayIcon(const EventArgs& e) {
    if (e.arg(0) == tray_code::leftDoubleClick) setVisible(true);
    if (e.arg(0) == tray_code::rightUp) windows_.PopupMenu(kWindowId, 托盘菜单);
    return std::nullopt;
  }

  std::optional<std::int32_t> toggleOnTop(const EventArgs&) {
    toggleAlwaysOnTop(windows_, kWindowId, 置顶选择框1);
    return std::nullopt;
  }

  std::optional<std::int32_t> hide(const EventArgs&) {
    setVisible(false);
    return std::nullopt;
  }

  std::optional<std::int32_t> show(const EventArgs&) {
    setVisible(true);
    return std::nullopt;
  }

  std::optional<std::int32_t> quit(const EventArgs&) {
    windows_.DestroyWindow(kWindowId);
    return std::nullopt;
  }

  // 音频助手1, 录音软件1, 记事本1 and 挂机工具1 load their window non-modal and owned by the main
  // window, so it closes with it; an open one comes forward.
  std::optional<std::int32_t> openAudioWindow(const EventArgs&) { return open(audio_window::kWindowId); }
  std::optional<std::int32_t> openRecorderWindow(const EventArgs&) { return open(recorder_window::kWindowId); }
  std::optional<std::int32_t> openNotepadWindow(const EventArgs&) { return open(notepad_window::kWindowId); }
  std::optional<std::int32_t> openLockWindow(const EventArgs&) { return open(lock_window::kWindowId); }

  // The links of 关于软件 and 网址导航1. The start page is replaced without asking; a write the
  // registry refuses still opens the page.
  std::optional<std::int32_t> openUpdatePage(const EventArgs&) { return openPage(about::kHomePageAddress); }
  std::optional<std::int32_t> openAuthorPage(const EventArgs&) { return openPage(about::kPersonalPageAddress); }
  std::optional<std::int32_t> showPriceList(const EventArgs&) { return tell(about::priceListText()); }
  std::optional<std::int32_t> showContact(const EventArgs&) { return tell(about::contactText()); }
  std::optional<std::int32_t> setBrowserStartPage(const EventArgs&) {
    WriteRegistryValue(about::kStartPageRootCode, about::kStartPageKeyText, std::string(about::kStartPageAddress));
    return openPage(about::kStartPageAddress);
  }

 private:
  static std::optional<std::int32_t> openPage(std::string_view address) {
    OpenWebPage(address);
    return std::nullopt;
  }
  static std::optional<std::int32_t> tell(const std::string& text) {
    showMessageBox(text, about::kAboutTitle);
    return std::nullopt;
  }

  void setVisible(bool visible) { windows_.SetProperty(kWindowId, 0, common_property::visible, std::int32_t{visible}); }

  std::optional<std::int32_t> open(std::uint32_t windowId) {
    windows_.LoadWindow(windowId, windows_.GetWindowHandle(kWindowId));
    return std::nullopt;
  }

  WindowFramework& windows_;
  const SettingsFile& settings_;
};

}  // namespace

void registerMainWindowHandlers(HandlerTable& table, WindowFramework& windows, const SettingsFile& settings) {
  const auto handlers = std::make_shared<MainWindowHandlers>(windows, settings);
  using H = MainWindowHandlers;
  table.set(Handler::startMainWindow, handlers, &H::created);
  table.set(Handler::mainWindowTrayIcon, handlers, &H::trayIcon);
  table.set(Handler::hotkeyPressed, handlers, &H::hotkeyPressed);
  table.set(Handler::quitProgram, handlers, &H::quit);
  table.set(Handler::hideMainWindow, handlers, &H::hide);
  table.set(Handler::toggleMainOnTop, handlers, &H::toggleOnTop);
  table.set(Handler::showMainWindow, handlers, &H::show);
  table.set(Handler::openAudioWindow, handlers, &H::openAudioWindow);
  table.set(Handler::openRecorderWindow, handlers, &H::openRecorderWindow);
  table.set(Handler::openNotepadWindow, handlers, &H::openNotepadWindow);
  table.set(Handler::openLockWindow, handlers, &H::openLockWindow);
  table.set(Handler::openUpdatePage, handlers, &H::openUpdatePage);
  table.set(Handler::openAuthorPage, handlers, &H::openAuthorPage);
  table.set(Handler::showPriceListBox, handlers, &H::showPriceList);
  table.set(Handler::showContactBox, handlers, &H::showContact);
  table.set(Handler::setBrowserStartPage, handlers, &H::setBrowserStartPage);
}
