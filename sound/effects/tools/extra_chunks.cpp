#include "sound/effects/tools/extra_chunks.h"

#include <string_view>

namespace {
Bytes subChunk(std::string_view id, const Bytes& body) {
  Bytes out;
  putText(out, id, 4);
  putLe32(out, std::uint32_t(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  if (body.size() % 2) out.push_back(0);
  return out;
}

Bytes textBody(std::string_view text, std::size_t width) {
  Bytes b;
  putText(b, text, width);
  return b;
}

Bytes listOf(std::string_view kind, const std::vector<Bytes>& items) {
  Bytes body;
  putText(body, kind, 4);
  for (const Bytes& item : items) body.insert(body.end(), item.begin(), item.end());
  return body;
}
}  // namespace

RiffChunk factChunk(std::uint32_t frames) {
  Bytes b;
  putLe32(b, frames);
  return makeChunk("fact", b);
}

std::vector<RiffChunk> lampMarkerChunks(std::uint32_t frames) {
  // Sampler data: unity note C4, no tuning, one forward loop over the whole sound.
  Bytes smpl;
  for (std::uint32_t v : {0u, 0u, 22676u, 60u, 0u, 0u, 0u, 1u, 0u}) putLe32(smpl, v);
  for (std::uint32_t v : {1u, 0u, 0u, frames - 1, 0u, 0u}) putLe32(smpl, v);
  // One cue point at the switch click.
  Bytes cue;
  putLe32(cue, 1);
  for (std::uint32_t v : {1u, 0u}) putLe32(cue, v);
  putText(cue, "data", 4);
  for (std::uint32_t v : {0u, 0u, 0u}) putLe32(cue, v);
  Bytes label;
  putLe32(label, 1);
  putText(label, "click", 6);
  const Bytes adtl = listOf("adtl", {subChunk("labl", label)});
  const Bytes info = listOf("INFO", {subChunk("ISFT", textBody("Lanxing sound tools", 20)),
                                     subChunk("ICMT", textBody("Lamp switched off, power falls away", 36))});
  // Two editor chunks that players step over.
  Bytes muma(228, 0), chrp(80, 0);
  for (std::size_t i = 0; i < muma.size(); ++i) muma[i] = std::uint8_t(i * 7);
  for (std::size_t i = 0; i < chrp.size(); ++i) chrp[i] = std::uint8_t(255 - i);
  // Broadcast description (602 bytes: version 1 with no coding history).
  Bytes bext;
  putText(bext, "Lamp switched off", 256);
  putText(bext, "Lanxing", 32);
  putText(bext, "LX-FX-05", 32);
  putText(bext, "2011-03-01", 10);
  putText(bext, "20:00:00", 8);
  putLe32(bext, 0);
  putLe32(bext, 0);
  putLe16(bext, 1);
  putText(bext, "", 64 + 190);
  return {makeChunk("smpl", smpl), makeChunk("cue ", cue),  makeChunk("LIST", adtl), makeChunk("LIST", info),
          makeChunk("muma", muma), makeChunk("chrp", chrp), makeChunk("bext", bext)};
}

RiffChunk id3Chunk() {
  constexpr std::size_t kBody = 4242;
  auto frame = [](std::string_view id, std::string_view text) {
    Bytes f;
    putText(f, id, 4);
    const std::uint32_t size = std::uint32_t(text.size() + 1);
    for (int shift = 24; shift >= 0; shift -= 8) f.push_back(std::uint8_t(size >> shift));
    putLe16(f, 0);   // flags
    f.push_back(0);  // ISO-8859-1
    putText(f, text, text.size());
    return f;
  };
  Bytes tag;
  putText(tag, "ID3", 3);
  tag.push_back(3);
  tag.push_back(0);
  tag.push_back(0);
  const std::uint32_t size = kBody - 10;  // synchsafe: 7 bits per byte
  for (int shift = 21; shift >= 0; shift -= 7) tag.push_back(std::uint8_t((size >> shift) & 0x7F));
  for (const Bytes& f : {frame("TIT2", "Telephone keys"), frame("TPE1", "Lanxing"), frame("TCON", "Sound effect")})
    tag.insert(tag.end(), f.begin(), f.end());
  tag.resize(kBody, 0);  // the rest is tag padding
  return makeChunk("ID3x", tag);
}

RiffChunk softwareInfoList() {
  return makeChunk("LIST", listOf("INFO", {subChunk("ISFT", textBody("Lanxing FX", 12))}));
}
