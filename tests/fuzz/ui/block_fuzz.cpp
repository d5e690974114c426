// Any bytes as a window-template block, a record's property data or a picture: the readers must
// stay in bounds, and whatever reads as a block must write out to bytes that read back the same.
// The written bytes need not equal the input: the block's reserved slots read as anything (their
// stored values mean nothing) and are written as zeros.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ui/format/property_data.h"
#include "ui/pictures/pixels.h"
#include "ui/pictures/region_runs.h"
#include "ui/window_table.h"

namespace {
std::optional<std::int32_t> handler(const EventArgs&) { return std::nullopt; }
const HandlerRoutine kHandlers[] = {handler, nullptr, handler};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (const auto block = readBlock(bytes)) {
    if (readBlock(writeBlock(*block)) != block) std::abort();
    (void)WindowTable::read(bytes, kHandlers);
  }
  (void)WindowProperties::read(bytes);
  (void)PicBtnProperties::read(bytes);
  (void)ShapeBoxProperties::read(bytes);
  (void)TransLabelProperties::read(bytes);
  (void)EditBoxProperties::read(bytes);
  (void)PicBoxProperties::read(bytes);
  for (const auto& picture : {decodeBmp(bytes), decodeIconImage(bytes), decodePcx(bytes)})
    if (picture) (void)opaqueRuns(*picture, 0);
  return 0;
}
