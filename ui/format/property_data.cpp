#include "ui/format/property_data.h"

#include "ui/format/record_io.h"

namespace {

// Reads `T` whole when its version is known; writes it as it is.
template <class T, class Visit>
std::optional<T> readVersioned(std::string_view data, Visit visit) {
  T t;
  if (!readWhole(data, t, visit)) return std::nullopt;
  return t;
}

template <class Io>
bool version(Io& io, std::uint32_t& v, std::uint32_t known) {
  return io.u32(v) && v <= known;
}

template <class Io>
bool visitWindow(Io& io, WindowProperties& p) {
  const auto since = [&](std::uint32_t v, auto field) { return p.version < v || field(); };
  return version(io, p.version, WindowProperties::kVersion) && io.u32(p.border) && io.u32(p.backgroundPictureMode) &&
         io.u32(p.backgroundColour) && io.u32(p.maximiseButton) && io.u32(p.minimiseButton) && io.u32(p.controlBox) &&
         io.u32(p.positionMode) && io.u32(p.movable) && io.u32(p.musicPlayCount) && io.u32(p.enterMovesFocus) &&
         io.u32(p.escCloses) && io.u32(p.f1OpensHelp) && io.u32(p.helpContext) &&
         since(2, [&] { return io.u32(p.shownInTaskBar); }) &&
         since(3, [&] { return io.u32(p.dragByAnyPoint) && io.u32(p.shape); }) &&
         since(4, [&] { return io.u32(p.alwaysOnTop); }) && since(5, [&] { return io.u32(p.keepCaptionActive); }) &&
         since(6, [&] { return io.counted(p.className); }) && io.counted(p.backgroundPicture) && io.counted(p.icon) &&
         io.counted(p.backgroundMusic) && io.counted(p.caption) && io.counted(p.helpFile);
}

template <class Io>
bool visitPicBtn(Io& io, PicBtnProperties& p) {
  return version(io, p.version, PicBtnProperties::kVersion) && io.u32(p.kind) && io.u32(p.selected) &&
         io.u32(p.transparentColour) && io.counted(p.normal) && io.counted(p.hover) && io.counted(p.pressed) &&
         io.counted(p.disabled);
}

template <class Io>
bool visitShapeBox(Io& io, ShapeBoxProperties& p) {
  return version(io, p.version, ShapeBoxProperties::kVersion) && io.u32(p.backgroundColour) && io.u32(p.shape) &&
         io.u32(p.option1) && io.u32(p.option2) && io.u32(p.lineWidth) && io.u32(p.lineColour) && io.u32(p.fillColour);
}

template <class Io>
bool visitTransLabel(Io& io, TransLabelProperties& p) {
  return version(io, p.version, TransLabelProperties::kVersion) && io.u32(p.option1) && io.u32(p.textColour) &&
         io.u32(p.option2) && io.u32(p.option3) && io.u32(p.flag) && io.counted(p.font) && io.counted(p.text);
}

template <class Io>
bool visitPicBox(Io& io, PicBoxProperties& p) {
  return version(io, p.version, PicBoxProperties::kVersion) && io.u32(p.border) && io.u32(p.backgroundColour) &&
         io.counted(p.picture) && io.u32(p.displayMode) && io.u32(p.options);
}

template <class Io>
bool visitEditBox(Io& io, EditBoxProperties& p) {
  return version(io, p.version, EditBoxProperties::kVersion) && io.u32(p.border) && io.u32(p.textColour) &&
         io.u32(p.backgroundColour) && io.u32(p.option) && io.u32(p.maxLength) && io.u32(p.multiLine) &&
         io.u32(p.scrollBars) && io.u32(p.alignment) && io.u32(p.inputMode) && io.u16(p.passwordChar) &&
         io.u32(p.options) && io.counted(p.font) && io.counted(p.text) && io.counted(p.text2) && io.counted(p.text3);
}

}  // namespace

#define LANXING_PROPERTY_LAYOUT(T, visit)                                                                 \
  std::optional<T> T::read(std::string_view data) { return readVersioned<T>(data, visit<RecordReader>); } \
  std::string T::write() const { return writeWhole(*this, visit<RecordWriter>); }

LANXING_PROPERTY_LAYOUT(WindowProperties, visitWindow)
LANXING_PROPERTY_LAYOUT(PicBtnProperties, visitPicBtn)
LANXING_PROPERTY_LAYOUT(ShapeBoxProperties, visitShapeBox)
LANXING_PROPERTY_LAYOUT(TransLabelProperties, visitTransLabel)
LANXING_PROPERTY_LAYOUT(PicBoxProperties, visitPicBox)
LANXING_PROPERTY_LAYOUT(EditBoxProperties, visitEditBox)
