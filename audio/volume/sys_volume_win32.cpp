#include "audio/volume/sys_volume_win32.h"

#include <vector>

#include "ui/gbk_text_win32.h"

namespace {

constexpr wchar_t kNoticeClass[] = L"LanxingSysVolume";

HMIXEROBJ object(HMIXER mixer) { return reinterpret_cast<HMIXEROBJ>(mixer); }

void release(std::optional<SysVolume::Control>& control) {
  if (control) mixerClose(control->mixer);
  control.reset();
}

// The line a lookup names on an open mixer: the destination (or input) line of its component type,
// and with a source type the first source of that line with this type.
std::optional<MIXERLINEW> findLine(HMIXER mixer, const volume::LineLookup& lookup) {
  MIXERLINEW line{};
  line.cbStruct = sizeof line;
  line.dwComponentType = lookup.componentType;
  if (mixerGetLineInfoW(object(mixer), &line, MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_COMPONENTTYPE) !=
      MMSYSERR_NOERROR)
    return std::nullopt;
  if (!lookup.sourceType) return line;
  for (DWORD i = 0; i < line.cConnections; ++i) {
    MIXERLINEW source{};
    source.cbStruct = sizeof source;
    source.dwDestination = line.dwDestination;
    source.dwSource = i;
    if (mixerGetLineInfoW(object(mixer), &source, MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_SOURCE) ==
            MMSYSERR_NOERROR &&
        source.dwComponentType == *lookup.sourceType)
      return source;
  }
  return std::nullopt;
}

// Opens mixer device 0 and asks for the control of `type` on the looked-up line; the handle is
// closed again on any failure.
std::optional<SysVolume::Control> openControl(HWND noticeWindow, const volume::LineLookup& lookup, DWORD type) {
  if (mixerGetNumDevs() == 0) return std::nullopt;
  HMIXER mixer = nullptr;
  if (mixerOpen(&mixer, 0, reinterpret_cast<DWORD_PTR>(noticeWindow), 0, CALLBACK_WINDOW | MIXER_OBJECTF_MIXER) !=
      MMSYSERR_NOERROR)
    return std::nullopt;
  std::optional<SysVolume::Control> control;
  MIXERCAPSW caps{};
  const auto line = mixerGetDevCapsW(reinterpret_cast<UINT_PTR>(mixer), &caps, sizeof caps) == MMSYSERR_NOERROR
                        ? findLine(mixer, lookup)
                        : std::nullopt;
  if (line) {
    MIXERCONTROLW found{};
    found.cbStruct = sizeof found;
    MIXERLINECONTROLSW query{};
    query.cbStruct = sizeof query;
    query.dwLineID = line->dwLineID;
    query.dwControlType = type;
    query.cControls = 1;
    query.cbmxctrl = sizeof found;
    query.pamxctrl = &found;
    if (mixerGetLineControlsW(object(mixer), &query, MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE) ==
        MMSYSERR_NOERROR)
      control = SysVolume::Control{mixer,
                                   found.dwControlID,
                                   line->cChannels,
                                   gbkFromWide(found.szName),
                                   found.Bounds.dwMinimum,
                                   found.Bounds.dwMaximum};
  }
  if (!control) mixerClose(mixer);
  return control;
}

}  // namespace

SysVolume::SysVolume() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kNoticeClass;
  RegisterClassExW(&wc);  // fails harmlessly when registered already
  window_.reset(CreateWindowExW(0, kNoticeClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr));
}

SysVolume::~SysVolume() { Close(volume::kCloseBoth); }

int SysVolume::Open(int lineKind) {
  release(volume_);
  release(mute_);
  if (const auto lookup = volume::lineLookupFor(lineKind)) {
    volume_ = openControl(window_.get(), *lookup, MIXERCONTROL_CONTROLTYPE_VOLUME);
    mute_ = openControl(window_.get(), *lookup, MIXERCONTROL_CONTROLTYPE_MUTE);
  }
  return volume::openResult(volume_.has_value(), mute_.has_value());
}

bool SysVolume::SetVolume(std::uint32_t first, std::uint32_t second) {
  if (!volume_) return false;
  std::vector<std::uint32_t> values = volume::mixerChannelValues(static_cast<int>(volume_->channels), first, second);
  static_assert(sizeof(MIXERCONTROLDETAILS_UNSIGNED) == sizeof(std::uint32_t));
  MIXERCONTROLDETAILS details{};
  details.cbStruct = sizeof details;
  details.dwControlID = volume_->id;
  details.cChannels = static_cast<DWORD>(values.size());
  details.cbDetails = sizeof(MIXERCONTROLDETAILS_UNSIGNED);
  details.paDetails = values.data();
  return mixerSetControlDetails(object(volume_->mixer), &details,
                                MIXER_OBJECTF_HMIXER | MIXER_SETCONTROLDETAILSF_VALUE) == MMSYSERR_NOERROR;
}

bool SysVolume::Close(int which) {
  if (which != 1) release(volume_);
  if (which != 0) release(mute_);
  return true;
}
