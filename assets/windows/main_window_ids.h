#pragma once
// Ids of the main window and its units, as its description stores them.
#include <cstdint>

namespace main_window {

inline constexpr std::uint32_t kWindowId = 0x52010001;

enum Unit : std::uint32_t {
  窗口 = 0x06010000,
  编辑框3 = 0x16010001,
  编辑框2,
  编辑框1,
  标签1,
  退出1,
  隐藏1,
  置顶1,
  网址导航1,
  挂机工具1,
  记事本1,
  录音软件1,
  音频助手1,
  网址导航2,
  作者空间2,
  作者空间1,
  收费标准2,
  收费标准1,
  联系作者2,
  联系作者1,
  检测更新1,
  检测更新2,
  关于软件2,
  关于软件1,
  置顶选择框1,
  音频助手2,
  录音软件2,
  记事本2,
  挂机工具2,
  置顶2,
  退出2,
  隐藏2,
  外形框1,
  托盘菜单 = 0x26010030,
  显示程序,
  退出程序,
};

}  // namespace main_window
