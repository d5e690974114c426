#pragma once
// Type words of the unit records: (library number << 16) | type number.
#include <cstdint>

namespace type_word {
inline constexpr std::uint32_t window = 0x00010001;
inline constexpr std::uint32_t menu = 0x00010003;
inline constexpr std::uint32_t EditBox = 0x00010005;
inline constexpr std::uint32_t PicBox = 0x00010006;
inline constexpr std::uint32_t ShapeBox = 0x00010007;
inline constexpr std::uint32_t Label = 0x0001000A;
inline constexpr std::uint32_t Button = 0x0001000B;
inline constexpr std::uint32_t CheckBox = 0x0001000C;
inline constexpr std::uint32_t ComboBox = 0x0001000E;
inline constexpr std::uint32_t Tab = 0x00010015;
inline constexpr std::uint32_t CommonDlg = 0x0001001F;
inline constexpr std::uint32_t Timer = 0x00010020;
inline constexpr std::uint32_t PicBtn = 0x0001002D;
inline constexpr std::uint32_t TransLabel = 0x00040005;
inline constexpr std::uint32_t SysVolume = 0x00050001;
inline constexpr std::uint32_t WaveRecord = 0x00050002;
inline constexpr std::uint32_t WaveInForm = 0x00050004;
inline constexpr std::uint32_t LineChart = 0x00060003;
}  // namespace type_word

// Unit flags word.
namespace unit_flag {
inline constexpr std::uint32_t visible = 1;
inline constexpr std::uint32_t disabled = 2;
inline constexpr std::uint32_t tabStop = 4;
}  // namespace unit_flag

inline constexpr std::uint32_t kNoHandler = 0xFFFFFFFF;
