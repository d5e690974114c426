#include "features/settings_storage_win32.h"

#include <windows.h>

#include "ui/gbk_text_win32.h"

namespace {

// A settings file this long is no settings file; reading it would only use up memory.
constexpr std::size_t kLongestSettingsFile = 64 * 1024 * 1024;

struct FileHandle {
  HANDLE h;
  explicit FileHandle(HANDLE handle) : h(handle) {}
  ~FileHandle() {
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool valid() const { return h != INVALID_HANDLE_VALUE; }
};

bool writeAll(HANDLE h, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    if (!WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

StoredFile SettingsStorageWin32::load(const std::string& path) { return readWholeFile(path, kLongestSettingsFile); }

bool SettingsStorageWin32::replace(const std::string& path, std::string_view bytes) {
  const std::wstring target = wideFromGbk(path);
  const std::wstring temporary = target + L".tmp";
  {
    FileHandle file(
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    if (!writeAll(file.h, bytes) || !FlushFileBuffers(file.h)) {
      CloseHandle(file.h);
      file.h = INVALID_HANDLE_VALUE;
      DeleteFileW(temporary.c_str());
      return false;
    }
  }
  if (MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  DeleteFileW(temporary.c_str());
  return false;
}
