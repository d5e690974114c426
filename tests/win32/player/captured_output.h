#pragma once
// What the tests' sound card wrote: every opened output stream lands in a file of its own, named by
// WINE_TEST_WAVOUT (a Unix path), then with .0001, .0002 ... appended, in order of opening.
#include <cstddef>
#include <string>
#include <vector>

using ByteVector = std::vector<std::byte>;

inline ByteVector byteVectorOf(const std::string& bytes) {
  const auto* begin = reinterpret_cast<const std::byte*>(bytes.data());
  return {begin, begin + bytes.size()};
}

class CapturedOutput {
 public:
  CapturedOutput();  // removes the files of earlier tests, so numbering starts afresh

  // The contents of the n-th stream's file (empty when it does not exist).
  [[nodiscard]] ByteVector stream(int n) const;
  [[nodiscard]] int streamCount() const;

 private:
  [[nodiscard]] std::wstring fileName(int n) const;
  std::wstring base_;
};

// Where `run` starts in `bytes`, or -1.
[[nodiscard]] long long findRun(const ByteVector& bytes, const ByteVector& run, std::size_t from = 0);
