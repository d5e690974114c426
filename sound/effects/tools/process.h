#pragma once
// Running the build's helper programs through the shell.
#include <string>

#include "sound/effects/tools/wav_image.h"

// `s` in single quotes, safe as one shell word.
std::string shellQuoted(const std::string& s);

// Runs `command` and returns what it writes to its standard output; throws when it fails.
Bytes runCapturing(const std::string& command);
