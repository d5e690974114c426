#pragma once
// What licence a Debian package's copyright file gives one of its files, and whether the program
// may carry it: only permissive licences (MIT, BSD, CC0, CC-BY) are let in.
#include <string>
#include <string_view>

// The licence of `file` (its path as the copyright file writes it, e.g. "etc/samples/x.flac"):
// - machine-readable files: the last "Files:" paragraph whose patterns match names it; a name
//   the file defines in a paragraph of its own is read from that text;
// - free-form files: read from the notice, leaving out what only covers the Debian packaging.
// Returns "MIT", "BSD", "CC0", "CC-BY-3.0", "CC-BY-4.0", or what the file names when it is none
// of these ("" when nothing is named).
std::string licenceOf(std::string_view copyright, std::string_view file);

bool isAllowedLicence(std::string_view licence);
