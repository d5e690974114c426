#include "sound/player/effect_player_win32.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "sound/player/winmm_midi_output_win32.h"
#include "sound/device/winmm_wave_output_win32.h"
#include "ui/gbk_text_win32.h"

namespace {

struct HandleCloser {
  void operator()(HANDLE h) const { CloseHandle(h); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

std::optional<std::vector<std::byte>> readWholeFile(std::string_view gbkPath) {
  FileHandle file(CreateFileW(wideFromGbk(gbkPath).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) {
    (void)file.release();
    return std::nullopt;
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > MAXDWORD) return std::nullopt;
  std::vector<std::byte> bytes(static_cast<std::size_t>(size.QuadPart));
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &read, nullptr) || read == 0)
      return std::nullopt;
    done += read;
  }
  return bytes;
}

}  // namespace

EffectPlayer& TheEffectPlayer() {
  static WinmmWaveOutput wave;
  static WinmmMidiOutput midi;
  static EffectPlayer player(wave, midi);
  return player;
}

bool PlayEffectFile(std::string_view gbkPath, bool loop) {
  if (gbkPath.empty()) return false;
  const std::optional<std::vector<std::byte>> image = readWholeFile(gbkPath);
  return image && TheEffectPlayer().Play(*image, loop);
}
