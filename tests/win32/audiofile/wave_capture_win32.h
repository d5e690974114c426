#pragma once
// What the tests' sound card played: $WINE_TEST_WAVOUT names a file in a folder of its own, and
// every stream opened writes one more file there. A capture notes the files present when it is
// made, so a test finds the streams it opened itself.
#include <string>
#include <vector>

class WaveCapture {
 public:
  WaveCapture();
  // Files written since the capture was made, in the order of their names.
  [[nodiscard]] std::vector<std::wstring> newFiles() const;
  [[nodiscard]] static std::string read(const std::wstring& path);

 private:
  [[nodiscard]] std::vector<std::wstring> files() const;
  std::wstring folder_;
  std::vector<std::wstring> before_;
};

// 16-bit samples with the silent ones (zero) left out.
[[nodiscard]] std::string withoutSilence(const std::string& samples);

// True when `captured` holds the 16-bit samples `played` in one unbroken run, silent samples left
// out of both: Wine feeds the card silence before, after, and whenever it runs short (at its 4x
// pace, a busy machine can starve it for 10 ms now and then).
[[nodiscard]] bool holdsRun(const std::string& captured, const std::string& played);

// Writes a file at a wide path; false when it cannot.
[[nodiscard]] bool writeFile(const std::wstring& path, const std::string& bytes);
