#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file.h"
#include "platform/posix/fs_name.h"

namespace bcd::platform {
namespace {

// Only regular files pass. A list may name any path, and opening a device or
// a FIFO acts on it (a serial line, a tape, a waiting writer), so those are
// never opened at all; the look after the open catches a swap in between, and
// O_NONBLOCK keeps a FIFO swapped in from holding the open up.
std::optional<Handle> open_regular_file(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return std::nullopt;
  Handle handle(fd);
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return handle;
}

}  // namespace

std::optional<InputFile> InputFile::open(std::string_view dir, Piece name) {
  std::string converted = posix::fs_name(name);
  std::optional<Handle> handle = open_regular_file(posix::join(dir, converted));
  if (!handle && name.encoding == Encoding::shift_jis) {
    std::string raw = posix::fs_name_raw(name);
    if (raw != converted) handle = open_regular_file(posix::join(dir, raw));
  }
  if (!handle) return std::nullopt;
  return InputFile(std::move(*handle));
}

std::ptrdiff_t InputFile::read(std::span<char> buffer) {
  for (;;) {
    ssize_t n = ::read(static_cast<int>(handle_.get()), buffer.data(), buffer.size());
    if (n >= 0 || errno != EINTR) return n;
  }
}

std::ptrdiff_t InputFile::read_at(std::int64_t offset, std::span<char> buffer) {
  std::size_t done = 0;
  while (done < buffer.size()) {
    ssize_t n = ::pread(static_cast<int>(handle_.get()), buffer.data() + done, buffer.size() - done,
                        static_cast<off_t>(offset) + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return static_cast<std::ptrdiff_t>(done);
}

}  // namespace bcd::platform
