#include "sound/effects/tools/pcm.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
int quantise(float x, int bits) {
  const int top = bits == 8 ? 127 : 32767;
  return std::clamp(int(std::lround(double(x) * top)), -top - 1, top);
}

double toDb(double linear) { return linear > 0 ? 20.0 * std::log10(linear) : -200.0; }
}  // namespace

Bytes encodePcm(const Stereo& s, int channels, int bits, std::size_t frames) {
  Bytes out;
  out.reserve(frames * std::size_t(channels * bits / 8));
  auto put = [&](float x) {
    const int q = quantise(x, bits);
    if (bits == 8) {
      out.push_back(std::uint8_t(q + 128));
    } else {
      out.push_back(std::uint8_t(q & 0xFF));
      out.push_back(std::uint8_t((q >> 8) & 0xFF));
    }
  };
  for (std::size_t i = 0; i < frames; ++i) {
    const float l = i < s.frames() ? s.left[i] : 0.0f;
    const float r = i < s.frames() ? s.right[i] : 0.0f;
    if (channels == 1) {
      put(0.5f * (l + r));
    } else {
      put(l);
      put(r);
    }
  }
  return out;
}

Levels measurePcm(const Bytes& data, int channels, int bits, int rate) {
  const std::size_t bytesPerSample = std::size_t(bits / 8);
  const std::size_t count = data.size() / bytesPerSample;
  std::vector<double> x(count);
  for (std::size_t i = 0; i < count; ++i) {
    x[i] = bits == 8 ? (double(data[i]) - 128.0) / 128.0
                     : double(std::int16_t(data[2 * i] | (data[2 * i + 1] << 8))) / 32768.0;
  }
  Levels lv;
  double peak = 0, sum = 0;
  std::size_t run = 0;
  for (double v : x) {
    peak = std::max(peak, std::fabs(v));
    sum += v * v;
    if (std::fabs(v) >= 32767.0 / 32768.0 - 1e-9 || (bits == 8 && std::fabs(v) >= 127.0 / 128.0)) {
      if (++run == 3) ++lv.clippedRuns;
    } else {
      run = 0;
    }
  }
  lv.peakDb = toDb(peak);
  lv.rmsDb = count ? toDb(std::sqrt(sum / double(count))) : -200.0;
  const std::size_t window = std::max<std::size_t>(1, std::size_t(rate / 50) * std::size_t(channels));
  std::size_t windows = 0, silent = 0;
  for (std::size_t at = 0; at < count; at += window) {
    const std::size_t end = std::min(count, at + window);
    double e = 0;
    for (std::size_t i = at; i < end; ++i) e += x[i] * x[i];
    ++windows;
    if (toDb(std::sqrt(e / double(end - at))) < -50.0) ++silent;
  }
  lv.silentShare = windows ? double(silent) / double(windows) : 0.0;
  return lv;
}
