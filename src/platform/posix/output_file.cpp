#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file.h"
#include "platform/posix/fs_name.h"

namespace bcd::platform {
namespace {

// A file name that would leave its directory or name no file at all.
bool is_unsafe_component(const std::string& name) {
  return name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos;
}

int dir_fd(const OutputDirectory& dir) {
  return static_cast<int>(dir.handle().get());
}

// Something other than a writable regular file stands in the way: writing
// through it would follow a link, block on a FIFO, or override the read-only
// mark that root would otherwise ignore.
bool blocked_by_existing(int dirfd, const std::string& name) {
  struct stat st;
  if (::fstatat(dirfd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return false;
  return !S_ISREG(st.st_mode) || !(st.st_mode & S_IWUSR);
}

}  // namespace

std::optional<OutputDirectory> OutputDirectory::make(Piece name) {
  std::string fs = posix::fs_name(name);
  if (is_unsafe_component(fs)) return std::nullopt;
  if (::mkdir(fs.c_str(), 0777) != 0 && errno != EEXIST) return std::nullopt;
  int fd = ::open(fs.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  return OutputDirectory(Handle(fd), std::move(fs));
}

std::optional<OutputFile> OutputFile::create(const OutputDirectory& dir, Piece name) {
  std::string fs = posix::fs_name(name);
  if (is_unsafe_component(fs)) return std::nullopt;
  constexpr int kFlags = O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW;
  // A new name needs no look first: O_EXCL never follows a link or reuses a file.
  int fd = ::openat(dir_fd(dir), fs.c_str(), kFlags | O_EXCL, 0666);
  if (fd < 0 && errno == EEXIST && !blocked_by_existing(dir_fd(dir), fs)) {
    fd = ::openat(dir_fd(dir), fs.c_str(), kFlags | O_TRUNC, 0666);
  }
  if (fd < 0) return std::nullopt;
  return OutputFile(Handle(fd), dir, std::move(fs));
}

bool OutputFile::write(std::span<const char> bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(static_cast<int>(handle_.get()), bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes = bytes.subspan(static_cast<std::size_t>(n));
  }
  return true;
}

void OutputFile::discard() {
  handle_ = Handle();
  ::unlinkat(dir_fd(*dir_), fs_name_.c_str(), 0);
}

}  // namespace bcd::platform
