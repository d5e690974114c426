#pragma once
// How each built-in effect sounds: one function per effect, rendering it in stereo at the image's
// rate and length. Levels are set afterwards.
#include <cstddef>
#include <cstdint>

#include "sound/effects/tools/external_tools.h"
#include "sound/effects/tools/signal.h"

struct RenderContext {
  int rate;
  std::size_t frames;
  std::uint64_t seed;
  const ExternalTools& tools;

  double seconds() const { return double(frames) / rate; }
  Stereo blank() const { return Stereo(rate, frames); }
};

using Recipe = Stereo (*)(const RenderContext&);

// Drum loops
Stereo rockBeat(const RenderContext&);
Stereo discoBeat(const RenderContext&);
Stereo hipHopBeat(const RenderContext&);
Stereo danceBeat(const RenderContext&);
Stereo marchBeat(const RenderContext&);
Stereo shuffleBeat(const RenderContext&);
Stereo latinBeat(const RenderContext&);
Stereo oneDropBeat(const RenderContext&);
Stereo technoBeat(const RenderContext&);

// Telephone
Stereo phoneRing(const RenderContext&);
Stereo dialTone(const RenderContext&);
Stereo busyTone(const RenderContext&);
Stereo phoneKeys(const RenderContext&);

// Voices
Stereo crowdLaugh(const RenderContext&);
Stereo lewdLaugh(const RenderContext&);
Stereo sorrowfulLaugh(const RenderContext&);
Stereo childLaugh(const RenderContext&);
Stereo womanCrying(const RenderContext&);
Stereo brokenSobbing(const RenderContext&);
Stereo girlCrying(const RenderContext&);
Stereo babyCrying(const RenderContext&);
Stereo maleGhostHowl(const RenderContext&);
Stereo manWailing(const RenderContext&);
Stereo manScream(const RenderContext&);
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
Stereo applause(const RenderContext&);
Stereo dogBarks(const RenderContext&);
Stereo crowFlyingBy(const RenderContext&);
Stereo blownKiss(const RenderContext&);
Stereo train(const RenderContext&);
Stereo motorbike(const RenderContext&);
Stereo carStarting(const RenderContext&);
Stereo carHorn(const RenderContext&);
Stereo jetFlyover(const RenderContext&);
Stereo flies(const RenderContext&);
Stereo waterPouring(const RenderContext&);
Stereo lightsOn(const RenderContext&);
Stereo lightsOff(const RenderContext&);

// Moods
Stereo ghostVoices(const RenderContext&);
Stereo ghostWoo(const RenderContext&);
Stereo gloomyBed(const RenderContext&);
Stereo horrorBed(const RenderContext&);
Stereo tenseBed(const RenderContext&);
Stereo thrillBed(const RenderContext&);
Stereo weirdBed(const RenderContext&);

// Music
Stereo canonRingtone(const RenderContext&);
Stereo openingFanfare(const RenderContext&);
Stereo gamblerEntrance(const RenderContext&);
Stereo undeadOverture(const RenderContext&);
Stereo datingShowTheme(const RenderContext&);
Stereo datingShowCue(const RenderContext&);
Stereo partyProgrammeTheme(const RenderContext&);
Stereo newsTheme(const RenderContext&);
