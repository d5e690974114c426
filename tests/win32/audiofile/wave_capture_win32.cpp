#include "tests/win32/audiofile/wave_capture_win32.h"

#include <windows.h>

#include <algorithm>

#include "ui/gbk_text_win32.h"
#include "ui/whole_file.h"

namespace {

// The variable holds a Unix path; Wine shows the Unix root as drive Z:.
std::wstring captureFolder() {
  wchar_t value[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"WINE_TEST_WAVOUT", value, MAX_PATH)) return {};
  std::wstring path = std::wstring(L"Z:") + value;
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path.substr(0, path.rfind(L'\\'));
}

}  // namespace

WaveCapture::WaveCapture() : folder_(captureFolder()), before_(files()) {}

std::vector<std::wstring> WaveCapture::files() const {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE h = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(folder_ + L"\\" + found.cFileName);
  } while (FindNextFileW(h, &found));
  FindClose(h);
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::wstring> WaveCapture::newFiles() const {
  std::vector<std::wstring> added;
  for (const std::wstring& name : files())
    if (std::find(before_.begin(), before_.end(), name) == before_.end()) added.push_back(name);
  return added;
}

std::string WaveCapture::read(const std::wstring& path) { return readWholeFile(gbkFromWide(path)).bytes; }

bool holdsRun(const std::string& captured, const std::string& played) {
  const std::string sounding = withoutSilence(captured), expected = withoutSilence(played);
  return std::search(sounding.begin(), sounding.end(), expected.begin(), expected.end()) != sounding.end();
}

std::string withoutSilence(const std::string& samples) {
  std::string sounding;
  for (std::size_t i = 0; i + 1 < samples.size(); i += 2)
    if (samples[i] != 0 || samples[i + 1] != 0) sounding.append(samples, i, 2);
  return sounding;
}

bool writeFile(const std::wstring& path, const std::string& bytes) {
  HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok =
      WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
  CloseHandle(h);
  return ok;
}
