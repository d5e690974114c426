// Wave format records: a PCM record byte for byte, and records a device can read whole.
#include "sound/device/wave_format.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::byte> bytesOf(std::initializer_list<int> values) {
  std::vector<std::byte> out;
  for (int v : values) out.push_back(static_cast<std::byte>(v));
  return out;
}

TEST(WaveFormat, PcmRecordsComputeBlockAlignAndByteRate) {
  const auto stereo = PcmWaveFormat(2, 44100, 16);
  EXPECT_EQ(std::vector(stereo.begin(), stereo.end()),
            bytesOf({1, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x10, 0xB1, 2, 0, 4, 0, 16, 0, 0, 0}));
  const auto mono = PcmWaveFormat(1, 11025, 8);
  EXPECT_EQ(readLe32(mono, 8), 11025u);
  EXPECT_EQ(readLe16(mono, 12), 1);
}

TEST(WaveFormat, AWholeRecordHoldsEveryExtraByteItClaims) {
  const auto pcm = PcmWaveFormat(1, 8000, 16);
  std::vector<std::byte> record(pcm.begin(), pcm.end());
  EXPECT_TRUE(IsWholeWaveFormat(record));
  EXPECT_FALSE(IsWholeWaveFormat(Bytes(record).first(17)));
  record[16] = std::byte{2};
  EXPECT_FALSE(IsWholeWaveFormat(record)) << "two extra bytes claimed, none there";
  record.resize(20);
  EXPECT_TRUE(IsWholeWaveFormat(record));
}

}  // namespace
