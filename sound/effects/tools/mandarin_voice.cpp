#include "sound/effects/tools/mandarin_voice.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "sound/effects/tools/mandarin_syllables.h"
#include "sound/effects/tools/rendered.h"
#include "sound/effects/tools/sources.h"

namespace {
constexpr double kOverlapSeconds = 0.03;  // one syllable runs into the next
constexpr double kEdgeSeconds = 0.008;    // fades at the trimmed edges, so the joins never click

std::size_t utf8Length(char8_t lead) { return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4; }

double pauseAfter(std::u8string_view mark) {
  for (std::u8string_view shortPause : {u8"，", u8"、", u8"～", u8"—", u8",", u8" "})
    if (mark == shortPause) return 0.18;
  for (std::u8string_view longPause : {u8"。", u8"！", u8"？", u8"!", u8"?", u8"."})
    if (mark == longPause) return 0.35;
  return -1;
}

std::vector<float> syllable(const ExternalTools& tools, std::u8string_view name, int rate) {
  const std::string path = std::string(recording::mandarinSyllables) + "/" +
                           std::string(reinterpret_cast<const char*>(name.data()), name.size()) + "/" +
                           std::string(recording::mandarinVoiceFile);
  std::vector<float> s = loadRecording(tools, path, rate).left;
  trimSilence(s);
  const std::size_t edge = std::min(s.size() / 2, std::size_t(kEdgeSeconds * rate));
  for (std::size_t i = 0; i < edge; ++i) {
    const float g = float(i) / float(edge);
    s[i] *= g;
    s[s.size() - 1 - i] *= g;
  }
  return s;
}
}  // namespace

std::vector<float> spokenMandarin(const ExternalTools& tools, std::u8string_view text, int rate) {
  std::vector<float> out;
  const std::size_t overlap = std::size_t(kOverlapSeconds * rate);
  for (std::size_t at = 0; at < text.size();) {
    const std::u8string_view character = text.substr(at, utf8Length(text[at]));
    at += character.size();
    if (const double pause = pauseAfter(character); pause >= 0) {
      out.resize(out.size() + std::size_t(pause * rate));
      continue;
    }
    const std::u8string_view name = syllableOf(character);
    if (name.empty())
      throw std::runtime_error("no syllable for '" +
                               std::string(reinterpret_cast<const char*>(character.data()), character.size()) + "'");
    const std::vector<float> s = syllable(tools, name, rate);
    const std::size_t start = out.size() - std::min(out.size(), overlap);
    out.resize(std::max(out.size(), start + s.size()));
    for (std::size_t i = 0; i < s.size(); ++i) out[start + i] += s[i];
  }
  while (!out.empty() && out.back() == 0.0f) out.pop_back();
  return out;
}
