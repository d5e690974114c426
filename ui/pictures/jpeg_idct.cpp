// The two-pass fixed-point inverse DCT: columns first, kept with two extra fraction bits, then rows.
// The constants are the cosines scaled by 2^13 and every shift rounds to nearest, the same
// arithmetic as libjpeg's jidctint so the samples match it exactly. Sums and products wrap round at
// 32 bits (unsigned arithmetic) as libjpeg's do on Windows: real pictures never come near that, and
// forged coefficients then give wrong samples rather than undefined behaviour.
#include "ui/pictures/jpeg_idct.h"

namespace {

constexpr int kConstBits = 13;
constexpr int kPass1Bits = 2;

using Wrapping = std::uint32_t;

constexpr Wrapping k0_298631336 = 2446, k0_390180644 = 3196, k0_541196100 = 4433, k0_765366865 = 6270,
                   k0_899976223 = 7373, k1_175875602 = 9633, k1_501321110 = 12299, k1_847759065 = 15137,
                   k1_961570560 = 16069, k2_053119869 = 16819, k2_562915447 = 20995, k3_072711026 = 25172;

constexpr std::int32_t descale(Wrapping x, int n) {
  return static_cast<std::int32_t>(x + (Wrapping{1} << (n - 1))) >> n;
}

// One 1-D transform of eight inputs `in[0..7]` (already dequantised) into eight outputs, each still
// carrying `shift` bits of scale to be rounded off.
void transform(const Wrapping* in, std::int32_t* out, int shift) {
  Wrapping z1 = (in[2] + in[6]) * k0_541196100;
  const Wrapping even2 = z1 - in[6] * k1_847759065, even3 = z1 + in[2] * k0_765366865;
  const Wrapping even0 = (in[0] + in[4]) << kConstBits, even1 = (in[0] - in[4]) << kConstBits;
  const Wrapping tmp10 = even0 + even3, tmp13 = even0 - even3, tmp11 = even1 + even2, tmp12 = even1 - even2;

  Wrapping tmp0 = in[7], tmp1 = in[5], tmp2 = in[3], tmp3 = in[1];
  z1 = tmp0 + tmp3;
  Wrapping z2 = tmp1 + tmp2, z3 = tmp0 + tmp2, z4 = tmp1 + tmp3;
  const Wrapping z5 = (z3 + z4) * k1_175875602;
  tmp0 *= k0_298631336;
  tmp1 *= k2_053119869;
  tmp2 *= k3_072711026;
  tmp3 *= k1_501321110;
  z1 *= -k0_899976223;
  z2 *= -k2_562915447;
  z3 = z3 * -k1_961570560 + z5;
  z4 = z4 * -k0_390180644 + z5;
  tmp0 += z1 + z3;
  tmp1 += z2 + z4;
  tmp2 += z2 + z3;
  tmp3 += z1 + z4;

  out[0] = descale(tmp10 + tmp3, shift);
  out[7] = descale(tmp10 - tmp3, shift);
  out[1] = descale(tmp11 + tmp2, shift);
  out[6] = descale(tmp11 - tmp2, shift);
  out[2] = descale(tmp12 + tmp1, shift);
  out[5] = descale(tmp12 - tmp1, shift);
  out[3] = descale(tmp13 + tmp0, shift);
  out[4] = descale(tmp13 - tmp0, shift);
}

// The level shift and clamp after the transform. Like libjpeg's table it looks at the low ten bits
// only, so values far out of range (from corrupt data) wrap the same way there and here.
constexpr std::array<std::uint8_t, 1024> kSampleOf = [] {
  std::array<std::uint8_t, 1024> t{};
  for (int i = 0; i < 1024; ++i) {
    const int v = i < 512 ? i : i - 1024;
    t[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v < -128 ? 0 : v > 127 ? 255 : v + 128);
  }
  return t;
}();

}  // namespace

void inverseDct(const JpegBlock& coefficients, const JpegQuantTable& quant, std::uint8_t* out, std::size_t stride) {
  std::int32_t work[64];
  for (int column = 0; column < 8; ++column) {
    Wrapping in[8];
    std::int32_t result[8];
    for (int row = 0; row < 8; ++row)
      in[row] = static_cast<Wrapping>(coefficients[row * 8 + column]) * quant[row * 8 + column];
    transform(in, result, kConstBits - kPass1Bits);
    for (int row = 0; row < 8; ++row) work[row * 8 + column] = result[row];
  }
  for (int row = 0; row < 8; ++row, out += stride) {
    Wrapping in[8];
    std::int32_t result[8];
    for (int column = 0; column < 8; ++column) in[column] = static_cast<Wrapping>(work[row * 8 + column]);
    transform(in, result, kConstBits + kPass1Bits + 3);
    for (int column = 0; column < 8; ++column) out[column] = kSampleOf[static_cast<std::size_t>(result[column] & 1023)];
  }
}
