#include "audio/sound_card/output_device_win32.h"

#include <windows.h>
#include <mmsystem.h>

#include "audio/sound_card/sound_card_texts.h"
#include "ui/gbk_text_win32.h"

namespace {

// The wave mapper's "which device do you prefer" question (mmddk.h, not in every SDK's headers).
constexpr UINT kMapperPreferredGet = 0x2000 + 21;

std::optional<unsigned> mapperPreferredOutput() {
  DWORD device = 0, flags = 0;
  const MMRESULT asked =
      waveOutMessage(reinterpret_cast<HWAVEOUT>(static_cast<UINT_PTR>(WAVE_MAPPER)), kMapperPreferredGet,
                     reinterpret_cast<DWORD_PTR>(&device), reinterpret_cast<DWORD_PTR>(&flags));
  if (asked != MMSYSERR_NOERROR) return std::nullopt;
  return static_cast<unsigned>(device);
}

}  // namespace

std::string detectedOutputName() {
  const auto device = sound_card::detectedDevice(mapperPreferredOutput(), waveOutGetNumDevs());
  WAVEOUTCAPSW caps{};
  if (!device || waveOutGetDevCapsW(*device, &caps, sizeof caps) != MMSYSERR_NOERROR) return {};
  return gbkFromWide(caps.szPname);  // at most 31 characters and its end
}
