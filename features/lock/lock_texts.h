#pragma once
// What the lock tool says, and where it keeps the password (配置.ini, in plain text).
#include <string_view>

namespace lock {

inline constexpr std::string_view kSection = "挂机工具";
inline constexpr std::string_view kKey = "密码";

inline constexpr std::string_view kMessageTitle = "提示：";
inline constexpr std::string_view kNoPasswordText = "请设置密码";
inline constexpr std::string_view kMismatchText = "对不起，两次密码输入不一致，请重新设置！";
inline constexpr std::string_view kNotStoredText =
    "密码未能保存到配置文件，屏幕没有锁定，请检查程序所在的文件夹是否可以写入。";
// The settings file drops blanks at either end of a value and the quotes around it.
inline constexpr std::string_view kNotKeptText = "密码首尾的空格或引号无法保存，屏幕没有锁定，请重新设置！";

// The lock screen: the first prompt's new text, the status line, and what a wrong try shows there.
inline constexpr std::string_view kUnlockPrompt = "请输入密码：";
inline constexpr std::string_view kLockedStatus = "此机器正在挂机，请勿动";
inline constexpr std::string_view kWrongPasswordStatus = "您输入的密码有误，请重新输入！";

// 时钟1's interval once locked: as often as the system timer allows.
inline constexpr int kCoverTimerMilliseconds = 1;

}  // namespace lock
