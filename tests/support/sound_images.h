#pragma once
// Builds WAV and MIDI images for tests: chunks in any order and with any declared sizes, so broken
// images are as easy to make as good ones.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace test_images {

using ByteVector = std::vector<std::byte>;

inline void appendLe(ByteVector& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::byte>(value >> (8 * i)));
}

inline void appendBe(ByteVector& out, std::uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::byte>(value >> (8 * i)));
}

inline void appendText(ByteVector& out, std::string_view text) {
  for (char c : text) out.push_back(static_cast<std::byte>(c));
}

inline void append(ByteVector& out, const ByteVector& bytes) { out.insert(out.end(), bytes.begin(), bytes.end()); }

// Deterministic, non-repeating sample bytes, so a misplaced or repeated buffer shows.
inline ByteVector samples(std::size_t count, std::uint32_t seed = 1) {
  ByteVector out(count);
  std::uint32_t x = seed * 2654435761u + 1;
  for (std::byte& b : out) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    b = static_cast<std::byte>(x >> 24);
  }
  return out;
}

// A RIFF chunk: identifier, little-endian size (the body's own unless given), body, pad byte.
inline ByteVector chunk(std::string_view id, const ByteVector& body, std::int64_t declaredSize = -1) {
  ByteVector out;
  appendText(out, id);
  appendLe(out, declaredSize < 0 ? static_cast<std::uint32_t>(body.size()) : static_cast<std::uint32_t>(declaredSize),
           4);
  append(out, body);
  if (body.size() % 2) out.push_back(std::byte{0});
  return out;
}

// A PCM "fmt " body of 16 bytes.
inline ByteVector pcmFormat(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
  ByteVector f;
  const std::uint16_t align = static_cast<std::uint16_t>(channels * bits / 8);
  appendLe(f, 1, 2);
  appendLe(f, channels, 2);
  appendLe(f, rate, 4);
  appendLe(f, rate * align, 4);
  appendLe(f, align, 2);
  appendLe(f, bits, 2);
  return f;
}

// "RIFF", size (the true one unless given), "WAVE", then the chunks as they are.
inline ByteVector riffWave(std::initializer_list<ByteVector> chunks, std::int64_t riffSize = -1) {
  ByteVector body;
  appendText(body, "WAVE");
  for (const ByteVector& c : chunks) append(body, c);
  ByteVector out;
  appendText(out, "RIFF");
  appendLe(out, riffSize < 0 ? static_cast<std::uint32_t>(body.size()) : static_cast<std::uint32_t>(riffSize), 4);
  append(out, body);
  return out;
}

// The common case: a PCM WAV image of 16-bit stereo at 11,025 Hz holding `data`.
inline ByteVector pcmWave(const ByteVector& data) {
  return riffWave({chunk("fmt ", pcmFormat(2, 11025, 16)), chunk("data", data)});
}

// A Standard MIDI File: header chunk, then each track body as an "MTrk" chunk.
inline ByteVector midiFile(std::uint16_t format, std::uint16_t division, std::initializer_list<ByteVector> tracks) {
  ByteVector out;
  appendText(out, "MThd");
  appendBe(out, 6, 4);
  appendBe(out, format, 2);
  appendBe(out, static_cast<std::uint32_t>(tracks.size()), 2);
  appendBe(out, division, 2);
  for (const ByteVector& t : tracks) {
    appendText(out, "MTrk");
    appendBe(out, static_cast<std::uint32_t>(t.size()), 4);
    append(out, t);
  }
  return out;
}

// Copies of an image with one byte changed, or cut short.
inline ByteVector withByteAt(ByteVector image, std::size_t at, int value) {
  image.at(at) = static_cast<std::byte>(value);
  return image;
}
inline ByteVector firstBytes(const ByteVector& image, std::size_t count) {
  return ByteVector(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(count));
}
inline ByteVector withoutLast(const ByteVector& image, std::size_t count) {
  return firstBytes(image, image.size() - count);
}

inline ByteVector bytes(std::initializer_list<int> values) {
  ByteVector out;
  for (int v : values) out.push_back(static_cast<std::byte>(v));
  return out;
}

}  // namespace test_images
