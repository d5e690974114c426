#pragma once
// Handler references of the window descriptions: each value names one handler routine of the
// program, by its job. The block stores these numbers; append new handlers at the end.
#include <cstdint>

enum class Handler : std::uint32_t {
  startMainWindow,      // main window created: position, single instance, tray icon, hotkeys, paths
  mainWindowTrayIcon,   // main window's tray icon codes
  hotkeyPressed,        // 标签1 feedback
  quitProgram,          // 退出1, 退出程序: destroy the main window
  hideMainWindow,       // 隐藏1
  toggleMainOnTop,      // 置顶1
  showMainWindow,       // 显示程序
  openAudioWindow,      // 音频助手1
  openRecorderWindow,   // 录音软件1
  openNotepadWindow,    // 记事本1
  openLockWindow,       // 挂机工具1
  setBrowserStartPage,  // 网址导航1
  openUpdatePage,       // 检测更新1
  showContactBox,       // 联系作者1
  showPriceListBox,     // 收费标准1
  openAuthorPage,       // 作者空间1
  // audio window
  startAudioWindow,  // created: skin scheme 2, custom-effect holders, sound-card field
  playCustomEffect1,
  playCustomEffect2,
  playCustomEffect3,  // 自定义音效N click
  chooseCustomEffect1,
  chooseCustomEffect2,
  chooseCustomEffect3,  // 自定义音效N right button up
  checkSoundCard,       // 声卡检测1
  confirmSoundCard,     // 声卡确认1
  closeAudioWindow,     // 退出1: stop all sound, destroy the audio window
  toggleAudioOnTop,     // 置顶1 and 选择框1
  startKnobDrag,
  endKnobDrag,
  moveKnob,  // 音量拖动 left down, left up, mouse move
  showPage1,
  showPage2,
  showPage3,
  showPage4,       // 类型1..类型4
  playPageEffect,  // a page button with an effect: stop all sound, play its effect
  stopAllSound,    // the "停止播放" page buttons
  // recorder window
  startRecorderWindow,        // created
  stopRecorderBeforeClosing,  // may close
  recordFormatChosen,         // 组合框1..组合框3 item chosen
  startRecording,
  pauseRecording,
  resumeRecording,
  stopRecording,
  saveRecording,
  elapsedTimeTick,  // 时间时钟
  waveformTick,     // 波形时钟
  // notepad window
  loadNotepadText,     // created
  saveNotepadText,     // about to be destroyed
  toggleNotepadOnTop,  // menu item 置顶
  // lock window
  startLockWindow,          // created: skin scheme 2
  refuseClosingLockWindow,  // may close
  setPasswordAndLock,       // 按钮1
  closeLockWindow,          // 按钮2
  unlock,                   // 按钮3
  keepLockScreenInPlace,    // 时钟1
  count
};

inline constexpr std::uint32_t handlerReference(Handler h) { return static_cast<std::uint32_t>(h); }
