#include "ui/format/control_properties.h"

#include "ui/format/record_io.h"

namespace {

template <class Io>
bool version(Io& io, std::uint32_t& v, std::uint32_t known) {
  return io.u32(v) && v <= known;
}

// Texts behind a u16 count (page names, list items).
bool shortCountedTexts(RecordReader& io, std::vector<std::string>& texts) {
  std::uint16_t n = 0;
  if (!io.u16(n) || n > io.left() / 4) return false;
  texts.assign(n, {});
  for (std::string& t : texts)
    if (!io.counted(t)) return false;
  return true;
}
bool shortCountedTexts(RecordWriter& io, std::vector<std::string>& texts) {
  io.u16(static_cast<std::uint16_t>(texts.size()));
  for (const std::string& t : texts) io.counted(t);
  return true;
}

// u32 values behind their byte length.
bool sizedValues(RecordReader& io, std::vector<std::uint32_t>& values) {
  std::uint32_t bytes = 0;
  if (!io.u32(bytes) || bytes % 4 != 0 || bytes > io.left()) return false;
  values.assign(bytes / 4, 0);
  for (std::uint32_t& v : values) io.u32(v);
  return true;
}
bool sizedValues(RecordWriter& io, std::vector<std::uint32_t>& values) {
  io.u32(static_cast<std::uint32_t>(values.size() * 4));
  for (std::uint32_t v : values) io.u32(v);
  return true;
}

template <class Io>
bool visitButton(Io& io, ButtonProperties& p) {
  return version(io, p.version, ButtonProperties::kVersion) && io.u32(p.kind) && io.u32(p.horizontalAlignment) &&
         io.u32(p.verticalAlignment) && io.counted(p.picture) && io.counted(p.font) && io.counted(p.caption);
}

template <class Io>
bool visitTab(Io& io, TabProperties& p) {
  return version(io, p.version, TabProperties::kVersion) && io.u32(p.options[0]) && io.u32(p.options[1]) &&
         io.u32(p.options[2]) && io.u32(p.options[3]) && io.u32(p.option5) && io.u32(p.backgroundColour) &&
         io.counted(p.font) && shortCountedTexts(io, p.pageNames);
}

template <class Io>
bool visitComboBox(Io& io, ComboBoxProperties& p) {
  return version(io, p.version, ComboBoxProperties::kVersion) && io.u32(p.listKind) && io.u32(p.options[0]) &&
         io.u32(p.options[1]) && io.u32(p.options[2]) && io.u32(p.options[3]) && io.u32(p.option5) &&
         io.u32(p.option6) && io.u32(p.colour) && io.u32(p.reserved) && io.counted(p.font) &&
         sizedValues(io, p.itemValues) && io.counted(p.editText) && shortCountedTexts(io, p.items) &&
         io.counted(p.text2) && io.counted(p.text3) && io.u32(p.last);
}

template <class Io>
bool visitCommonDlg(Io& io, CommonDlgProperties& p) {
  return version(io, p.version, CommonDlgProperties::kVersion) && io.u32(p.kind) && io.u32(p.options) &&
         io.counted(p.title) && io.counted(p.filter) && io.counted(p.initialFolder) && io.counted(p.defaultExtension) &&
         io.counted(p.fileName);
}

template <class Io>
bool visitLineChart(Io& io, LineChartProperties& p) {
  return version(io, p.version, LineChartProperties::kVersion) && io.u32(p.backgroundColour) && io.u32(p.textColour) &&
         io.u32(p.lineColour) && io.u32(p.pointCount) && io.counted(p.title) && io.counted(p.xCaption) &&
         io.counted(p.yCaption);
}

template <class T, class Visit>
std::optional<T> readVersioned(std::string_view data, Visit visit) {
  T t;
  if (!readWhole(data, t, visit)) return std::nullopt;
  return t;
}

}  // namespace

#define LANXING_CONTROL_LAYOUT(T, visit)                                                                  \
  std::optional<T> T::read(std::string_view data) { return readVersioned<T>(data, visit<RecordReader>); } \
  std::string T::write() const { return writeWhole(*this, visit<RecordWriter>); }

LANXING_CONTROL_LAYOUT(ButtonProperties, visitButton)
LANXING_CONTROL_LAYOUT(TabProperties, visitTab)
LANXING_CONTROL_LAYOUT(ComboBoxProperties, visitComboBox)
LANXING_CONTROL_LAYOUT(CommonDlgProperties, visitCommonDlg)
LANXING_CONTROL_LAYOUT(LineChartProperties, visitLineChart)

std::optional<StoredFont> StoredFont::read(std::string_view logfont) {
  if (logfont.size() != kSize) return std::nullopt;
  RecordReader r(logfont);
  StoredFont f;
  std::uint32_t bytes[2] = {};
  r.i32(f.height), r.i32(f.width), r.i32(f.escapement), r.i32(f.orientation), r.i32(f.weight);
  r.u32(bytes[0]), r.u32(bytes[1]);
  std::uint8_t* fields[] = {&f.italic,       &f.underline,     &f.strikeOut, &f.charSet,
                            &f.outPrecision, &f.clipPrecision, &f.quality,   &f.pitchAndFamily};
  for (int i = 0; i < 8; ++i) *fields[i] = static_cast<std::uint8_t>(bytes[i / 4] >> (8 * (i % 4)));
  const std::string_view face = logfont.substr(28);
  f.face = std::string(face.substr(0, face.find('\0')));
  return f;
}

std::string StoredFont::write() const {
  RecordWriter w;
  w.i32(height), w.i32(width), w.i32(escapement), w.i32(orientation), w.i32(weight);
  const std::uint8_t fields[] = {italic,       underline,     strikeOut, charSet,
                                 outPrecision, clipPrecision, quality,   pitchAndFamily};
  std::string out = w.take();
  out.append(reinterpret_cast<const char*>(fields), sizeof fields);
  out.append(face.substr(0, 31));
  out.resize(kSize, '\0');
  return out;
}
