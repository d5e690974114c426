#include "sound/mp3/huffman.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "sound/mp3/bit_cache.h"
#include "sound/mp3/huffman_codes.h"

namespace mp3 {

namespace {

// Lookup entries, 16 bits each. A leaf holds y (bits 0-3), x (4-7) and the bits it uses at its
// level (8-12). A link (bit 15) holds the index of a subtable (bits 0-10) and its width (11-14).
constexpr uint16_t kLink = 0x8000;
constexpr int kRootBits = 8;
constexpr int kSubBits = 5;

struct Code {
  uint32_t bits;
  int length;
  uint8_t x, y;
};

class LookupBuilder {
 public:
  explicit LookupBuilder(std::vector<uint16_t>& out) : out_(out) {}

  // Fills a table of 2^width entries for the codes that start with `prefixLength` known bits.
  size_t build(const std::vector<Code>& codes, int prefixLength, int width) {
    const size_t base = out_.size();
    out_.resize(base + (size_t{1} << width), 0);
    std::vector<std::vector<Code>> longer(size_t{1} << width);
    for (const Code& c : codes) {
      const int rest = c.length - prefixLength;
      if (rest <= width) {
        const uint32_t first = (c.bits & ((1u << rest) - 1)) << (width - rest);
        for (uint32_t i = 0; i < (1u << (width - rest)); ++i)
          out_[base + first + i] = static_cast<uint16_t>((rest << 8) | (c.x << 4) | c.y);
      } else {
        longer[(c.bits >> (rest - width)) & ((1u << width) - 1)].push_back(c);
      }
    }
    for (size_t i = 0; i < longer.size(); ++i) {
      if (longer[i].empty()) continue;
      int deepest = 0;
      for (const Code& c : longer[i]) deepest = std::max(deepest, c.length - prefixLength - width);
      const int subWidth = std::min(deepest, kSubBits);
      const size_t sub = build(longer[i], prefixLength + width, subWidth);
      out_[base + i] = static_cast<uint16_t>(kLink | (subWidth << 11) | (sub - tableStart_));
    }
    return base;
  }

  void startTable() { tableStart_ = out_.size(); }

 private:
  std::vector<uint16_t>& out_;
  size_t tableStart_ = 0;
};

struct Lookup {
  std::array<uint16_t, 1 << 14> entries{};
  std::array<uint16_t, 32> start{};
  std::array<uint8_t, 32> rootBits{};
  // Count1 table A by its next 6 bits: length << 4 | vwxy.
  std::array<uint8_t, 64> quadA{};
};

const Lookup& lookup() {
  static const Lookup table = [] {
    Lookup t;
    std::vector<uint16_t> all;
    for (int index = 0; index < 32; ++index) {
      const HuffmanCodeTable& source = huffmanCodeTable(index);
      if (source.size == 0 || (index > 16 && index < 24) || index > 24) continue;
      std::vector<Code> codes;
      int deepest = 0;
      for (int i = 0; i < source.size * source.size; ++i) {
        codes.push_back({source.codes[i], source.lengths[i], static_cast<uint8_t>(i / source.size),
                         static_cast<uint8_t>(i % source.size)});
        deepest = std::max(deepest, static_cast<int>(source.lengths[i]));
      }
      LookupBuilder builder(all);
      builder.startTable();
      t.start[static_cast<size_t>(index)] = static_cast<uint16_t>(all.size());
      t.rootBits[static_cast<size_t>(index)] = static_cast<uint8_t>(std::min(deepest, kRootBits));
      builder.build(codes, 0, std::min(deepest, kRootBits));
    }
    for (int index = 17; index < 32; ++index) {
      const int shared = index < 24 ? 16 : 24;
      t.start[static_cast<size_t>(index)] = t.start[shared];
      t.rootBits[static_cast<size_t>(index)] = t.rootBits[shared];
    }
    std::copy(all.begin(), all.end(), t.entries.begin());
    // Count1 table A (ISO/IEC 11172-3 Table B.7 "A"), code and length by value vwxy.
    static constexpr uint8_t kQuadCodes[16] = {1, 5, 4, 5, 6, 5, 4, 4, 7, 3, 6, 0, 7, 2, 3, 1};
    static constexpr uint8_t kQuadLengths[16] = {1, 4, 4, 5, 4, 6, 5, 6, 4, 5, 5, 6, 5, 6, 6, 6};
    for (int v = 0; v < 16; ++v) {
      const int free = 6 - kQuadLengths[v];
      for (int i = 0; i < (1 << free); ++i)
        t.quadA[static_cast<size_t>((kQuadCodes[v] << free) | i)] = static_cast<uint8_t>((kQuadLengths[v] << 4) | v);
    }
    return t;
  }();
  return table;
}

// Built while the program starts: the builder allocates, and decoding must not.
const Lookup& kLookupAtStart = lookup();

// One (x, y) pair from table `index`; the entry's x and y are 0..15.
inline uint16_t decodePair(BitCache& bits, const Lookup& t, int index) {
  const uint16_t* table = t.entries.data() + t.start[static_cast<size_t>(index)];
  int width = t.rootBits[static_cast<size_t>(index)];
  uint16_t e = table[bits.peek(width)];
  while (e & kLink) {
    bits.skip(width);
    width = (e >> 11) & 15;
    e = table[(e & 0x7FF) + bits.peek(width)];
  }
  bits.skip((e >> 8) & 31);
  return e;
}

// The sign bit follows a non-zero magnitude only; read without a branch, as zeros are frequent
// and unpredictable.
inline float signedValue(BitCache& bits, const float* pow43, int magnitude, int linbits, float gain) {
  if (magnitude == 15 && linbits) magnitude += static_cast<int>(bits.read(linbits));
  const int nonzero = magnitude != 0;
  const uint32_t negative = bits.peek(1) & static_cast<uint32_t>(nonzero);
  bits.skip(nonzero);
  return std::bit_cast<float>(std::bit_cast<uint32_t>(pow43[magnitude] * gain) ^ (negative << 31));
}

}  // namespace

int decodeSpectrum(const BitReader& reader, size_t part3End, const GranuleInfo& g, const BandTable& bands,
                   const GainRun* runs, float* xr) {
  const Lookup& t = lookup();
  const float* pow43 = pow43Table();
  BitCache bits(reader);
  const int bigEnd = g.bigValues * 2;
  int region1 = 0;
  int region2 = 0;
  if (g.blockType == 2 && !g.mixedBlock) {
    region1 = bands.shortStart[3] * 3;  // region 0 is 9 short bands (3 bands × 3 windows)
    region2 = 576;
  } else if (g.blockType != 0) {
    region1 = bands.longStart[8];
    region2 = 576;
  } else {
    region1 = bands.longStart[std::min(g.region0Count + 1, 22)];
    region2 = bands.longStart[std::min(g.region0Count + g.region1Count + 2, 22)];
  }
  const int regionEnd[3] = {std::min(region1, bigEnd), std::min(region2, bigEnd), bigEnd};

  int i = 0;
  int run = 0;
  for (int region = 0; region < 3; ++region) {
    const int end = std::max(regionEnd[region], i);
    const int index = g.tableSelect[region];
    const HuffmanCodeTable& source = huffmanCodeTable(index);
    if (source.size == 0) {
      for (; i < end; ++i) xr[i] = 0.0f;
      continue;
    }
    const int linbits = source.linbits;
    // Band by band, so each stretch of pairs shares one gain (bands hold whole pairs).
    while (i < end) {
      while (i >= runs[run].end) ++run;
      const float gain = runs[run].gain;
      const int stop = std::min(end, runs[run].end);
      for (; i < stop; i += 2) {
        bits.ensure(48);  // the longest pair: a 19-bit code, two 13-bit escapes and two signs
        const uint16_t e = decodePair(bits, t, index);
        xr[i] = signedValue(bits, pow43, (e >> 4) & 15, linbits, gain);
        xr[i + 1] = signedValue(bits, pow43, e & 15, linbits, gain);
      }
    }
  }

  // Count1 region: quadruples of values -1, 0 or 1 until the part ends.
  while (i + 4 <= 576 && bits.position() < part3End) {
    bits.ensure(10);
    int v;
    if (g.count1TableB) {
      v = static_cast<int>(~bits.read(4) & 15u);
    } else {
      const uint8_t e = t.quadA[bits.peek(6)];
      bits.skip(e >> 4);
      v = e & 15;
    }
    float q[4];
    for (int k = 0; k < 4; ++k) {
      q[k] = 0.0f;
      if (v & (8 >> k)) {
        while (i + k >= runs[run].end) ++run;
        q[k] = bits.read(1) ? -runs[run].gain : runs[run].gain;
      }
    }
    if (bits.position() > part3End) break;  // the last quadruple overran the part: drop it
    for (int k = 0; k < 4; ++k) xr[i + k] = q[k];
    i += 4;
  }
  for (int k = i; k < 576; ++k) xr[k] = 0.0f;
  return i;
}

}  // namespace mp3
