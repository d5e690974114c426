#pragma once
// The settings file's text as the system's profile functions see it, on GBK bytes, with no I/O:
// lines are trimmed of blanks; "[name]" opens a section; "key = value" is a key; names match
// without regard to ASCII case; a value in matching quotes loses them. Reads look in the first
// section of a name only. Edits change the one line concerned and keep every other byte.
#include <optional>
#include <string>
#include <string_view>

namespace ini {

// The value of `key` in `section`, or nothing when the section or key is missing or the key line
// has no '='. Section and key are compared after trimming their blanks.
std::optional<std::string> findValue(std::string_view file, std::string_view section, std::string_view key);

// The same value exactly as its line holds it: every byte after the '=' up to the line's end, with
// no blank trimmed and no quote taken off. For text a person typed (the notepad's), whose blanks
// and quotes at either end are part of it.
std::optional<std::string> findWholeValue(std::string_view file, std::string_view section, std::string_view key);

// One change to a file: its bytes [begin, end) give way to `text`. Both ends lie at the start of a
// line or at the end of the file, so a file kept in another encoding can take the same change line
// for line.
struct Edit {
  std::size_t begin = 0, end = 0;
  std::string text;
  bool changesNothing() const { return begin == end && text.empty(); }
};

// Sets `key` in `section` to `value`: the key's line is replaced, or a new line is put after the
// section's last non-blank line, or a new section is appended at the end. New lines end in CR LF.
Edit settingValue(std::string_view file, std::string_view section, std::string_view key, std::string_view value);

// Removes the first line of `key` in `section`.
Edit removingKey(std::string_view file, std::string_view section, std::string_view key);

// Removes the first section named `section`, header and body.
Edit removingSection(std::string_view file, std::string_view section);

std::string applied(std::string_view file, const Edit& edit);

// The file after each kind of edit.
std::string withValue(std::string_view file, std::string_view section, std::string_view key, std::string_view value);
std::string withoutKey(std::string_view file, std::string_view section, std::string_view key);
std::string withoutSection(std::string_view file, std::string_view section);

}  // namespace ini
