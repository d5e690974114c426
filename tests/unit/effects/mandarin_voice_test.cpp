// The Mandarin lines' voice: one recorded syllable per character, pauses at punctuation, and
// nothing spoken that the syllable table or the recordings lack.
#include "sound/effects/tools/mandarin_voice.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "sound/effects/tools/mandarin_syllables.h"

namespace {

const ExternalTools kTools{.espeak = "",
                           .lame = "",
                           .fluidsynth = "",
                           .sox = LANXING_TEST_SOX,
                           .workDir = LANXING_TEST_WORK,
                           .midiDir = "",
                           .sourceRoot = LANXING_TEST_SOURCES};
constexpr int kRate = 11025;

TEST(MandarinSyllables, CharactersGiveTheirSyllableAndTone) {
  const struct {
    std::u8string_view character, syllable;
  } cases[] = {
      {u8"澜", u8"ㄌㄢ2"},  {u8"工", u8"ㄍㄨㄥ"},  // second tone; first tone has no mark
      {u8"的", u8"ㄉㄜ1"},  {u8"吧", u8"ㄅㄚ1"},   // neutral tone
      {u8"星", u8"ㄒㄧㄣ"},                        // the voice has no xing: the nearest syllable
      {u8"诉", u8"ㄙㄨ4"},  {u8"一", u8"ㄧ4"},     // the last and first rows of the table
      {u8"猫", u8""},       {u8"", u8""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(syllableOf(c.character), c.syllable) << std::string(c.character.begin(), c.character.end());
}

TEST(MandarinVoice, EachCharacterIsOneSyllableAndPunctuationAPause) {
  const auto one = spokenMandarin(kTools, u8"救", kRate);
  const auto two = spokenMandarin(kTools, u8"救救", kRate);
  const auto paused = spokenMandarin(kTools, u8"救，救", kRate);
  const auto stopped = spokenMandarin(kTools, u8"救。救！", kRate);
  ASSERT_GT(one.size(), std::size_t(0.1 * kRate)) << "a recorded syllable, not silence";
  EXPECT_LT(one.size(), std::size_t(0.5 * kRate));
  const double overlap = double(2 * one.size()) - double(two.size());
  EXPECT_GT(overlap, 0.01 * kRate) << "the second syllable runs into the first";
  EXPECT_LT(overlap, 0.05 * kRate);
  EXPECT_NEAR(double(paused.size() - two.size()) / kRate, 0.18, 0.01);
  EXPECT_NEAR(double(stopped.size() - two.size()) / kRate, 0.35, 0.01) << "the closing mark adds no silence";
  EXPECT_EQ(spokenMandarin(kTools, u8"救救", kRate), two) << "the same line gives the same samples";
}

TEST(MandarinVoice, ALineWithACharacterItCannotSayThrows) {
  EXPECT_THROW(spokenMandarin(kTools, u8"救命，小猫", kRate), std::runtime_error);
}

}  // namespace
