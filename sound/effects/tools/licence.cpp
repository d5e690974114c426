#include "sound/effects/tools/licence.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <sstream>
#include <vector>

namespace {
std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool contains(std::string_view text, std::string_view part) {
  return lower(text).find(lower(part)) != std::string::npos;
}

// Shell-style '*' and '?' ('*' also crosses '/', as in Debian's copyright format).
bool matches(std::string_view pattern, std::string_view name) {
  if (pattern.empty()) return name.empty();
  if (pattern[0] == '*') return matches(pattern.substr(1), name) || (!name.empty() && matches(pattern, name.substr(1)));
  return !name.empty() && (pattern[0] == '?' || pattern[0] == name[0]) && matches(pattern.substr(1), name.substr(1));
}

// Paragraphs are separated by blank lines; each is a list of fields, continuation lines indented.
struct Paragraph {
  std::string text;
  std::string field(std::string_view name) const {  // the field's first line and continuations, joined
    std::istringstream in(text);
    std::string line, value;
    bool inside = false;
    while (std::getline(in, line)) {
      if (!line.empty() && (line[0] == ' ' || line[0] == '\t')) {
        if (inside) value += " " + line;
        continue;
      }
      inside = lower(line).rfind(lower(name) + ":", 0) == 0;
      if (inside) value = line.substr(name.size() + 1);
    }
    return value;
  }
  std::string firstLineOf(std::string_view name) const {
    const std::string v = field(name);
    const std::size_t start = v.find_first_not_of(" \t");
    if (start == std::string::npos) return "";
    const std::size_t end = v.find_first_of(" \t", start);
    return v.substr(start, end - start);
  }
};

std::vector<Paragraph> paragraphs(std::string_view text) {
  std::vector<Paragraph> out(1);
  std::istringstream in{std::string(text)};
  std::string line;
  while (std::getline(in, line)) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) {
      if (!out.back().text.empty()) out.emplace_back();
    } else {
      out.back().text += line + "\n";
    }
  }
  return out;
}

// A licence told by its words: copyleft first, so that a notice naming both is not let in.
std::string licenceInWords(std::string_view text) {
  for (const char* copyleft : {"GNU General Public", "GNU Lesser", "GPL", "ShareAlike", "Share Alike", "Free Art"})
    if (contains(text, copyleft)) return "copyleft";
  if (contains(text, "Permission is hereby granted, free of charge")) return "MIT";
  if (contains(text, "Redistribution and use in source and binary forms")) return "BSD";
  return "";
}

std::string normalised(std::string name) {
  const std::string l = lower(name);
  if (l == "expat" || l == "mit") return "MIT";
  if (l.rfind("bsd-", 0) == 0) return "BSD";
  if (l == "cc0" || l == "cc0-1.0") return "CC0";
  if (l == "cc-by-3" || l == "cc-by-3.0") return "CC-BY-3.0";
  if (l == "cc-by-4" || l == "cc-by-4.0") return "CC-BY-4.0";
  return name;
}

std::string machineReadable(const std::vector<Paragraph>& all, std::string_view file) {
  std::string name;
  for (const Paragraph& p : all) {
    std::istringstream patterns(p.field("Files"));
    std::string pattern;
    while (patterns >> pattern)
      if (matches(pattern, file)) name = p.firstLineOf("License");
  }
  const std::string known = normalised(name);
  if (known != name || name.empty()) return known;
  // A name of the file's own: its text is in a paragraph that starts "License: <name>".
  for (const Paragraph& p : all)
    if (p.field("Files").empty() && p.firstLineOf("License") == name) {
      const std::string words = licenceInWords(p.text);
      if (!words.empty()) return words;
    }
  return name;
}
}  // namespace

std::string licenceOf(std::string_view copyright, std::string_view file) {
  const std::vector<Paragraph> all = paragraphs(copyright);
  if (contains(all.front().text.substr(0, all.front().text.find('\n')), "copyright-format"))
    return machineReadable(all, file);
  std::string notice;
  for (const Paragraph& p : all)
    if (!contains(p.text, "packaging")) notice += p.text;
  return licenceInWords(notice);
}

bool isAllowedLicence(std::string_view licence) {
  static constexpr std::array<std::string_view, 5> kAllowed = {"MIT", "BSD", "CC0", "CC-BY-3.0", "CC-BY-4.0"};
  return std::find(kAllowed.begin(), kAllowed.end(), licence) != kAllowed.end();
}
