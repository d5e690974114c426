// SysVolume on Wine's mixer device 0 ("Out: default"): its speakers line has a volume and a mute
// control, the volume control runs 0..65535 in 192 steps, and what SetVolume writes is read back
// through a mixer handle of the test's own.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <array>

#include "audio/volume/sys_volume_win32.h"

namespace {

// One step of Wine's 192-step volume.
constexpr std::uint32_t kStep = 65535 / 191 + 1;
constexpr MMRESULT kOk = MMSYSERR_NOERROR;

// A volume control's value as mixer device 0 reports it now. Wine answers for the first channel
// only, however many are asked for.
std::uint32_t readBack(DWORD controlId) {
  HMIXER mixer = nullptr;
  EXPECT_EQ(mixerOpen(&mixer, 0, 0, 0, MIXER_OBJECTF_MIXER), kOk);
  std::array<std::uint32_t, 2> values{~0u, ~0u};
  MIXERCONTROLDETAILS details{};
  details.cbStruct = sizeof details;
  details.dwControlID = controlId;
  details.cChannels = 2;
  details.cbDetails = sizeof(MIXERCONTROLDETAILS_UNSIGNED);
  details.paDetails = values.data();
  EXPECT_EQ(mixerGetControlDetailsW(reinterpret_cast<HMIXEROBJ>(mixer), &details,
                                    MIXER_OBJECTF_HMIXER | MIXER_GETCONTROLDETAILSF_VALUE),
            kOk);
  mixerClose(mixer);
  return values[0];
}

TEST(SysVolume, FindsTheSpeakersLineWithBothControls) {
  SysVolume mixer;
  ASSERT_EQ(mixer.Open(volume::kSpeakersLine), 1);
  const auto& v = mixer.volumeControl();
  const auto& m = mixer.muteControl();
  ASSERT_TRUE(v && m);
  EXPECT_NE(v->mixer, m->mixer) << "each control has a mixer handle of its own";
  EXPECT_NE(v->id, m->id);
  EXPECT_EQ(v->channels, 2u);
  EXPECT_EQ(v->minimum, 0u);
  EXPECT_EQ(v->maximum, 65535u);
  EXPECT_FALSE(v->name.empty());
  EXPECT_FALSE(m->name.empty());
}

TEST(SysVolume, SetVolumeReadsBackThroughTheMixer) {
  const std::array<std::uint32_t, 2> cases[] = {{0, 0}, {64571, 64571}, {32768, 16384}, {23130, 23130}, {964, 65535}};
  SysVolume mixer;
  ASSERT_EQ(mixer.Open(volume::kSpeakersLine), 1);
  const DWORD id = mixer.volumeControl()->id;
  for (const auto& [first, second] : cases) {
    ASSERT_TRUE(mixer.SetVolume(first, second));
    EXPECT_NEAR(static_cast<double>(readBack(id)), first, kStep) << first << "/" << second;
  }
  ASSERT_TRUE(mixer.SetVolume(65535, 65535));  // the next test's process starts at full volume anyway
}

TEST(SysVolume, CloseReleasesTheChosenControls) {
  struct Case {
    int which;
    bool volumeLeft, muteLeft;
  };
  const Case cases[] = {{0, false, true}, {1, true, false}, {2, false, false}, {-7, false, false}};
  for (const Case& c : cases) {
    SysVolume mixer;
    ASSERT_EQ(mixer.Open(volume::kSpeakersLine), 1);
    EXPECT_TRUE(mixer.Close(c.which));
    EXPECT_EQ(mixer.volumeControl().has_value(), c.volumeLeft) << c.which;
    EXPECT_EQ(mixer.muteControl().has_value(), c.muteLeft) << c.which;
    EXPECT_EQ(mixer.SetVolume(1000, 1000), c.volumeLeft) << "a closed volume control refuses " << c.which;
  }
  SysVolume never;
  EXPECT_TRUE(never.Close(2)) << "closing what was never open";
  EXPECT_FALSE(never.SetVolume(0, 0));
}

// Below Wine's speakers destination there is a wave-output source with its own two controls.
TEST(SysVolume, FindsTheWaveOutputSourceOfTheSpeakers) {
  SysVolume mixer, speakers;
  ASSERT_EQ(mixer.Open(volume::kWaveOutputSource), 1);
  ASSERT_EQ(speakers.Open(volume::kSpeakersLine), 1);
  EXPECT_NE(mixer.volumeControl()->id, speakers.volumeControl()->id) << "a control of the source line";
}

// Wine's mixer device 0 has no input lines; other numbers name no line at all.
TEST(SysVolume, LinesTheMixerDoesNotHaveGiveZero) {
  for (int kind : {volume::kMicrophoneSource, volume::kLineInSource, 5, 0}) {
    SysVolume mixer;
    EXPECT_EQ(mixer.Open(kind), 0) << kind;
    EXPECT_FALSE(mixer.volumeControl() || mixer.muteControl()) << kind;
  }
}

}  // namespace
