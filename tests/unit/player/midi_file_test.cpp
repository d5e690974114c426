#include "sound/player/midi_file.h"

#include <gtest/gtest.h>

#include "tests/support/sound_images.h"

using namespace test_images;

namespace {

std::uint32_t message(int status, int a, int b = 0) { return std::uint32_t(status) | a << 8 | b << 16; }

MidiEvent note(std::uint32_t delta, std::uint32_t payload) { return {delta, MidiEvent::Kind::shortMessage, payload}; }
MidiEvent tempo(std::uint32_t delta, std::uint32_t micros) { return {delta, MidiEvent::Kind::tempo, micros}; }

void expectEvents(const MidiSequence& s, const std::vector<MidiEvent>& expected) {
  ASSERT_EQ(s.events.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(s.events[i].delta, expected[i].delta);
    EXPECT_EQ(s.events[i].kind, expected[i].kind);
    EXPECT_EQ(s.events[i].payload, expected[i].payload);
  }
}

const ByteVector kEnd = bytes({0x00, 0xFF, 0x2F, 0x00});

ByteVector track(ByteVector events, bool withEnd = true) {
  if (withEnd) append(events, kEnd);
  return events;
}

TEST(MidiFile, SingleTrackWithRunningStatusAndTempo) {
  const ByteVector image = midiFile(0, 96,
                                    {track(bytes({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,  // tempo 500,000
                                                  0x00, 0x90, 60, 100,                       // note on
                                                  0x60, 60, 0,                               // running status
                                                  0x81, 0x00, 0xC0, 5}))});                  // delta 128, program
  const auto parsed = ParseMidiFile(image);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->division, 96);
  expectEvents(*parsed, {tempo(0, 500000), note(0, message(0x90, 60, 100)), note(0x60, message(0x90, 60, 0)),
                         note(128, message(0xC0, 5))});
}

TEST(MidiFile, TracksMergeByTimeAndDroppedEventsKeepTheirTime) {
  const ByteVector first = track(bytes({0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40,  // tempo at 0
                                        100, 0x90, 64, 90}));                      // note at 100
  const ByteVector second = track(bytes({20, 0xF0, 0x03, 0x01, 0x02, 0xF7,         // sysex at 20, dropped
                                         20, 0xFF, 0x01, 0x02, 'h', 'i',           // text at 40, dropped
                                         10, 0xB0, 7, 100,                         // controller at 50
                                         100, 0xD0, 33}),                          // pressure at 150
                                  false);                                          // no end-of-track event
  const auto parsed = ParseMidiFile(midiFile(1, 480, {first, second}));
  ASSERT_TRUE(parsed);
  expectEvents(*parsed, {tempo(0, 1000000), note(50, message(0xB0, 7, 100)), note(50, message(0x90, 64, 90)),
                         note(50, message(0xD0, 33))});
}

TEST(MidiFile, SilenceBeforeTheEndOfThePieceIsKept) {
  const ByteVector shortTrack =
      bytes({0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0, 0x81, 0x40, 0xFF, 0x2F, 0x00});  // ends at 288
  const ByteVector longTrack = track(bytes({0x83, 0x60, 0xC0, 1}), false);            // ends at 480
  const auto parsed = ParseMidiFile(midiFile(1, 96, {shortTrack, longTrack}));
  ASSERT_TRUE(parsed);
  expectEvents(*parsed, {note(0, message(0x90, 60, 100)), note(96, message(0x80, 60, 0)), note(384, message(0xC0, 1))});

  const auto withRest = ParseMidiFile(midiFile(0, 96, {shortTrack}));
  ASSERT_TRUE(withRest);
  expectEvents(*withRest,
               {note(0, message(0x90, 60, 100)), note(96, message(0x80, 60, 0)), {192, MidiEvent::Kind::rest, 0}});
}

TEST(MidiFile, EventsAfterEndOfTrackAreIgnored) {
  const auto parsed = ParseMidiFile(midiFile(0, 96, {track(bytes({0x00, 0x90, 60, 100}))}));
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->events.size(), 1u);
}

struct Refused {
  const char* name;
  ByteVector image;
  friend void PrintTo(const Refused& c, std::ostream* os) { *os << c.name; }
};

class RefusedMidi : public testing::TestWithParam<Refused> {};

TEST_P(RefusedMidi, GivesNothing) { EXPECT_FALSE(ParseMidiFile(GetParam().image)); }

const ByteVector kNote = track(bytes({0x00, 0x90, 60, 100}));

INSTANTIATE_TEST_SUITE_P(
    MidiFile, RefusedMidi,
    testing::Values(Refused{"header_only_partly_there", ByteVector(bytes({'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0}))},
                    Refused{"header_length_not_six", withByteAt(midiFile(0, 96, {kNote}), 7, 7)},
                    Refused{"no_tracks", midiFile(0, 96, {})}, Refused{"zero_division", midiFile(0, 0, {kNote})},
                    Refused{"fewer_tracks_than_declared", withByteAt(midiFile(1, 96, {kNote}), 11, 2)},
                    Refused{"other_chunk_in_place_of_track", withByteAt(midiFile(0, 96, {kNote}), 14 + 3, 'x')},
                    Refused{"track_longer_than_image", withoutLast(midiFile(0, 96, {kNote}), 1)},
                    Refused{"running_status_without_status", midiFile(0, 96, {track(bytes({0x00, 60, 100}))})},
                    Refused{"data_byte_missing", midiFile(0, 96, {bytes({0x00, 0x90, 60})})},
                    Refused{"status_where_data_belongs", midiFile(0, 96, {track(bytes({0x00, 0x90, 0x90, 100}))})},
                    Refused{"delta_of_five_bytes",
                            midiFile(0, 96, {track(bytes({0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 60, 100}))})},
                    Refused{"delta_cut_off", midiFile(0, 96, {bytes({0x00, 0x90, 60, 100, 0x81})})},
                    Refused{"meta_longer_than_track", midiFile(0, 96, {bytes({0x00, 0xFF, 0x01, 0x09, 'a'})})},
                    Refused{"sysex_longer_than_track", midiFile(0, 96, {bytes({0x00, 0xF0, 0x05, 0x01})})},
                    Refused{"real_time_message_in_track", midiFile(0, 96, {track(bytes({0x00, 0xF8}))})}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
