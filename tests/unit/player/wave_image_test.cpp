#include "sound/player/wave_image.h"

#include <gtest/gtest.h>

#include "tests/support/sound_images.h"

using namespace test_images;

namespace {

const ByteVector kFormat = pcmFormat(1, 11025, 8);
const ByteVector kData = samples(101, 7);  // odd: its chunk carries a pad byte

ByteVector of(const Bytes b) { return ByteVector(b.begin(), b.end()); }

struct Accepted {
  const char* name;
  ByteVector image;
  ByteVector format;
  ByteVector data;
  friend void PrintTo(const Accepted& c, std::ostream* os) { *os << c.name; }
};

class AcceptedImages : public testing::TestWithParam<Accepted> {};

TEST_P(AcceptedImages, FindFormatAndData) {
  const std::optional<WaveImage> parsed = ParseWaveImage(GetParam().image);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(of(parsed->format), GetParam().format);
  EXPECT_EQ(of(parsed->data), GetParam().data);
}

const ByteVector kOtherData = samples(40, 9);
const ByteVector kOtherFormat = pcmFormat(2, 22050, 16);
const ByteVector kFormat18 = [] {
  ByteVector f = pcmFormat(1, 22050, 16);
  appendLe(f, 0, 2);
  return f;
}();

INSTANTIATE_TEST_SUITE_P(
    WaveImage, AcceptedImages,
    testing::Values(
        Accepted{"plain", riffWave({chunk("fmt ", kFormat), chunk("data", kData)}), kFormat, kData},
        Accepted{"data_before_fmt", riffWave({chunk("data", kData), chunk("fmt ", kFormat)}), kFormat, kData},
        Accepted{"fact_list_between",
                 riffWave({chunk("fmt ", kFormat), chunk("fact", bytes({1, 0, 0, 0})), chunk("LIST", samples(9)),
                           chunk("data", kData)}),
                 kFormat, kData},
        Accepted{"odd_chunk_before_data_padded",
                 riffWave({chunk("fmt ", kFormat), chunk("junk", samples(3)), chunk("data", kData)}), kFormat, kData},
        Accepted{"odd_data_then_fact",
                 riffWave({chunk("fmt ", kFormat), chunk("data", kData), chunk("fact", bytes({1, 2, 3, 4}))}), kFormat,
                 kData},
        // A chunk met again before both are known replaces the first; once both are known the walk stops.
        Accepted{"second_fmt_replaces_first",
                 riffWave({chunk("fmt ", kOtherFormat), chunk("fmt ", kFormat), chunk("data", kData)}), kFormat, kData},
        Accepted{"second_data_replaces_first",
                 riffWave({chunk("data", kOtherData), chunk("data", kData), chunk("fmt ", kFormat)}), kFormat, kData},
        Accepted{"data_after_both_known_ignored",
                 riffWave({chunk("fmt ", kFormat), chunk("data", kData), chunk("data", kOtherData)}), kFormat, kData},
        Accepted{"eighteen_byte_fmt", riffWave({chunk("fmt ", kFormat18), chunk("data", kData)}), kFormat18, kData},
        // Past the end: a data chunk claiming more than the image holds is cut to what is there.
        Accepted{"data_size_past_image", withoutLast(riffWave({chunk("fmt ", kFormat), chunk("data", kData)}), 41),
                 kFormat, ByteVector(kData.begin(), kData.begin() + 61)},
        Accepted{
            "data_size_past_image_huge", riffWave({chunk("fmt ", kFormat), chunk("data", kData, 0xFFFFFFF0)}), kFormat,
            [] {
              ByteVector d = kData;
              d.push_back(std::byte{0});
              return d;
            }()},
        Accepted{"riff_size_past_image", riffWave({chunk("fmt ", kFormat), chunk("data", kData)}, 0xFFFFFFFF), kFormat,
                 kData}),
    [](const auto& info) { return std::string(info.param.name); });

struct Refused {
  const char* name;
  ByteVector image;
  friend void PrintTo(const Refused& c, std::ostream* os) { *os << c.name; }
};

class RefusedImages : public testing::TestWithParam<Refused> {};

TEST_P(RefusedImages, GiveNothing) { EXPECT_FALSE(ParseWaveImage(GetParam().image)); }

const ByteVector kGood = riffWave({chunk("fmt ", kFormat), chunk("data", kData)});

INSTANTIATE_TEST_SUITE_P(
    WaveImage, RefusedImages,
    testing::Values(
        Refused{"empty", {}}, Refused{"thirty_five_bytes", firstBytes(kGood, 35)},
        Refused{"not_riff", withByteAt(kGood, 0, 'X')}, Refused{"no_wave", withByteAt(kGood, 9, 'X')},
        Refused{"no_fmt", riffWave({chunk("LIST", samples(20)), chunk("data", kData)})},
        Refused{"no_data", riffWave({chunk("fmt ", kFormat), chunk("LIST", samples(20))})},
        Refused{"empty_data", riffWave({chunk("fmt ", kFormat), chunk("data", {}), chunk("LIST", samples(20))})},
        // The RIFF body ends before the data chunk, though the bytes go on.
        Refused{"data_beyond_riff_body",
                riffWave({chunk("fmt ", kFormat), chunk("LIST", samples(20)), chunk("data", kData)}, 4 + 24 + 28)},
        // An odd chunk's pad byte is skipped: without it "data" would be found one byte early.
        Refused{"pad_byte_honoured",
                [] {
                  ByteVector image = riffWave({chunk("fmt ", kFormat), chunk("odd!", samples(3))}, 0xFFFFFFFF);
                  image.pop_back();  // no pad: the next header starts one byte early...
                  append(image, chunk("data", kData));
                  return image;
                }()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeviceWaveFormat, SixteenBytePcmGetsZeroExtraSize) {
  const ByteVector device = of(DeviceWaveFormat([] {
    static const ByteVector f = pcmFormat(2, 11025, 16);
    return Bytes(f);
  }()));
  ASSERT_EQ(device.size(), 18u);
  EXPECT_EQ(ByteVector(device.begin(), device.begin() + 16), pcmFormat(2, 11025, 16));
  EXPECT_EQ(device[16], std::byte{0});
  EXPECT_EQ(device[17], std::byte{0});
}

TEST(DeviceWaveFormat, ExtraBytesKeptUpToWhatTheBodyHolds) {
  ByteVector mp3 = pcmFormat(1, 24000, 0);
  appendLe(mp3, 12, 2);
  append(mp3, samples(12, 3));
  EXPECT_EQ(of(DeviceWaveFormat(mp3)), mp3);

  ByteVector shortExtra(mp3.begin(), mp3.end() - 5);  // claims 12 extra bytes, holds 7
  const ByteVector device = of(DeviceWaveFormat(shortExtra));
  ASSERT_EQ(device.size(), 25u);
  EXPECT_EQ(device[16], std::byte{7});
  EXPECT_EQ(ByteVector(device.begin() + 18, device.end()), ByteVector(shortExtra.begin() + 18, shortExtra.end()));
}

TEST(DeviceWaveFormat, ShortBodyIsZeroPadded) {
  const ByteVector device = of(DeviceWaveFormat(bytes({1, 0, 2})));
  EXPECT_EQ(device, bytes({1, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

}  // namespace
