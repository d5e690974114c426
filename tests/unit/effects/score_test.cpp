// The tune notation the musical effects are written in.
#include <gtest/gtest.h>

#include "sound/effects/tools/score.h"

namespace {

TEST(Score, NoteNamesGiveMidiNumbers) {
  const std::pair<const char*, int> cases[] = {{"A4", 69}, {"C4", 60}, {"F#3", 54}, {"Bb5", 82}, {"C#6", 85},
                                               {"H4", -1}, {"C", -1},  {"C44", -1}, {"Cb", -1}};
  for (const auto& [name, midi] : cases) EXPECT_EQ(parseNoteName(name), midi) << name;
}

TEST(Score, TunesPlaceNotesChordsAndRestsInTime) {
  std::vector<Note> notes;
  const double end = addTune(notes, "C4:1 r:0.5 E4+G4:2 A4:0.5", 2.0, 0.5, {Instrument::piano, 0.7f, 0.1f, 0.9});
  EXPECT_DOUBLE_EQ(end, 6.0);
  ASSERT_EQ(notes.size(), 4u);
  const double starts[] = {1.0, 1.75, 1.75, 2.75}, midis[] = {60, 64, 67, 69}, lengths[] = {0.45, 0.9, 0.9, 0.225};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_DOUBLE_EQ(notes[i].start, starts[i]) << i;
    EXPECT_DOUBLE_EQ(notes[i].midi, midis[i]) << i;
    EXPECT_DOUBLE_EQ(notes[i].length, lengths[i]) << i;
    EXPECT_EQ(notes[i].pan, 0.1f);
  }
}

}  // namespace
