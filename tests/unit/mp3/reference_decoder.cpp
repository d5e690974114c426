#include "tests/unit/mp3/reference_decoder.h"

#include <mpg123.h>

#include <stdexcept>

#include "ui/whole_file.h"

namespace mp3test {

namespace {

template <typename Sample>
Pcm<Sample> decode(const std::string& path, int encoding) {
  static const int initialised = mpg123_init();
  (void)initialised;
  int error = 0;
  mpg123_handle* mh = mpg123_new(nullptr, &error);
  if (!mh) throw std::runtime_error("mpg123_new failed");
  mpg123_param(mh, MPG123_FLAGS,
               MPG123_GAPLESS | MPG123_QUIET | (encoding == MPG123_ENC_FLOAT_32 ? MPG123_FORCE_FLOAT : 0), 0);
  Pcm<Sample> out;
  long rate = 0;
  int channels = 0, format = 0;
  if (mpg123_open(mh, path.c_str()) != MPG123_OK || mpg123_getformat(mh, &rate, &channels, &format) != MPG123_OK) {
    mpg123_delete(mh);
    throw std::runtime_error("mpg123 cannot open " + path);
  }
  mpg123_format_none(mh);
  mpg123_format(mh, rate, channels, encoding);
  out.channels = channels;
  out.sampleRate = static_cast<int>(rate);
  std::vector<unsigned char> buffer(1 << 16);
  for (;;) {
    size_t done = 0;
    const int r = mpg123_read(mh, buffer.data(), buffer.size(), &done);
    const auto* first = reinterpret_cast<const Sample*>(buffer.data());
    out.samples.insert(out.samples.end(), first, first + done / sizeof(Sample));
    if (r != MPG123_OK && r != MPG123_NEW_FORMAT) break;
  }
  mpg123_close(mh);
  mpg123_delete(mh);
  return out;
}

}  // namespace

std::string corpusPath(const std::string& name) { return std::string(MP3_CORPUS_DIR) + "/" + name; }

std::vector<uint8_t> readFile(const std::string& path) {
  const std::string bytes = readWholeFile(path).bytes;
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

Pcm<float> decodeWithMpg123(const std::string& path) { return decode<float>(path, MPG123_ENC_FLOAT_32); }
Pcm<int16_t> decodeWithMpg123Int16(const std::string& path) { return decode<int16_t>(path, MPG123_ENC_SIGNED_16); }

}  // namespace mp3test
