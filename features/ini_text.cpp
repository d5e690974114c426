#include "features/ini_text.h"

#include <vector>

#include "ui/gbk.h"

namespace ini {

namespace {

// Blanks as the profile functions trim them: ASCII white space, CR and the DOS end-of-file mark.
bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == 0x1A; }

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

enum class LineKind { other, section, key };

struct Line {
  std::size_t begin = 0, end = 0;  // the line's bytes in the file, terminator included
  LineKind kind = LineKind::other;
  std::string_view name;                  // section or key name
  std::optional<std::string_view> value;  // a key's value when the line has '='
  std::string_view wholeValue;            // the same before trimming: up to the line's end
};

Line parseLine(std::string_view file, std::size_t begin, std::size_t end) {
  Line line;
  line.begin = begin;
  line.end = end;
  const std::string_view text = trimmed(file.substr(begin, end - begin));
  if (text.empty()) return line;
  if (text.front() == '[') {
    // The last ']' that is a character of its own: a GBK trail byte may be 0x5D.
    if (const std::size_t close = gbk::lastCharacter(text, ']'); close != std::string_view::npos) {
      line.kind = LineKind::section;
      line.name = trimmed(text.substr(1, close - 1));
      return line;
    }
  }
  line.kind = LineKind::key;
  // '=' (0x3D) is never a GBK trail byte, so a plain search is safe.
  const std::size_t eq = text.find('=');
  if (eq == std::string_view::npos) {
    line.name = text;
  } else {
    line.name = trimmed(text.substr(0, eq));
    line.value = trimmed(text.substr(eq + 1));
    std::string_view whole = file.substr(begin, end - begin);
    if (whole.ends_with('\n')) whole.remove_suffix(1);
    if (whole.ends_with('\r')) whole.remove_suffix(1);
    line.wholeValue = whole.substr(whole.find('=') + 1);
  }
  return line;
}

std::vector<Line> parse(std::string_view file) {
  std::vector<Line> lines;
  std::size_t begin = 0;
  while (begin < file.size()) {
    std::size_t nl = file.find('\n', begin);
    const std::size_t end = nl == std::string_view::npos ? file.size() : nl + 1;
    lines.push_back(parseLine(file, begin, end));
    begin = end;
  }
  return lines;
}

// Where one section lies among the lines: its header and the lines up to the next header.
struct SectionSpan {
  std::size_t header = 0, bodyEnd = 0;
};

std::optional<SectionSpan> findSection(const std::vector<Line>& lines, std::string_view section) {
  const std::string_view wanted = trimmed(section);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind != LineKind::section || lines[i].name.empty() ||
        !gbk::equalIgnoringAsciiCase(lines[i].name, wanted))
      continue;
    std::size_t end = i + 1;
    while (end < lines.size() && lines[end].kind != LineKind::section) ++end;
    return SectionSpan{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> findKey(const std::vector<Line>& lines, SectionSpan span, std::string_view key) {
  const std::string_view wanted = trimmed(key);
  for (std::size_t i = span.header + 1; i < span.bodyEnd; ++i)
    if (lines[i].kind == LineKind::key && gbk::equalIgnoringAsciiCase(lines[i].name, wanted)) return i;
  return std::nullopt;
}

std::string_view stripMatchingQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

bool endsWithNewline(std::string_view s) { return !s.empty() && s.back() == '\n'; }

// The edit putting `insert` in place of lines [from, to).
Edit replacingLines(std::string_view file, const std::vector<Line>& lines, std::size_t from, std::size_t to,
                    std::string insert) {
  Edit edit;
  edit.begin = from < lines.size() ? lines[from].begin : file.size();
  edit.end = to < lines.size() ? lines[to].begin : file.size();
  // A line put after a last line that has no terminator must start on a line of its own.
  if (!insert.empty() && edit.begin == file.size() && !file.empty() && !endsWithNewline(file)) insert.insert(0, "\r\n");
  edit.text = std::move(insert);
  return edit;
}

std::string keyLine(std::string_view key, std::string_view value) {
  std::string line;
  line.reserve(key.size() + value.size() + 3);
  line.append(key).append("=").append(value).append("\r\n");
  return line;
}

// The empty lines at the end of `text`, which holds whole lines.
std::size_t trailingEmptyLines(std::string_view text) {
  const std::vector<Line> lines = parse(text);
  std::size_t count = 0;
  while (count + 1 < lines.size() && lines[lines.size() - 1 - count].kind == LineKind::other) ++count;
  return count;
}

std::optional<Line> findKeyLine(std::string_view file, std::string_view section, std::string_view key) {
  const std::vector<Line> lines = parse(file);
  const auto span = findSection(lines, section);
  if (!span) return std::nullopt;
  const auto at = findKey(lines, *span, key);
  if (!at || !lines[*at].value) return std::nullopt;
  return lines[*at];
}

}  // namespace

std::optional<std::string> findValue(std::string_view file, std::string_view section, std::string_view key) {
  const std::optional<Line> line = findKeyLine(file, section, key);
  if (!line) return std::nullopt;
  return std::string(stripMatchingQuotes(*line->value));
}

std::optional<std::string> findWholeValue(std::string_view file, std::string_view section, std::string_view key) {
  const std::optional<Line> line = findKeyLine(file, section, key);
  if (!line) return std::nullopt;
  return std::string(line->wholeValue);
}

Edit settingValue(std::string_view file, std::string_view section, std::string_view key, std::string_view value) {
  const std::vector<Line> lines = parse(file);
  const auto span = findSection(lines, section);
  if (!span) {
    std::string added;
    added.append("[").append(section).append("]\r\n").append(keyLine(key, value));
    return replacingLines(file, lines, lines.size(), lines.size(), std::move(added));
  }
  if (const auto at = findKey(lines, *span, key)) {
    // A value ending in line ends (the notepad's does) leaves empty lines after its key line; the
    // new value takes their place too, or every write would add as many again.
    std::string line = keyLine(key, value);
    const std::size_t left = trailingEmptyLines(line);
    std::size_t end = *at + 1;
    while (end < span->bodyEnd && end - (*at + 1) < left && lines[end].kind == LineKind::other) ++end;
    return replacingLines(file, lines, *at, end, std::move(line));
  }
  std::size_t after = span->header + 1;
  for (std::size_t i = span->header + 1; i < span->bodyEnd; ++i)
    if (lines[i].kind != LineKind::other) after = i + 1;
  return replacingLines(file, lines, after, after, keyLine(key, value));
}

Edit removingKey(std::string_view file, std::string_view section, std::string_view key) {
  const std::vector<Line> lines = parse(file);
  const auto span = findSection(lines, section);
  if (!span) return {};
  const auto at = findKey(lines, *span, key);
  if (!at) return {};
  return replacingLines(file, lines, *at, *at + 1, {});
}

Edit removingSection(std::string_view file, std::string_view section) {
  const std::vector<Line> lines = parse(file);
  const auto span = findSection(lines, section);
  if (!span) return {};
  return replacingLines(file, lines, span->header, span->bodyEnd, {});
}

std::string applied(std::string_view file, const Edit& edit) {
  std::string out;
  out.reserve(file.size() + edit.text.size());
  out.append(file.substr(0, edit.begin)).append(edit.text).append(file.substr(edit.end));
  return out;
}

std::string withValue(std::string_view file, std::string_view section, std::string_view key, std::string_view value) {
  return applied(file, settingValue(file, section, key, value));
}

std::string withoutKey(std::string_view file, std::string_view section, std::string_view key) {
  return applied(file, removingKey(file, section, key));
}

std::string withoutSection(std::string_view file, std::string_view section) {
  return applied(file, removingSection(file, section));
}

}  // namespace ini
