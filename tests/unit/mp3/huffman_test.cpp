#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "sound/mp3/band_tables.h"
#include "sound/mp3/huffman.h"
#include "sound/mp3/huffman_codes.h"

namespace {

struct BitWriter {
  std::vector<uint8_t> bytes;
  size_t bits = 0;
  void put(uint32_t value, int n) {
    for (int i = n - 1; i >= 0; --i) {
      if (bits % 8 == 0) bytes.push_back(0);
      if ((value >> i) & 1) bytes.back() |= static_cast<uint8_t>(0x80 >> (bits % 8));
      ++bits;
    }
  }
};

class CodeTable : public testing::TestWithParam<int> {};

// A transcription slip in a code table shows up as an incomplete or ambiguous code.
TEST_P(CodeTable, IsACompletePrefixCode) {
  const mp3::HuffmanCodeTable& t = mp3::huffmanCodeTable(GetParam());
  ASSERT_GT(t.size, 0);
  const int n = t.size * t.size;
  uint64_t kraft = 0;  // Σ 2^(19 - length): 2^19 for a complete code
  for (int i = 0; i < n; ++i) kraft += uint64_t{1} << (19 - t.lengths[i]);
  EXPECT_EQ(kraft, uint64_t{1} << 19);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      if (i == j || t.lengths[i] > t.lengths[j]) continue;
      const uint32_t prefix = t.codes[j] >> (t.lengths[j] - t.lengths[i]);
      EXPECT_NE(prefix, t.codes[i]) << "code " << i << " is a prefix of code " << j;
    }
}

// Encodes random pairs with the table, then decodes them: every value, sign and escape comes back.
TEST_P(CodeTable, DecodesWhatItEncodes) {
  const int index = GetParam();
  const mp3::HuffmanCodeTable& t = mp3::huffmanCodeTable(index);
  std::mt19937 random(static_cast<unsigned>(index));
  BitWriter w;
  std::vector<int> expected;
  for (int pair = 0; pair < 288; ++pair) {
    int value[2];
    for (int& v : value) v = static_cast<int>(random() % static_cast<unsigned>(t.size));
    const int code = value[0] * t.size + value[1];
    w.put(t.codes[code], t.lengths[code]);
    for (int v : value) {
      int magnitude = v;
      if (v == 15 && t.linbits) {
        const uint32_t extra = random() & ((1u << t.linbits) - 1);
        w.put(extra, t.linbits);
        magnitude += static_cast<int>(extra);
      }
      const bool negative = magnitude != 0 && (random() & 1);
      if (magnitude != 0) w.put(negative, 1);
      expected.push_back(negative ? -magnitude : magnitude);
    }
  }
  mp3::GranuleInfo g;
  g.bigValues = 288;
  g.tableSelect[0] = g.tableSelect[1] = g.tableSelect[2] = index;
  g.region0Count = 15;
  g.region1Count = 7;
  const mp3::GainRun runs[1] = {{576, 1.0f}};
  const mp3::BitReader reader(w.bytes.data(), w.bytes.size());
  float xr[576];
  EXPECT_EQ(mp3::decodeSpectrum(reader, w.bits, g, mp3::bandTable(0), runs, xr), 576);
  for (int i = 0; i < 576; ++i) {
    const int e = expected[static_cast<size_t>(i)];
    const float want = static_cast<float>((e < 0 ? -1 : 1) * std::pow(std::abs(e), 4.0 / 3.0));
    ASSERT_NEAR(xr[i], want, std::abs(want) * 1e-6) << "line " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Tables, CodeTable,
                         testing::Values(1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 23, 24, 31));

struct Quad {
  bool tableB;
  std::vector<std::pair<uint32_t, int>> bits;  // code words and their lengths, sign bits included
  float expected[8];
};

// Count1 quadruples (table A and B), and a last quadruple that overruns part 3 and is dropped.
TEST(Count1, DecodesQuadruplesUntilThePartEnds) {
  const Quad cases[] = {
      // A: 1 -> 0000; 0101 -> 0001 (+ sign); then 000000 -> 1011 overruns by its sign bits.
      {false, {{1, 1}, {0b0101, 4}, {1, 1}}, {0, 0, 0, 0, 0, 0, 0, -1}},
      // B: the inverted 4 bits: 0000 -> 1111 with signs 1010, 1110 -> 0001 with sign 0.
      {true, {{0b0000, 4}, {0b1010, 4}, {0b1110, 4}, {0, 1}}, {-1, 1, -1, 1, 0, 0, 0, 1}},
  };
  for (const Quad& c : cases) {
    BitWriter w;
    for (const auto& [code, length] : c.bits) w.put(code, length);
    const size_t end = w.bits;
    w.put(0, 6);  // table A's 1011 would need three more sign bits than there are
    mp3::GranuleInfo g;
    g.count1TableB = c.tableB;
    const mp3::GainRun runs[1] = {{576, 1.0f}};
    float xr[576];
    const mp3::BitReader reader(w.bytes.data(), w.bytes.size());
    EXPECT_EQ(mp3::decodeSpectrum(reader, end, g, mp3::bandTable(0), runs, xr), 8);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(xr[i], c.expected[i]) << i;
    for (int i = 8; i < 576; ++i) ASSERT_EQ(xr[i], 0.0f);
  }
}

}  // namespace
