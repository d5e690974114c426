// MIDI through the system's stream output. Wine here has no MIDI output device (no ALSA sequencer),
// so what runs is the refusal: Play gives false and nothing is left to stop.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include "sound/player/effect_player_win32.h"
#include "tests/support/sound_images.h"

using namespace test_images;

namespace {

TEST(MidiOutput, PlaysWhereTheSystemHasAMidiOutputAndIsRefusedWhereItHasNone) {
  const ByteVector piece = midiFile(0, 96, {bytes({0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0, 0x00, 0xFF, 0x2F, 0x00})});
  const bool hasOutput = midiOutGetNumDevs() > 0;
  EXPECT_EQ(TheEffectPlayer().Play(piece, true), hasOutput);
  TheEffectPlayer().StopAndWait();  // ends a playing piece within two seconds, and is harmless otherwise
  EXPECT_EQ(TheEffectPlayer().playingVoices(), 0u);
}

}  // namespace
