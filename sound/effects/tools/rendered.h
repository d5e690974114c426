#pragma once
// Sound from outside the synthesiser: scores played through the General MIDI soundfont and its
// GS effects bank by fluidsynth, and recordings read by sox, both brought to the effect's rate.
#include <string>
#include <string_view>

#include "sound/effects/tools/external_tools.h"
#include "sound/effects/tools/signal.h"

// The soundfonts, below the source root: the General MIDI set, then the GS variation bank.
inline constexpr std::string_view kGeneralMidiSoundfont = "usr/share/fluidr3mono-gm-soundfont/FluidR3Mono_GM.sf3";
inline constexpr std::string_view kGsSoundfont = "usr/share/sounds/sf2/FluidR3_GS.sf2";

// The score `name` (midiDir/<name>.mid) played to its end and ring-out, at `rate`.
Stereo renderScoreFile(const ExternalTools& tools, std::string_view name, int rate);

// A recording (any format sox reads; the path below the source root) in stereo at `rate`.
Stereo loadRecording(const ExternalTools& tools, std::string_view path, int rate);
// A sound lump of a WAD file below the source root, in stereo at `rate`.
Stereo loadWadSound(const ExternalTools& tools, std::string_view wadPath, std::string_view lump, int rate);

// Cut or padded with silence to exactly `frames` frames.
Stereo fitted(Stereo s, std::size_t frames);

// What rings past `frames` added back onto the start, so the sound repeats without a seam.
Stereo foldedLoop(const Stereo& s, std::size_t frames);
