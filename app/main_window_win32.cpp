#include "app/main_window_win32.h"

#include <windows.h>

#include "app/program_win32.h"
#include "app/single_instance_win32.h"
#include "app/tray_icon_win32.h"
#include "assets/windows/main_window_ids.h"
#include "soundboard/custom_effects/custom_effects_win32.h"
#include "ui/format/events.h"
#include "ui/gbk_text_win32.h"
#include "ui/loader_win32.h"
#include "ui/types/unit_types_win32.h"
#include "ui/types/window_unit_win32.h"

namespace main_window_handlers {

namespace {

using namespace main_window;

void setVisible(bool visible) { SetProperty(kWindowId, 0, common_property::visible, std::int32_t{visible}); }

// A second copy says so and ends at once, before its window or tray icon is ever shown. The
// running copy is left alone.
void refuseSecondCopy() {
  const int instances = countInstances(runningExecutableNames(), programPath().exeName);
  if (instances < 2) return;
  MessageBoxW(nullptr, wideFromGbk("您已启动了澜星助手工具箱，不需要重复运行~！").c_str(),
              wideFromGbk("重复提醒：").c_str(), MB_OK | MB_TASKMODAL);
  endProgram();
  ExitProcess(0);
}

// The main window's hidden holders of the custom-effect paths, which the hotkeys read.
constexpr std::uint32_t kPathHolders[kCustomEffectCount] = {编辑框1, 编辑框2, 编辑框3};

void loadCustomEffectPaths() {
  for (int n = 1; n <= kCustomEffectCount; ++n)
    SetProperty(kWindowId, kPathHolders[n - 1], edit_box_property::text,
                ReadSetting(customEffectSection(n), kCustomEffectKey));
}

std::string customEffectPath(int n) {
  return std::get<std::string>(GetProperty(kWindowId, kPathHolders[n - 1], edit_box_property::text));
}

}  // namespace

std::optional<std::int32_t> created(const EventArgs&) {
  SetProperty(kWindowId, 0, common_property::left, std::int32_t{GetSystemMetrics(SM_CXSCREEN) - 200});
  SetProperty(kWindowId, 0, common_property::top, std::int32_t{50});
  refuseSecondCopy();
  HWND window = GetWindowHandle(kWindowId);
  const auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
  if (addTrayIcon(window, icon, "澜星助手工具箱")) setComponentShutdown(removeTrayIcon);
  registerCustomEffectHotkeys(window, GetUnit(kWindowId, 标签1)->hwnd());
  loadCustomEffectPaths();
  return std::nullopt;
}

std::optional<std::int32_t> hotkeyPressed(const EventArgs& e) {
  onCustomEffectHotkey(e.arg(0), customEffectPath);
  return std::nullopt;
}

std::optional<std::int32_t> trayIcon(const EventArgs& e) {
  if (e.arg(0) == tray_code::leftDoubleClick) setVisible(true);
  if (e.arg(0) == tray_code::rightUp) PopupMenu(kWindowId, 托盘菜单);
  return std::nullopt;
}

std::optional<std::int32_t> toggleOnTop(const EventArgs&) {
  const bool onTop = std::get<std::int32_t>(GetProperty(kWindowId, 0, window_property::alwaysOnTop)) != 0;
  SetProperty(kWindowId, 0, window_property::alwaysOnTop, std::int32_t{!onTop});
  SetProperty(kWindowId, 置顶选择框1, check_box_property::checked, std::int32_t{!onTop});
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
  DestroyWindow(kWindowId);
  return std::nullopt;
}

}  // namespace main_window_handlers
