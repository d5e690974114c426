// The MIDI files the music is written in, the seamless loops made from them, and the licence
// check that guards what the program may carry.
#include <gtest/gtest.h>

#include "sound/effects/tools/licence.h"
#include "sound/effects/tools/midi_file.h"
#include "sound/effects/tools/rendered.h"
#include "sound/effects/tools/scores.h"

namespace {

TEST(MidiFile, HeaderTempoChannelsAndEndOfTrack) {
  const std::vector<MidiNote> notes = {{0.0, 0.5, 60, 100, {0, 0}, 0.0f}, {0.25, 0.5, 36, 120, {kDrumBank, 25}, 0.0f}};
  const Bytes f = midiFile(notes, 2.0);
  ASSERT_GE(f.size(), 22u);
  EXPECT_EQ(std::string(f.begin(), f.begin() + 4), "MThd");
  EXPECT_EQ(f[13], 0xE0) << "480 ticks a quarter";
  EXPECT_EQ(std::string(f.begin() + 14, f.begin() + 18), "MTrk");
  const std::size_t length = std::size_t(f[18]) << 24 | std::size_t(f[19]) << 16 | std::size_t(f[20]) << 8 | f[21];
  EXPECT_EQ(length, f.size() - 22);
  const Bytes tail(f.end() - 3, f.end());
  EXPECT_EQ(tail, (Bytes{0xFF, 0x2F, 0x00}));
  // The drum kit's program change goes to channel 10, the piano's to channel 1.
  const auto has = [&](Bytes run) { return std::search(f.begin(), f.end(), run.begin(), run.end()) != f.end(); };
  EXPECT_TRUE(has({0xC9, 25}));
  EXPECT_TRUE(has({0xC0, 0}));
  // The last note ends at 0.75 s = 720 ticks; the track runs on to 2 s = 1,920 ticks: a
  // delta of 1,200 ticks, written 0x89 0x30, before the end of track.
  EXPECT_TRUE(has({0x89, 0x30, 0xFF, 0x2F, 0x00}));
}

TEST(MidiFile, TooManyInstrumentsThrow) {
  std::vector<MidiNote> notes;
  for (int program = 0; program < 16; ++program) notes.push_back({0.0, 0.1, 60, 90, {0, program}, 0.0f});
  EXPECT_THROW(midiFile(notes, 1.0), std::runtime_error);
  notes.pop_back();
  EXPECT_NO_THROW(midiFile(notes, 1.0));
}

TEST(DrumLoop, StepsFillTheLoopAndLongLinesSpanBars) {
  const auto notes =
      drumLoop({{gm::kick, "x...x..."}, {gm::crash, "X..............."}}, {2, 0.0, gm::standardKit}, 4.0);
  std::vector<double> kicks, crashes;
  for (const MidiNote& n : notes) (n.key == gm::kick ? kicks : crashes).push_back(n.start);
  EXPECT_EQ(kicks, (std::vector<double>{0.0, 1.0, 2.0, 3.0}));
  EXPECT_EQ(crashes, (std::vector<double>{0.0}));
}

TEST(FoldedLoop, WhatRingsPastTheEndComesBackAtTheStart) {
  Stereo s(100, 15);
  for (std::size_t i = 0; i < 15; ++i) s.left[i] = s.right[i] = float(i + 1);
  const Stereo loop = foldedLoop(s, 10);
  ASSERT_EQ(loop.frames(), 10u);
  EXPECT_EQ(loop.left[0], 1.0f + 11.0f);
  EXPECT_EQ(loop.left[4], 5.0f + 15.0f);
  EXPECT_EQ(loop.left[5], 6.0f);
}

TEST(Licence, CopyrightFilesAreReadAsDebianWritesThem) {
  const std::string dep5 =
      "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n\n"
      "Files: *\nLicense: GPL-3\n\n"
      "Files: */3.ogg\n       README\nLicense: GPL-3 or LGPL-3\n\n"
      "Files: */5.ogg\nLicense: CC-BY-3\n\n"
      "Files: etc/samples/a.flac\nLicense: CC0\n\n"
      "Files: etc/samples/b.flac\nLicense: CC-BY-SA-3.0\n\n"
      "Files: game.wad\nLicense: own-licence\n\n"
      "License: own-licence\n Redistribution and use in source and binary forms, with or without\n";
  const std::string mit =
      "Upstream Author: someone\n\nLicense:\n Permission is hereby granted, free of charge, to any person\n\n"
      "The Debian packaging is licensed under the GPL; see GPL-2.\n";
  const std::string gpl = "This is free software under the GNU General Public License.\n";
  const struct {
    const std::string& text;
    const char* file;
    const char* licence;
    bool allowed;
  } cases[] = {
      {dep5, "x/5.ogg", "CC-BY-3.0", true},
      {dep5, "x/3.ogg", "GPL-3", false},
      {dep5, "other", "GPL-3", false},
      {dep5, "etc/samples/a.flac", "CC0", true},
      {dep5, "etc/samples/b.flac", "CC-BY-SA-3.0", false},
      {dep5, "game.wad", "BSD", true},
      {mit, "font.sf2", "MIT", true},
      {gpl, "anything", "copyleft", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(licenceOf(c.text, c.file), c.licence) << c.file;
    EXPECT_EQ(isAllowedLicence(licenceOf(c.text, c.file)), c.allowed) << c.file;
  }
}

}  // namespace
