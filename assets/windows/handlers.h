#pragma once
// Handler references of the window descriptions: each value names one handler routine of the
// program, by its job. The block stores these numbers; append new handlers at the end.
#include <cstdint>

enum class Handler : std::uint32_t {
  startMainWindow,     // main window created: position, single instance, tray icon, hotkeys, paths
  mainWindowTrayIcon,  // main window's tray icon codes
  hotkeyPressed,       // 标签1 feedback
  quitProgram,         // 退出1, 退出程序: destroy the main window
  hideMainWindow,      // 隐藏1
  toggleMainOnTop,     // 置顶1
  showMainWindow,      // 显示程序
  openAudioWindow,     // 音频助手1
  openRecorderWindow,  // 录音软件1
  openNotepadWindow,   // 记事本1
  openLockWindow,      // 挂机工具1
  setBrowserStartPage, // 网址导航1
  openUpdatePage,      // 检测更新1
  showContactBox,      // 联系作者1
  showPriceListBox,    // 收费标准1
  openAuthorPage,      // 作者空间1
  count
};

inline constexpr std::uint32_t handlerReference(Handler h) { return static_cast<std::uint32_t>(h); }
