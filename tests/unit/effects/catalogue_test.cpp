// The embedded images against the catalogue of the 64 built-in effects, row by row.
#include "sound/effects/catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string_view>
#include <tuple>

#include "tests/unit/effects/riff_reader.h"

namespace {

using Layout = std::vector<std::string>;
const Layout kPlain = {"fmt ", "data"};
const Layout kLamp = {"fmt ", "data", "smpl", "cue ", "LIST", "LIST", "muma", "chrp", "bext"};
const Layout kId3 = {"fmt ", "data", "ID3x"};
const Layout kFactFirst = {"fmt ", "fact", "data"};
const Layout kFactLast = {"fmt ", "data", "fact"};
const Layout kList = {"fmt ", "data", "LIST"};

struct Row {
  int fx;
  std::uint32_t imageBytes;
  int tag, channels, rate, bits;
  std::uint32_t dataBytes;
  const Layout& layout;
};

constexpr int PCM = 1, MP3 = 85;

const Row kCatalogue[] = {
    {1, 300044, PCM, 2, 11025, 16, 300000, kPlain},      {2, 880044, PCM, 2, 48000, 16, 880000, kPlain},
    {3, 120044, PCM, 2, 11025, 16, 120000, kPlain},      {4, 140044, PCM, 2, 11025, 16, 140000, kPlain},
    {5, 206576, PCM, 2, 44100, 16, 205380, kLamp},       {6, 120044, PCM, 2, 11025, 16, 120000, kPlain},
    {7, 700044, PCM, 2, 11025, 16, 700000, kPlain},      {8, 400044, PCM, 2, 11025, 16, 400000, kPlain},
    {9, 240044, PCM, 2, 11025, 16, 240000, kPlain},      {10, 730044, PCM, 2, 11025, 16, 730000, kPlain},
    {11, 329364, PCM, 2, 22050, 16, 329320, kPlain},     {12, 910044, PCM, 2, 11025, 16, 910000, kPlain},
    {13, 30044, PCM, 2, 11025, 16, 30000, kPlain},       {14, 270044, PCM, 1, 11025, 16, 270000, kPlain},
    {15, 140044, PCM, 2, 11025, 16, 140000, kPlain},     {16, 90044, PCM, 2, 11025, 16, 90000, kPlain},
    {17, 1070044, PCM, 2, 11025, 16, 1070000, kPlain},   {18, 773830, PCM, 2, 24000, 16, 769536, kId3},
    {19, 720044, PCM, 2, 11025, 16, 720000, kPlain},     {20, 2940044, PCM, 2, 11025, 16, 2940000, kPlain},
    {21, 310044, PCM, 2, 11025, 16, 310000, kPlain},     {22, 327728, PCM, 2, 22050, 16, 327684, kPlain},
    {23, 326880, PCM, 2, 22050, 16, 326836, kPlain},     {24, 50044, PCM, 2, 11025, 16, 50000, kPlain},
    {25, 110044, PCM, 2, 11025, 16, 110000, kPlain},     {26, 82642, PCM, 1, 22050, 8, 82585, kFactFirst},
    {27, 600044, PCM, 2, 11025, 16, 600000, kPlain},     {28, 110044, PCM, 2, 11025, 16, 110000, kPlain},
    {29, 430044, PCM, 2, 11025, 16, 430000, kPlain},     {30, 420044, PCM, 2, 11025, 16, 420000, kPlain},
    {31, 327892, PCM, 1, 44100, 8, 327848, kPlain},      {32, 158170, PCM, 1, 44100, 8, 158126, kPlain},
    {33, 290044, PCM, 2, 11025, 16, 290000, kPlain},     {34, 100044, PCM, 2, 11025, 16, 100000, kPlain},
    {35, 460044, PCM, 2, 11025, 16, 460000, kPlain},     {36, 500044, PCM, 2, 11025, 16, 500000, kPlain},
    {37, 830044, PCM, 2, 11025, 16, 830000, kPlain},     {38, 100044, PCM, 2, 11025, 16, 100000, kPlain},
    {39, 1980044, PCM, 2, 22050, 16, 1980000, kPlain},   {40, 1520044, PCM, 2, 11025, 16, 1520000, kPlain},
    {41, 325502, PCM, 1, 44100, 8, 325457, kPlain},      {42, 500044, PCM, 2, 11025, 16, 500000, kPlain},
    {43, 652304, PCM, 2, 44100, 16, 652260, kPlain},     {44, 470044, PCM, 2, 22050, 16, 470000, kPlain},
    {45, 830044, PCM, 2, 11025, 16, 830000, kPlain},     {46, 7528, PCM, 1, 11025, 8, 7484, kPlain},
    {47, 30820, PCM, 1, 11025, 8, 30763, kFactLast},     {48, 26924, PCM, 1, 11025, 8, 26880, kPlain},
    {49, 7846, MP3, 1, 24000, 0, 7776, kFactLast},       {50, 210044, PCM, 2, 11025, 16, 210000, kPlain},
    {51, 450044, PCM, 2, 11025, 16, 450000, kPlain},     {52, 670044, PCM, 2, 11025, 16, 670000, kPlain},
    {53, 460044, PCM, 2, 11025, 16, 460000, kPlain},     {54, 1280044, PCM, 2, 11025, 16, 1280000, kPlain},
    {55, 111418, PCM, 1, 22050, 16, 111360, kFactFirst}, {56, 830044, PCM, 2, 11025, 16, 830000, kPlain},
    {57, 120044, PCM, 2, 11025, 16, 120000, kPlain},     {58, 340044, PCM, 2, 11025, 16, 340000, kPlain},
    {59, 190044, PCM, 2, 11025, 16, 190000, kPlain},     {60, 110044, PCM, 2, 11025, 16, 110000, kPlain},
    {61, 780044, PCM, 2, 11025, 16, 780000, kPlain},     {62, 89270, PCM, 1, 11025, 8, 89194, kList},
    {63, 567036, PCM, 1, 44100, 16, 566992, kPlain},     {64, 578808, PCM, 2, 22050, 16, 578764, kPlain},
};

void PrintTo(const Row& row, std::ostream* out) { *out << "FX-" << row.fx; }

class CatalogueRow : public testing::TestWithParam<Row> {};

TEST_P(CatalogueRow, ImageHasTheTabulatedSizeFormatAndChunks) {
  const Row& row = GetParam();
  const auto image = octets(builtInEffect(row.fx));
  ASSERT_EQ(image.size(), row.imageBytes);
  EXPECT_EQ(std::string_view(reinterpret_cast<const char*>(image.data()), 4), "RIFF");
  EXPECT_EQ(std::string_view(reinterpret_cast<const char*>(image.data()) + 8, 4), "WAVE");
  EXPECT_EQ(le32(image, 4), row.imageBytes - 8) << "RIFF size";

  std::size_t consumed = 0;
  const auto chunks = walkChunks(image, consumed);
  EXPECT_EQ(consumed, image.size()) << "chunks, with their pad bytes, fill the image exactly";
  std::vector<std::string> ids;
  for (const auto& c : chunks) ids.push_back(c.id);
  ASSERT_EQ(ids, row.layout);

  const ChunkSeen& fmt = chunks[0];
  const auto data = std::find_if(chunks.begin(), chunks.end(), [](const ChunkSeen& c) { return c.id == "data"; });
  EXPECT_EQ(data->size, row.dataBytes);
  EXPECT_EQ(le16(image, fmt.bodyAt), std::uint32_t(row.tag));
  EXPECT_EQ(le16(image, fmt.bodyAt + 2), std::uint32_t(row.channels));
  EXPECT_EQ(le32(image, fmt.bodyAt + 4), std::uint32_t(row.rate));
  EXPECT_EQ(le16(image, fmt.bodyAt + 14), std::uint32_t(row.bits));
  if (row.tag == PCM) {
    const std::uint32_t blockAlign = std::uint32_t(row.channels * row.bits / 8);
    EXPECT_EQ(fmt.size, row.fx == 55 ? 18u : 16u);
    EXPECT_EQ(le16(image, fmt.bodyAt + 12), blockAlign);
    EXPECT_EQ(le32(image, fmt.bodyAt + 8), std::uint32_t(row.rate) * blockAlign);
    EXPECT_EQ(row.dataBytes % blockAlign, 0u);
    if (fmt.size == 18) { EXPECT_EQ(le16(image, fmt.bodyAt + 16), 0u) << "extra size"; }
  }
  if (data->size % 2) { EXPECT_EQ(image[data->bodyAt + data->size], 0) << "pad byte"; }
  for (const auto& c : chunks) {
    if (c.id == "fact") { EXPECT_EQ(c.size, 4u); }
  }
}

INSTANTIATE_TEST_SUITE_P(Fx, CatalogueRow, testing::ValuesIn(kCatalogue),
                         [](const testing::TestParamInfo<Row>& info) { return "FX" + std::to_string(info.param.fx); });

TEST(Catalogue, AllSixtyFourImagesAreDistinctAndTotalTheirBytes) {
  std::set<std::string_view> seen;
  std::uint64_t total = 0;
  for (int fx = 1; fx <= kBuiltInEffectCount; ++fx) {
    const auto image = octets(builtInEffect(fx));
    total += image.size();
    EXPECT_TRUE(seen.insert({reinterpret_cast<const char*>(image.data()), image.size()}).second) << "FX-" << fx;
  }
  EXPECT_EQ(total, 29782562u);
}

TEST(Catalogue, NumbersOutsideOneToSixtyFourGiveNothing) {
  for (int fx : {0, -1, 65, 1000}) EXPECT_TRUE(builtInEffect(fx).empty()) << fx;
}

TEST(Catalogue, FormatsOccurAsOftenAsTheirTallySays) {
  std::map<std::tuple<int, int, int, int>, int> tally;
  for (const Row& row : kCatalogue) {
    const auto image = octets(builtInEffect(row.fx));
    ++tally[{le16(image, 20), le16(image, 22), le32(image, 24), le16(image, 34)}];
  }
  const std::map<std::tuple<int, int, int, int>, int> expected = {
      {{PCM, 2, 11025, 16}, 42}, {{PCM, 2, 22050, 16}, 6}, {{PCM, 1, 11025, 8}, 4},  {{PCM, 1, 44100, 8}, 3},
      {{PCM, 2, 44100, 16}, 2},  {{PCM, 2, 48000, 16}, 1}, {{PCM, 2, 24000, 16}, 1}, {{PCM, 1, 11025, 16}, 1},
      {{PCM, 1, 22050, 8}, 1},   {{PCM, 1, 22050, 16}, 1}, {{PCM, 1, 44100, 16}, 1}, {{MP3, 1, 24000, 0}, 1}};
  EXPECT_EQ(tally, expected);
}

TEST(Catalogue, MpegImageHasItsLayer3FormatAndEightyOneWholeFrames) {
  const auto image = octets(builtInEffect(49));
  ASSERT_EQ(image.size(), 7846u);
  // After tag, channels and rate: bytes per second, block align, bits, extra size, MPEG id,
  // flags, block size, frames per block, codec delay.
  const std::uint32_t fields[] = {le32(image, 28), le16(image, 32), le16(image, 34), le16(image, 36), le16(image, 38),
                                  le32(image, 40), le16(image, 44), le16(image, 46), le16(image, 48)};
  const std::uint32_t expected[] = {4000, 1, 0, 12, 1, 2, 96, 1, 1393};
  EXPECT_TRUE(std::equal(std::begin(fields), std::end(fields), std::begin(expected)));
  EXPECT_EQ(le32(image, 16), 30u) << "fmt size";
  const std::size_t dataAt = 12 + 8 + 30 + 8;
  for (int frame = 0; frame < 81; ++frame) {
    const std::size_t at = dataAt + std::size_t(frame) * 96;
    // Sync, MPEG-2, Layer III; 32 kbit/s at 24 kHz with no padding slot.
    EXPECT_EQ(image[at], 0xFF) << frame;
    EXPECT_EQ(image[at + 1] & 0xFE, 0xF2) << frame;
    EXPECT_EQ(image[at + 2] & 0xFE, 0x44) << frame;
  }
}

TEST(Catalogue, LampOffChunksAreTheEditorsOwnSizes) {
  const auto image = octets(builtInEffect(5));
  std::size_t consumed = 0;
  std::map<std::string, std::uint32_t> sizes;
  for (const auto& c : walkChunks(image, consumed))
    if (c.id == "bext" || c.id == "smpl" || c.id == "cue ") sizes[c.id] = c.size;
  EXPECT_EQ(sizes["bext"], 602u) << "a broadcast description is 602 bytes without coding history";
  EXPECT_EQ(sizes["smpl"], 60u) << "36 bytes and one loop";
  EXPECT_EQ(sizes["cue "], 28u) << "a count and one cue point";
}

TEST(Catalogue, PhoneKeysCarryAnId3TagOf4242Bytes) {
  const auto image = octets(builtInEffect(18));
  std::size_t consumed = 0;
  const auto chunks = walkChunks(image, consumed);
  ASSERT_EQ(chunks.back().id, "ID3x");
  EXPECT_EQ(chunks.back().size, 4242u);
  EXPECT_EQ(std::string_view(reinterpret_cast<const char*>(image.data()) + chunks.back().bodyAt, 3), "ID3");
}

}  // namespace
