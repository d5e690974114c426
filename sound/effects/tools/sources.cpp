#include "sound/effects/tools/sources.h"

#include <stdexcept>

#include "sound/effects/tools/licence.h"
#include "sound/effects/tools/rendered.h"
#include "ui/whole_file.h"

const std::array<EffectSource, 10> kEffectSources = {{
    {"fluidr3mono-gm-soundfont", "FluidR3Mono_GM.sf3", kGeneralMidiSoundfont},
    {"fluid-soundfont-gs", "FluidR3_GS.sf2", kGsSoundfont},
    {"sonic-pi-samples", "etc/samples/misc_crow.flac", recording::crow},
    {"sonic-pi-samples", "etc/samples/ambi_haunted_hum.flac", recording::hauntedHum},
    {"sonic-pi-samples", "etc/samples/ambi_choir.flac", recording::choir},
    {"sonic-pi-samples", "etc/samples/ambi_drone.flac", recording::drone},
    {"sonic-pi-samples", "etc/samples/ambi_dark_woosh.flac", recording::darkWoosh},
    {"sonic-pi-samples", "etc/samples/elec_chime.flac", recording::chime},
    {"freedoom", "freedoom2.wad", recording::gameData},
    {"gcin-voice", "*/5.ogg", recording::mandarinSyllables},
}};

void checkSourceLicences(const std::string& root) {
  for (const EffectSource& source : kEffectSources) {
    const std::string path = root + "/usr/share/doc/" + std::string(source.package) + "/copyright";
    const WholeFile file = readWholeFile(path);
    if (file.state != WholeFile::State::read) throw std::runtime_error("no copyright file at " + path);
    const std::string& text = file.bytes;
    const std::string licence = licenceOf(text, source.copyrightName);
    if (!isAllowedLicence(licence))
      throw std::runtime_error(std::string(source.package) + ": " + std::string(source.copyrightName) + " is under '" +
                               licence + "', which the program may not carry");
  }
}
