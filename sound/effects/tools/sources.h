#pragma once
// Every file the effects take from Debian's packages: the soundfonts and the recordings. Each is
// credited in sound/effects/CREDITS.txt and its licence is checked before the build uses it.
#include <array>
#include <string>
#include <string_view>

struct EffectSource {
  std::string_view package;        // the Debian package that ships it
  std::string_view copyrightName;  // its name, or the pattern naming it, in the package's copyright file
  std::string_view path;           // where it lies below the unpacked packages' root
};

// The recordings, below the source root.
namespace recording {
inline constexpr std::string_view crow = "usr/share/sonic-pi/samples/misc_crow.flac";
inline constexpr std::string_view hauntedHum = "usr/share/sonic-pi/samples/ambi_haunted_hum.flac";
inline constexpr std::string_view choir = "usr/share/sonic-pi/samples/ambi_choir.flac";
inline constexpr std::string_view drone = "usr/share/sonic-pi/samples/ambi_drone.flac";
inline constexpr std::string_view darkWoosh = "usr/share/sonic-pi/samples/ambi_dark_woosh.flac";
inline constexpr std::string_view chime = "usr/share/sonic-pi/samples/elec_chime.flac";
// Switch sounds of the game data: DSSWTCHN (a switch thrown on), DSSWTCHX (thrown back).
inline constexpr std::string_view gameData = "usr/share/games/doom/freedoom2.wad";
// One folder per Mandarin syllable; only the voice of mandarinVoiceFile is free to carry (the
// package's other voice, 3.ogg, is under the GPL).
inline constexpr std::string_view mandarinSyllables = "usr/share/gcin-voice/ogg";
inline constexpr std::string_view mandarinVoiceFile = "5.ogg";
}  // namespace recording

extern const std::array<EffectSource, 10> kEffectSources;

// Throws unless every source's copyright file (usr/share/doc/<package>/copyright below `root`)
// gives it an allowed licence.
void checkSourceLicences(const std::string& root);
