#include "audio/recorder/wav_header.h"

#include <string_view>

namespace {

class HeaderWriter {
 public:
  explicit HeaderWriter(std::array<std::byte, kWavHeaderBytes>& out) : out_(out) {}
  void tag(std::string_view t) {
    for (char c : t) out_[at_++] = static_cast<std::byte>(c);
  }
  void le(std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out_[at_++] = static_cast<std::byte>(value >> (8 * i));
  }

 private:
  std::array<std::byte, kWavHeaderBytes>& out_;
  std::size_t at_ = 0;
};

}  // namespace

std::array<std::byte, kWavHeaderBytes> wavHeader(const RecordFormat& format, std::uint32_t dataBytes) {
  std::array<std::byte, kWavHeaderBytes> out{};
  HeaderWriter w(out);
  w.tag("RIFF");
  w.le(dataBytes + 36, 4);
  w.tag("WAVEfmt ");
  w.le(16, 4);
  w.le(1, 2);
  w.le(static_cast<std::uint32_t>(format.channels), 2);
  w.le(static_cast<std::uint32_t>(format.rate), 4);
  w.le(format.bytesPerSecond(), 4);
  w.le(format.blockAlign(), 2);
  w.le(static_cast<std::uint32_t>(format.bits), 2);
  w.tag("data");
  w.le(dataBytes, 4);
  return out;
}
