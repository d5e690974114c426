#pragma once
// Two halves of one record layout: RecordReader and RecordWriter offer the same verbs, so each
// stored layout is written once as a `visit(io, value)` template that both reads and writes it.
// The reader knows its end: every verb checks the bytes left before it touches them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class RecordReader {
 public:
  static constexpr bool reading = true;
  explicit RecordReader(std::string_view bytes) : rest_(bytes) {}

  bool u16(std::uint16_t& v) { return little(v, 2); }
  bool u32(std::uint32_t& v) { return little(v, 4); }
  bool i32(std::int32_t& v) {
    std::uint32_t u = 0;
    if (!u32(u)) return false;
    v = static_cast<std::int32_t>(u);
    return true;
  }
  // Bytes the layout reserves; their stored values mean nothing.
  bool reserved(std::size_t n) { return take(n).size() == n || fail(); }
  // u32 byte count, then the bytes (counted texts and byte fields alike).
  bool counted(std::string& v) {
    std::uint32_t n = 0;
    if (!u32(n) || n > rest_.size()) return fail();
    v.assign(take(n));
    return true;
  }
  bool zeroTerminated(std::string& v) {
    const std::size_t end = rest_.find('\0');
    if (end == std::string_view::npos) return fail();
    v.assign(take(end));
    take(1);
    return true;
  }
  // A u32 count, then `count` items read by `item`; a count that cannot fit in what is left fails
  // before anything is allocated.
  template <class T, class Item>
  bool list(std::vector<T>& items, std::size_t smallestItem, Item item) {
    std::uint32_t n = 0;
    if (!u32(n) || (smallestItem && n > rest_.size() / smallestItem)) return fail();
    items.assign(n, T{});
    for (T& t : items)
      if (!item(*this, t)) return fail();
    return true;
  }
  // Whatever is left of the record.
  bool rest(std::string& v) {
    v.assign(take(rest_.size()));
    return true;
  }

  bool ok() const { return ok_; }
  bool atEnd() const { return ok_ && rest_.empty(); }
  std::size_t left() const { return rest_.size(); }

 private:
  template <class T>
  bool little(T& v, std::size_t n) {
    const std::string_view b = take(n);
    if (b.size() != n) return fail();
    std::uint32_t x = 0;
    for (std::size_t i = 0; i < n; ++i) x |= std::uint32_t{static_cast<unsigned char>(b[i])} << (8 * i);
    v = static_cast<T>(x);
    return true;
  }
  std::string_view take(std::size_t n) {
    n = n < rest_.size() ? n : rest_.size();
    const std::string_view b = rest_.substr(0, n);
    rest_.remove_prefix(n);
    return b;
  }
  bool fail() {
    ok_ = false;
    rest_ = {};
    return false;
  }

  std::string_view rest_;
  bool ok_ = true;
};

class RecordWriter {
 public:
  static constexpr bool reading = false;

  bool u16(std::uint16_t v) { return little(v, 2); }
  bool u32(std::uint32_t v) { return little(v, 4); }
  bool i32(std::int32_t v) { return u32(static_cast<std::uint32_t>(v)); }
  bool reserved(std::size_t n) {
    out_.append(n, '\0');
    return true;
  }
  bool counted(std::string_view v) {
    u32(static_cast<std::uint32_t>(v.size()));
    out_.append(v);
    return true;
  }
  bool zeroTerminated(std::string_view v) {
    out_.append(v);
    out_.push_back('\0');
    return true;
  }
  template <class T, class Item>
  bool list(const std::vector<T>& items, std::size_t, Item item) {
    u32(static_cast<std::uint32_t>(items.size()));
    for (const T& t : items) item(*this, const_cast<T&>(t));
    return true;
  }
  bool rest(std::string_view v) {
    out_.append(v);
    return true;
  }

  const std::string& bytes() const { return out_; }
  std::string take() { return std::move(out_); }

 private:
  bool little(std::uint32_t v, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) out_.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    return true;
  }
  std::string out_;
};

// Reads a whole record with `visit`; false unless it read cleanly to the last byte.
template <class T, class Visit>
bool readWhole(std::string_view bytes, T& value, Visit visit) {
  RecordReader r(bytes);
  return visit(r, value) && r.atEnd();
}

template <class T, class Visit>
std::string writeWhole(const T& value, Visit visit) {
  RecordWriter w;
  visit(w, const_cast<T&>(value));
  return w.take();
}
