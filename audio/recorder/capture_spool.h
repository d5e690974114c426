#pragma once
// Where a recording's frames wait for the save: a file of their own in a temporary folder, so a
// recording of any length keeps the process's memory flat. Frames are appended in capture order
// (by the recorder's worker) and copied out whole at save; the file is deleted with the spool.
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>

#include "sound/bytes.h"

class CaptureSpool {
 public:
  // An empty spool file in `folder`; nothing when it cannot be made.
  [[nodiscard]] static std::unique_ptr<CaptureSpool> create(const std::filesystem::path& folder);
  ~CaptureSpool();
  CaptureSpool(const CaptureSpool&) = delete;
  CaptureSpool& operator=(const CaptureSpool&) = delete;

  // Adds `frames` at the end. A failed write (a full disk) spoils the spool for good: what it holds
  // can no longer be trusted whole.
  void append(Bytes frames);
  [[nodiscard]] std::uint64_t size() const { return size_.load(); }
  [[nodiscard]] bool spoiled() const { return spoiled_.load(); }
  // Copies everything appended, in order, to `out`; false when the spool is spoiled or a read or
  // write fails. Not while frames are being appended.
  [[nodiscard]] bool copyTo(std::ostream& out);
  [[nodiscard]] const std::filesystem::path& path() const { return path_; }

 private:
  CaptureSpool(std::filesystem::path path, std::fstream file) : path_(std::move(path)), file_(std::move(file)) {}

  const std::filesystem::path path_;
  std::fstream file_;
  std::atomic<std::uint64_t> size_ = 0;
  std::atomic<bool> spoiled_ = false;
};
