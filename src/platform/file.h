// File streams: list files and archives read from the source directory,
// member files written into an output directory.
//
// Every file is named by a directory and a name relative to it, so the
// platform joins them its own way and no separator is ever searched for again
// in a joined string. Names that came from a list file are Shift_JIS; the
// platform hands them to the file system in its own form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "common/text.h"

namespace bcd::platform {

// Owns one open operating-system handle; -1 is none, on every platform.
class Handle {
 public:
  Handle() = default;
  explicit Handle(std::intptr_t value) : value_(value) {}
  Handle(Handle&& other) noexcept : value_(other.release()) {}
  Handle& operator=(Handle&& other) noexcept;
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle();

  std::intptr_t get() const { return value_; }
  std::intptr_t release();

 private:
  std::intptr_t value_ = -1;
};

// A regular file opened for reading, without locking others out.
class InputFile {
 public:
  // `dir` (native) joined with `name`, which may hold separators of its own.
  // Fails for anything that is not a regular file: a directory, a FIFO.
  static std::optional<InputFile> open(std::string_view dir, Piece name);

  // Reads up to buffer.size() bytes from the current position: the number of
  // bytes read, 0 at the end, -1 on a read error.
  std::ptrdiff_t read(std::span<char> buffer);

  // Reads `buffer.size()` bytes that start `offset` bytes into the file, fewer
  // only where the file ends: the number read, or -1 on a read error.
  std::ptrdiff_t read_at(std::int64_t offset, std::span<char> buffer);

  const Handle& handle() const { return handle_; }

 private:
  explicit InputFile(Handle handle) : handle_(std::move(handle)) {}
  Handle handle_;
};

// A directory in the current working directory that members are written to.
class OutputDirectory {
 public:
  // Makes the directory `name` (one path component) unless it exists already
  // as a directory (or a link to one), then opens it. Fails otherwise.
  static std::optional<OutputDirectory> make(Piece name);

  const Handle& handle() const { return handle_; }
  const std::string& fs_name() const { return fs_name_; }

 private:
  OutputDirectory(Handle handle, std::string fs_name)
      : handle_(std::move(handle)), fs_name_(std::move(fs_name)) {}
  Handle handle_;        // where the platform can create files relative to a handle
  std::string fs_name_;  // where it needs the directory's name instead
};

// A member file being written.
class OutputFile {
 public:
  // Creates `name` (one path component) in `dir`, or truncates the regular
  // file of that name. Fails when something else stands there: a directory, a
  // symbolic link, a read-only file, a device.
  static std::optional<OutputFile> create(const OutputDirectory& dir, Piece name);

  // Writes all of `bytes`; false when a write fails (disk full, I/O error).
  bool write(std::span<const char> bytes);

  // Closes the file and removes it: a partly written member is not left behind.
  void discard();

  const Handle& handle() const { return handle_; }

 private:
  OutputFile(Handle handle, const OutputDirectory& dir, std::string fs_name)
      : handle_(std::move(handle)), dir_(&dir), fs_name_(std::move(fs_name)) {}
  Handle handle_;
  const OutputDirectory* dir_;
  std::string fs_name_;
};

struct CopyResult {
  std::int64_t copied = 0;  // fewer than asked when the archive ends first
  bool failed = false;      // a read or a write failed
};

// Copies `size` bytes that start `offset` bytes into `from` to the end of `to`.
CopyResult copy_range(InputFile& from, std::int64_t offset, std::int64_t size, OutputFile& to);

}  // namespace bcd::platform
