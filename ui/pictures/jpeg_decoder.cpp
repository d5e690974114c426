// The file's segments in order: tables, the frame, its scans; then the component planes are
// brought to full size and coloured.
#include "ui/pictures/jpeg_decoder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "ui/pictures/jpeg_colour.h"
#include "ui/pictures/jpeg_huffman.h"
#include "ui/pictures/jpeg_idct.h"

namespace {

// Where each coefficient of the zig-zag order sits in the block.
constexpr std::array<std::uint8_t, 64> kNatural = {0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
                                                   12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
                                                   35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
                                                   58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// With 8-bit samples no DC difference needs more than 11 bits and no coefficient more than 10.
constexpr int kLargestDcBits = 11, kLargestAcBits = 10;
// What one MCU of an interleaved scan may hold.
constexpr int kLargestMcuBlocks = 10;

int byteAt(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }
int u16At(std::string_view s, std::size_t i) { return byteAt(s, i) << 8 | byteAt(s, i + 1); }
int ceilDiv(int a, int b) { return (a + b - 1) / b; }

struct Component {
  int id = 0, h = 1, v = 1, quantIndex = 0;
  int dcTable = 0, acTable = 0;
  int blocksWide = 0, blocksHigh = 0;  // of the plane, a whole number of MCUs
  JpegQuantTable quant{};              // latched when its scan starts, as later DQTs may replace it
  bool decoded = false;
  std::int16_t predictor = 0;
  SamplePlane plane;
};

class JpegDecoder {
 public:
  explicit JpegDecoder(std::string_view file) : file_(file) {}
  std::optional<Pixels> decode();

 private:
  int nextMarker();
  bool readFrame(std::string_view segment);
  bool readHuffmanTables(std::string_view segment);
  bool readQuantTables(std::string_view segment);
  void readApplicationData(int marker, std::string_view segment);
  bool readScan(std::string_view header);
  bool colourSupported() const;
  bool allocatePlanes();
  bool decodeBlock(JpegBitReader& bits, Component& c, int blockX, int blockY);
  std::optional<Pixels> pixels() const;

  std::string_view file_;
  std::size_t at_ = 0;
  std::array<std::optional<JpegQuantTable>, 4> quant_;
  std::array<std::optional<JpegHuffmanTable>, 4> dcTables_, acTables_;
  int restartInterval_ = 0;
  bool jfif_ = false;
  int adobeTransform_ = -1;
  bool haveFrame_ = false, planesAllocated_ = false;
  int width_ = 0, height_ = 0, hMax_ = 1, vMax_ = 1, mcusWide_ = 0, mcusHigh_ = 0;
  std::vector<Component> components_;
};

// The next marker's code, stepping over fill bytes and, as libjpeg does, over stray bytes before
// it; -1 at the end of the file.
int JpegDecoder::nextMarker() {
  while (at_ < file_.size()) {
    if (byteAt(file_, at_++) != 0xFF) continue;
    while (at_ < file_.size() && byteAt(file_, at_) == 0xFF) ++at_;
    if (at_ >= file_.size()) break;
    const int code = byteAt(file_, at_++);
    if (code != 0) return code;
  }
  return -1;
}

bool JpegDecoder::readFrame(std::string_view s) {
  if (haveFrame_ || s.size() < 6 || byteAt(s, 0) != 8) return false;
  height_ = u16At(s, 1);
  width_ = u16At(s, 3);
  const int count = byteAt(s, 5);
  // A height of 0 (given later by a DNL segment) is not supported.
  if (width_ < 1 || height_ < 1 || width_ > kLargestPictureSide || height_ > kLargestPictureSide) return false;
  if ((count != 1 && count != 3) || s.size() != 6 + 3 * static_cast<std::size_t>(count)) return false;
  for (int i = 0; i < count; ++i) {
    Component c;
    c.id = byteAt(s, 6 + 3 * i);
    c.h = byteAt(s, 7 + 3 * i) >> 4;
    c.v = byteAt(s, 7 + 3 * i) & 15;
    c.quantIndex = byteAt(s, 8 + 3 * i);
    if (c.h < 1 || c.h > 2 || c.v < 1 || c.v > 2 || c.quantIndex > 3) return false;
    for (const auto& other : components_)
      if (other.id == c.id) return false;
    hMax_ = std::max(hMax_, c.h);
    vMax_ = std::max(vMax_, c.v);
    components_.push_back(c);
  }
  mcusWide_ = ceilDiv(width_, 8 * hMax_);
  mcusHigh_ = ceilDiv(height_, 8 * vMax_);
  for (auto& c : components_) {
    c.blocksWide = mcusWide_ * c.h;
    c.blocksHigh = mcusHigh_ * c.v;
    c.plane.width = ceilDiv(width_ * c.h, hMax_);
    c.plane.height = ceilDiv(height_ * c.v, vMax_);
  }
  haveFrame_ = true;
  return true;
}

bool JpegDecoder::readHuffmanTables(std::string_view s) {
  while (!s.empty()) {
    if (s.size() < 17) return false;
    const int tableClass = byteAt(s, 0) >> 4, index = byteAt(s, 0) & 15;
    if (tableClass > 1 || index > 3) return false;
    std::array<std::uint8_t, 16> counts{};
    std::size_t total = 0;
    for (std::size_t i = 0; i < 16; ++i) total += counts[i] = static_cast<std::uint8_t>(byteAt(s, 1 + i));
    if (s.size() < 17 + total) return false;
    auto table = JpegHuffmanTable::build(counts, s.substr(17, total));
    if (!table) return false;
    (tableClass == 0 ? dcTables_ : acTables_)[static_cast<std::size_t>(index)] = *table;
    s.remove_prefix(17 + total);
  }
  return true;
}

bool JpegDecoder::readQuantTables(std::string_view s) {
  while (!s.empty()) {
    const int precision = byteAt(s, 0) >> 4, index = byteAt(s, 0) & 15;
    if (precision > 1 || index > 3) return false;
    const std::size_t size = 1 + 64 * static_cast<std::size_t>(precision + 1);
    if (s.size() < size) return false;
    JpegQuantTable table{};
    for (std::size_t k = 0; k < 64; ++k)
      table[kNatural[k]] = static_cast<std::uint16_t>(precision ? u16At(s, 1 + 2 * k) : byteAt(s, 1 + k));
    quant_[static_cast<std::size_t>(index)] = table;
    s.remove_prefix(size);
  }
  return true;
}

// Only two application segments matter: JFIF and Adobe's say how three components are coloured.
void JpegDecoder::readApplicationData(int marker, std::string_view s) {
  if (marker == 0xE0 && s.size() >= 14 && s.substr(0, 5) == std::string_view("JFIF\0", 5)) jfif_ = true;
  if (marker == 0xEE && s.size() >= 12 && s.substr(0, 5) == "Adobe") adobeTransform_ = byteAt(s, 11);
}

bool JpegDecoder::allocatePlanes() {
  if (planesAllocated_) return true;
  // Every block takes at least two bits of scan data (a DC code and an end-of-block code), so a file
  // too short for its blocks is refused before its planes are allocated.
  std::int64_t blocks = 0;
  for (const auto& c : components_) blocks += std::int64_t{ceilDiv(c.plane.width, 8)} * ceilDiv(c.plane.height, 8);
  if (blocks > 4 * static_cast<std::int64_t>(file_.size() - at_)) return false;
  for (auto& c : components_) {
    c.plane.stride = static_cast<std::size_t>(c.blocksWide) * 8;
    c.plane.samples.assign(c.plane.stride * static_cast<std::size_t>(c.blocksHigh) * 8, 0);
  }
  planesAllocated_ = true;
  return true;
}

bool JpegDecoder::decodeBlock(JpegBitReader& bits, Component& c, int blockX, int blockY) {
  JpegBlock block{};
  const int dcBits = bits.symbol(*dcTables_[static_cast<std::size_t>(c.dcTable)]);
  if (dcBits < 0 || dcBits > kLargestDcBits) return false;
  // The predictor wraps at 16 bits as libjpeg's stored coefficient does, so forged differences
  // cannot overflow it.
  c.predictor = static_cast<std::int16_t>(c.predictor + bits.signedBits(dcBits));
  block[0] = c.predictor;
  const auto& ac = *acTables_[static_cast<std::size_t>(c.acTable)];
  for (int k = 1; k < 64;) {
    const int runSize = bits.symbol(ac);
    if (runSize < 0) return false;
    const int run = runSize >> 4, size = runSize & 15;
    if (size == 0) {
      if (run != 15) break;  // end of block
      k += 16;
      continue;
    }
    k += run;
    if (k > 63 || size > kLargestAcBits) return false;
    block[kNatural[static_cast<std::size_t>(k++)]] = static_cast<std::int16_t>(bits.signedBits(size));
  }
  inverseDct(block, c.quant,
             c.plane.samples.data() + static_cast<std::size_t>(blockY) * 8 * c.plane.stride +
                 static_cast<std::size_t>(blockX) * 8,
             c.plane.stride);
  return true;
}

bool JpegDecoder::readScan(std::string_view s) {
  if (!haveFrame_ || s.empty()) return false;
  const std::size_t count = static_cast<std::size_t>(byteAt(s, 0));
  if (count < 1 || count > components_.size() || s.size() != 4 + 2 * count) return false;
  if (byteAt(s, 1 + 2 * count) != 0 || byteAt(s, 2 + 2 * count) != 63 || byteAt(s, 3 + 2 * count) != 0)
    return false;  // not a sequential scan
  std::vector<Component*> scan;
  int mcuBlocks = 0;
  for (std::size_t i = 0; i < count; ++i) {
    Component* c = nullptr;
    for (auto& candidate : components_)
      if (candidate.id == byteAt(s, 1 + 2 * i)) c = &candidate;
    if (!c || c->decoded) return false;
    for (const auto* other : scan)
      if (other == c) return false;
    c->dcTable = byteAt(s, 2 + 2 * i) >> 4;
    c->acTable = byteAt(s, 2 + 2 * i) & 15;
    if (c->dcTable > 3 || c->acTable > 3 || !dcTables_[static_cast<std::size_t>(c->dcTable)] ||
        !acTables_[static_cast<std::size_t>(c->acTable)] || !quant_[static_cast<std::size_t>(c->quantIndex)])
      return false;
    c->quant = *quant_[static_cast<std::size_t>(c->quantIndex)];
    c->decoded = true;
    c->predictor = 0;
    mcuBlocks += c->h * c->v;
    scan.push_back(c);
  }
  if (count > 1 && mcuBlocks > kLargestMcuBlocks) return false;
  if (!allocatePlanes()) return false;

  // One component alone is coded block by block over its own size; several go MCU by MCU over the
  // frame's grid, each with its h × v blocks.
  const bool interleaved = count > 1;
  const int unitsWide = interleaved ? mcusWide_ : ceilDiv(scan[0]->plane.width, 8);
  const int unitsHigh = interleaved ? mcusHigh_ : ceilDiv(scan[0]->plane.height, 8);
  JpegBitReader bits(file_.substr(at_));
  int restartIndex = 0;
  for (int unit = 0; unit < unitsWide * unitsHigh; ++unit) {
    if (restartInterval_ && unit > 0 && unit % restartInterval_ == 0) {
      if (!bits.restart(restartIndex)) return false;
      restartIndex = (restartIndex + 1) % 8;
      for (auto* c : scan) c->predictor = 0;
    }
    const int unitX = unit % unitsWide, unitY = unit / unitsWide;
    for (auto* c : scan) {
      const int h = interleaved ? c->h : 1, v = interleaved ? c->v : 1;
      for (int y = 0; y < v; ++y)
        for (int x = 0; x < h; ++x)
          if (!decodeBlock(bits, *c, unitX * h + x, unitY * v + y)) return false;
    }
    if (bits.overran()) return false;
  }
  at_ += bits.position();
  return true;
}

std::optional<Pixels> JpegDecoder::pixels() const {
  if (!haveFrame_) return std::nullopt;
  for (const auto& c : components_)
    if (!c.decoded) return std::nullopt;
  if (components_.size() == 1) return greyPixels(components_[0].plane, width_, height_);
  std::array<SamplePlane, 3> upsampledPlanes;
  std::array<const SamplePlane*, 3> planes{};
  for (std::size_t i = 0; i < 3; ++i) {
    const auto& c = components_[i];
    planes[i] = &c.plane;
    if (c.h == hMax_ && c.v == vMax_) continue;
    upsampledPlanes[i] = upsampled(c.plane, hMax_ / c.h, vMax_ / c.v, width_, height_);
    planes[i] = &upsampledPlanes[i];
  }
  return ycbcrPixels(*planes[0], *planes[1], *planes[2], width_, height_);
}

// Three components are YCbCr unless the file says they are RGB (which is left to the system): by an
// Adobe segment's transform, or with neither JFIF nor Adobe segment by the components' ids R, G, B.
bool JpegDecoder::colourSupported() const {
  if (components_.size() == 1 || jfif_) return true;
  if (adobeTransform_ >= 0) return adobeTransform_ == 1;
  return !(components_[0].id == 'R' && components_[1].id == 'G' && components_[2].id == 'B');
}

std::optional<Pixels> JpegDecoder::decode() {
  if (file_.size() < 2 || byteAt(file_, 0) != 0xFF || byteAt(file_, 1) != 0xD8) return std::nullopt;
  at_ = 2;
  for (;;) {
    const int marker = nextMarker();
    if (marker == 0xD9) return pixels();
    if (marker < 0 || at_ + 2 > file_.size()) return std::nullopt;
    const int length = u16At(file_, at_);
    if (length < 2 || at_ + static_cast<std::size_t>(length) > file_.size()) return std::nullopt;
    const std::string_view segment = file_.substr(at_ + 2, static_cast<std::size_t>(length) - 2);
    at_ += static_cast<std::size_t>(length);
    bool ok = true;
    switch (marker) {
      case 0xC0:
      case 0xC1: ok = readFrame(segment); break;
      case 0xC4: ok = readHuffmanTables(segment); break;
      case 0xDB: ok = readQuantTables(segment); break;
      case 0xDD:
        ok = segment.size() == 2;
        if (ok) restartInterval_ = u16At(segment, 0);
        break;
      case 0xDA: ok = haveFrame_ && colourSupported() && readScan(segment); break;
      case 0xFE: break;
      default:
        if (marker >= 0xE0 && marker <= 0xEF)
          readApplicationData(marker, segment);
        else
          ok = false;  // other frame types, arithmetic coding, DNL and anything unknown
    }
    if (!ok) return std::nullopt;
  }
}

}  // namespace

std::optional<Pixels> decodeJpeg(std::string_view file) { return JpegDecoder(file).decode(); }
