#pragma once
// How each built-in effect sounds: one function per effect, rendering it in stereo at the image's
// rate and length. Levels are set afterwards.
#include <cstddef>
#include <cstdint>

#include "sound/effects/tools/external_tools.h"
#include "sound/effects/tools/signal.h"

struct RenderContext {
  int effect;  // FX-nn
  int rate;
  std::size_t frames;
  std::uint64_t seed;
  const ExternalTools& tools;

  double seconds() const { return double(frames) / rate; }
  Stereo blank() const { return Stereo(rate, frames); }
};

using Recipe = Stereo (*)(const RenderContext&);

// Played from the effect's score through the soundfont: the score's sound cut to the effect's
// length, or folded into a seamless loop of it.
Stereo scoredSound(const RenderContext&);
Stereo scoredLoop(const RenderContext&);
// The effect's score played and cut to its length, for recipes that add to it.
Stereo playedScore(const RenderContext&);

// Telephone
Stereo dialTone(const RenderContext&);
Stereo busyTone(const RenderContext&);
Stereo phoneKeys(const RenderContext&);

// Voices
Stereo sorrowfulLaugh(const RenderContext&);
Stereo childLaugh(const RenderContext&);
Stereo womanCrying(const RenderContext&);
Stereo brokenSobbing(const RenderContext&);
Stereo girlCrying(const RenderContext&);
Stereo babyCrying(const RenderContext&);
Stereo maleGhostHowl(const RenderContext&);
Stereo manShouting(const RenderContext&);
Stereo disdainfulOh(const RenderContext&);
Stereo dryCough(const RenderContext&);
Stereo whippingMan(const RenderContext&);
Stereo whistleDuel(const RenderContext&);

// Speech
Stereo authorSignature(const RenderContext&);
Stereo cantoneseHelp(const RenderContext&);
Stereo comicHelp(const RenderContext&);
Stereo ohNo(const RenderContext&);
Stereo wowNotBad(const RenderContext&);
Stereo fastForwardTalk(const RenderContext&);
Stereo girlYamete(const RenderContext&);

// Things and animals
Stereo crowFlyingBy(const RenderContext&);
Stereo blownKiss(const RenderContext&);
Stereo carHorn(const RenderContext&);
Stereo flies(const RenderContext&);
Stereo lightsOn(const RenderContext&);
Stereo lightsOff(const RenderContext&);

// Moods
Stereo ghostVoices(const RenderContext&);
Stereo ghostWoo(const RenderContext&);
Stereo gloomyBed(const RenderContext&);
Stereo horrorBed(const RenderContext&);
Stereo weirdBed(const RenderContext&);
