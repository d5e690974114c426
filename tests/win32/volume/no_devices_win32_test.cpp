// A computer without a sound card (Wine with no ALSA configuration): the mixer cannot be opened,
// the endpoint has no volume, and 检测 names nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include "audio/sound_card/output_device_win32.h"
#include "audio/volume/endpoint_volume_win32.h"
#include "audio/volume/sys_volume_win32.h"
#include "audio/volume/volume_knob.h"

namespace {

TEST(NoSoundCard, TheMixerOpensNothing) {
  ASSERT_EQ(waveOutGetNumDevs(), 0u) << "this test runs without a sound card";
  SysVolume mixer;
  EXPECT_EQ(mixer.Open(volume::kSpeakersLine), 0);
  EXPECT_FALSE(mixer.SetVolume(100, 100));
}

TEST(NoSoundCard, TheKnobIsToldAndTheCheckNamesNothing) {
  ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
  DefaultEndpointVolume endpoint;
  SysVolume mixer;
  EXPECT_EQ(volume::writeKnobValue(volume::knobValue(80), &endpoint, mixer), volume::Written::mixerUnavailable);
  EXPECT_EQ(detectedOutputName(), "");
  CoUninitialize();
}

}  // namespace
