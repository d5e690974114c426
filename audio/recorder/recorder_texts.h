#pragma once
// What the recorder window shows: the elapsed-time caption, why a save failed, the question asked
// before an unsaved recording is closed, and the saved file's name.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "audio/recorder/record_format.h"
#include "audio/recorder/wave_record.h"

inline constexpr std::string_view kRecorderMessageTitle = "提示：";
inline constexpr std::string_view kUnsavedRecordingQuestion = "这次录音还没有保存，关闭后将会丢失。\n要先保存吗？";

// Seconds rounded to two decimals, halves away from zero, a 10^-12 tolerance added to the magnitude
// before the fraction is judged.
[[nodiscard]] double roundedHundredths(double seconds);
// "已经录制时间(秒):" and the seconds of `position` bytes in `format`; nothing while the position
// reads -1 (no device), so the caption keeps its last value.
[[nodiscard]] std::optional<std::string> elapsedTimeCaption(std::int64_t position, const RecordFormat& format);
// The message for a save that failed: the file could not be saved, and why.
[[nodiscard]] std::string saveFailedText(SaveFailure failure);
// The chosen GBK path with ".wav" added when its file name has no extension.
[[nodiscard]] std::string withWavExtension(std::string path);
