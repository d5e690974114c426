// The live waveform capture on the fake input: its device and format, the buffer refilled over and
// over, whole blocks to read, and closing.
#include "audio/recorder/wave_in_form.h"

#include <gtest/gtest.h>

#include "sound/device/wave_format.h"
#include "tests/support/device/fake_wave_input.h"
#include "tests/support/poll.h"

namespace {

// Every 4096-byte block holds one value in all its samples: block k is k + 1 in both bytes.
std::byte blockValue(std::uint64_t n) { return static_cast<std::byte>(n / 4096 + 1); }

TEST(WaveInForm, OpensMono11025At16BitsAndRefillsItsOneBufferOverAndOver) {
  FakeWaveInput input(blockValue);
  WaveInForm form(input);
  EXPECT_FALSE(form.IsOpen());
  EXPECT_EQ(form.GetSampleCount(), 2048);
  ASSERT_TRUE(form.Open());
  EXPECT_TRUE(form.IsOpen());
  ASSERT_TRUE(input.waitFor([](const std::vector<WaveInRecord>& r) { return r[0].filled >= 6; }));
  const WaveInRecord record = input.records()[0];
  const auto mono = PcmWaveFormat(1, 11025, 16);
  EXPECT_EQ(record.format, std::vector<std::byte>(mono.begin(), mono.end()));
  EXPECT_EQ(record.misuses, 0) << "one slot, queued again only once it is back";
  EXPECT_GE(form.blocksCaptured(), 5u) << "each full block counts";
}

TEST(WaveInForm, SamplesOneTo2048ComeFromOneWholeBlock) {
  FakeWaveInput input(blockValue);
  WaveInForm form(input);
  EXPECT_EQ(form.GetSample(1), 0) << "closed: nothing captured yet";
  ASSERT_TRUE(form.Open());
  ASSERT_TRUE(input.waitFor([](const std::vector<WaveInRecord>& r) { return r[0].filled >= 3; }));
  ASSERT_TRUE(test_support::pollUntil([&] { return form.GetSample(1).value_or(0) != 0; }));
  for (int round = 0; round < 50; ++round) {
    const auto first = form.GetSample(1), last = form.GetSample(2048);
    ASSERT_TRUE(first && last);
    const auto block = static_cast<std::uint16_t>(*first) & 0xFF;
    EXPECT_EQ(static_cast<std::uint16_t>(*first), block * 0x0101);
    if (form.GetSample(1) == first) { EXPECT_EQ(last, first) << "the first and last sample of one block"; }
  }
  for (const std::int32_t outside : {0, 2049, -1, 1 << 30}) EXPECT_FALSE(form.GetSample(outside)) << outside;
}

TEST(WaveInForm, CloseStopsTheCaptureAndOpenClosesFirst) {
  FakeWaveInput input(blockValue);
  WaveInForm form(input);
  EXPECT_TRUE(form.Close()) << "closing a closed capture is harmless";
  ASSERT_TRUE(form.Open());
  ASSERT_TRUE(form.Open());
  auto records = input.records();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_TRUE(records[0].closed);
  EXPECT_FALSE(records[1].closed);
  EXPECT_TRUE(form.Close());
  EXPECT_FALSE(form.IsOpen());
  records = input.records();
  EXPECT_TRUE(records[1].closed);
  const std::uint32_t filled = records[1].filled;
  EXPECT_TRUE(form.Close());
  EXPECT_EQ(input.records()[1].filled, filled) << "nothing is captured once closed";
}

TEST(WaveInForm, WithoutAnInputDeviceItStaysClosed) {
  FakeWaveInput input(blockValue);
  input.refuseOpen(true);
  WaveInForm form(input);
  EXPECT_FALSE(form.Open());
  EXPECT_FALSE(form.IsOpen());
  EXPECT_TRUE(form.Close());
}

}  // namespace
