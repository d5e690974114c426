// What Wine 8 answers to the Core Audio calls the knob and the start-up make, and the device 检测
// names. Windows answers differently (the endpoint takes the volume; the session takes the ducking
// preference); the knob's choice between the two paths is tested natively with fakes.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include "audio/sound_card/output_device_win32.h"
#include "audio/volume/ducking_win32.h"
#include "audio/volume/endpoint_volume_win32.h"
#include "audio/volume/sys_volume_win32.h"
#include "audio/volume/volume_knob.h"
#include "ui/gbk_text_win32.h"

namespace {

class CoreAudio : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK); }
  void TearDown() override { CoUninitialize(); }
};

TEST_F(CoreAudio, WineRefusesTheEndpointVolumeSoTheKnobFallsBackToTheMixer) {
  DefaultEndpointVolume endpoint;
  EXPECT_FALSE(endpoint.setMasterLevel(0.5f));
  SysVolume mixer;
  EXPECT_EQ(volume::writeKnobValue(volume::knobValue(74), &endpoint, mixer), volume::Written::mixer);
  EXPECT_FALSE(mixer.volumeControl()) << "closed after the write";
}

TEST_F(CoreAudio, DuckingOptOutAnswer) { EXPECT_EQ(optOutOfDucking(), S_OK); }

TEST(SoundCardCheck, NamesTheDeviceTheWaveMapperPlaysThrough) {
  ASSERT_GT(waveOutGetNumDevs(), 0u);
  WAVEOUTCAPSW first{};
  ASSERT_EQ(waveOutGetDevCapsW(0, &first, sizeof first), static_cast<MMRESULT>(MMSYSERR_NOERROR));
  EXPECT_EQ(detectedOutputName(), gbkFromWide(first.szPname)) << "Wine prefers its only device";
  EXPECT_EQ(detectedOutputName(), "Out: default");
}

}  // namespace
