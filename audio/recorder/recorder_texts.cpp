#include "audio/recorder/recorder_texts.h"

#include <cmath>
#include <cstdio>

double roundedHundredths(double seconds) {
  const double magnitude = std::floor(std::fabs(seconds) * 100 + 1e-12 + 0.5) / 100;
  return std::copysign(magnitude, seconds);
}

std::optional<std::string> elapsedTimeCaption(std::int64_t position, const RecordFormat& format) {
  if (position < 0 || format.bytesPerSecond() == 0) return std::nullopt;
  char number[32];
  std::snprintf(number, sizeof number, "%.13g",
                roundedHundredths(static_cast<double>(position) / format.bytesPerSecond()));
  return std::string("已经录制时间(秒):") + number;
}

std::string saveFailedText(SaveFailure failure) {
  std::string why;
  switch (failure) {
    case SaveFailure::none: return {};
    case SaveFailure::fileExists: why = "同名文件已经存在。"; break;
    case SaveFailure::cannotCreate: why = "无法在这里创建文件：文件夹可能是只读的，或者文件名不可用。"; break;
    case SaveFailure::writeFailed: why = "写入文件时出错：磁盘可能已满。"; break;
    case SaveFailure::captureLost: why = "临时文件夹所在的磁盘已满，录音没能完整保留。"; break;
  }
  return "录音文件没有保存成功。\n" + why + "\n录音仍然保留着，可以换一个位置再保存。";
}

// Walks the GBK text character by character: a trail byte may look like a backslash.
std::string withWavExtension(std::string path) {
  bool dotInName = false;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const auto c = static_cast<unsigned char>(path[i]);
    if (c >= 0x81)
      ++i;
    else if (c == '\\' || c == '/' || c == ':')
      dotInName = false;
    else if (c == '.')
      dotInName = true;
  }
  if (!dotInName) path += ".wav";
  return path;
}
