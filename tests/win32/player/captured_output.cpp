#include "tests/win32/player/captured_output.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "ui/gbk_text_win32.h"
#include "ui/whole_file.h"

CapturedOutput::CapturedOutput() {
  wchar_t unixPath[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"WINE_TEST_WAVOUT", unixPath, MAX_PATH))
    throw std::runtime_error("WINE_TEST_WAVOUT is not set");
  base_ = std::wstring(L"Z:") + unixPath;
  std::replace(base_.begin(), base_.end(), L'/', L'\\');
  for (int n = 0; n < 10000 && (DeleteFileW(fileName(n).c_str()) || GetLastError() != ERROR_FILE_NOT_FOUND); ++n) {}
}

std::wstring CapturedOutput::fileName(int n) const {
  if (n == 0) return base_;
  wchar_t suffix[8];
  std::swprintf(suffix, 8, L".%04d", n);
  return base_ + suffix;
}

ByteVector CapturedOutput::stream(int n) const { return byteVectorOf(readWholeFile(gbkFromWide(fileName(n))).bytes); }

int CapturedOutput::streamCount() const {
  int n = 0;
  while (GetFileAttributesW(fileName(n).c_str()) != INVALID_FILE_ATTRIBUTES) ++n;
  return n;
}

long long findRun(const ByteVector& bytes, const ByteVector& run, std::size_t from) {
  if (from > bytes.size()) return -1;
  const auto at = std::search(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.end(), run.begin(), run.end());
  return at == bytes.end() ? -1 : at - bytes.begin();
}
