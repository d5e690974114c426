// Huffman tables as DHT gives them, and the bit reader's stuffing, markers and end.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "ui/pictures/jpeg_huffman.h"

namespace {

using namespace std::string_literals;

std::array<std::uint8_t, 16> countsOf(std::initializer_list<std::pair<int, int>> lengthAndCount) {
  std::array<std::uint8_t, 16> counts{};
  for (const auto& [length, count] : lengthAndCount) counts[static_cast<std::size_t>(length - 1)] = count;
  return counts;
}

TEST(JpegHuffmanTable, CodesMustFitTheirLengthsLeavingAllOnesUnused) {
  const struct {
    std::array<std::uint8_t, 16> counts;
    bool valid;
  } cases[] = {
      {countsOf({{1, 1}}), true},
      {countsOf({{1, 2}}), false},  // 0 and 1: the second is all ones
      {countsOf({{1, 3}}), false},  // more codes than one bit has
      {countsOf({{1, 1}, {2, 1}}), true},
      {countsOf({{1, 1}, {2, 2}}), false},
      {countsOf({{2, 3}}), true},
      {countsOf({{2, 4}}), false},
      {countsOf({{9, 200}, {16, 56}}), true},
      {countsOf({{8, 255}}), true},
      {countsOf({{7, 128}}), false},
      {countsOf({{16, 255}}), true},
      {countsOf({}), true},
  };
  for (const auto& c : cases) {
    std::size_t total = 0;
    for (const auto n : c.counts) total += n;
    EXPECT_EQ(JpegHuffmanTable::build(c.counts, std::string(total, '\x07')).has_value(), c.valid)
        << testing::PrintToString(c.counts);
  }
  EXPECT_FALSE(JpegHuffmanTable::build(countsOf({{2, 3}}), "\x01\x02"s)) << "fewer symbols than codes";
  EXPECT_FALSE(JpegHuffmanTable::build(countsOf({{9, 200}, {16, 57}}), std::string(257, '\0'))) << "257 symbols";
}

// One code of each length 1..16 (0, 10, 110, ... fifteen ones and a zero), each standing for its length.
JpegHuffmanTable oneCodePerLength() {
  std::array<std::uint8_t, 16> counts{};
  counts.fill(1);
  std::string symbols;
  for (char length = 1; length <= 16; ++length) symbols += length;
  return *JpegHuffmanTable::build(counts, symbols);
}

TEST(JpegBitReader, ReadsShortAndLongCodesAndSignedValuesThroughStuffedBytes) {
  // Codes for 16, 1 and 10, then -5 and +6 in three bits each, then one-bits to the byte's end:
  // 11111111 11111110 0 1111111 110 010 11 0 1111111, its 0xFF byte stuffed, then a marker.
  const std::string data = "\xFF\x00\xFE\x7F\xCB\x7F\xFF\xD9"s;
  const auto table = oneCodePerLength();
  JpegBitReader bits(data);
  EXPECT_EQ(bits.symbol(table), 16);
  EXPECT_EQ(bits.symbol(table), 1);
  EXPECT_EQ(bits.symbol(table), 10);
  EXPECT_EQ(bits.signedBits(3), -5);
  EXPECT_EQ(bits.signedBits(3), 6);
  EXPECT_FALSE(bits.overran());
  EXPECT_EQ(bits.position(), 6u) << "stops at the marker";
  // Seven one-bits of padding and then zeros: a code of eight bits needs one that is not there.
  EXPECT_EQ(bits.symbol(table), 8);
  EXPECT_TRUE(bits.overran());
}

TEST(JpegBitReader, RestartStepsOverFillBytesAndChecksTheMarkersNumber) {
  const auto table = oneCodePerLength();
  const struct {
    std::string data;
    int index;
    bool steps;
  } cases[] = {
      {"\x7F\xFF\xD3\x3E"s, 3, true},  {"\x7F\xFF\xFF\xFF\xD3\x3E"s, 3, true},
      {"\x7F\xFF\xD4\x3E"s, 3, false}, {"\x7F\xFF\xD9"s, 3, false},
      {"\x7F\x3E"s, 3, false},         {"\x7F"s, 0, false},
  };
  for (const auto& c : cases) {
    JpegBitReader bits(c.data);
    EXPECT_EQ(bits.symbol(table), 1);
    ASSERT_EQ(bits.restart(c.index), c.steps) << testing::PrintToString(c.data);
    if (!c.steps) continue;
    // The padding of the byte before the marker is dropped: the next code starts afresh, 00111110.
    EXPECT_EQ(bits.symbol(table), 1);
    EXPECT_EQ(bits.symbol(table), 1);
    EXPECT_EQ(bits.symbol(table), 6);
    EXPECT_FALSE(bits.overran());
  }
}

}  // namespace
