#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "platform/buffered_copy.h"
#include "platform/file.h"

namespace bcd::platform {
namespace {

constexpr std::size_t kCopyBlock = 256 * 1024;

int fd_of(const Handle& handle) {
  return static_cast<int>(handle.get());
}

bool kernel_cannot_copy(int error) {
  return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP ||
         error == EBADF;
}

// The in-kernel copy; false when these files need the copy through a buffer.
bool copy_in_kernel(int in, off_t& offset, int out, std::int64_t size, CopyResult& result) {
  while (result.copied < size) {
    ssize_t n = ::copy_file_range(in, &offset, out, nullptr,
                                  static_cast<std::size_t>(size - result.copied), 0);
    if (n > 0) {
      result.copied += n;
    } else if (n == 0) {
      break;  // the archive ended
    } else if (errno != EINTR) {
      if (kernel_cannot_copy(errno)) return false;
      result.failed = true;
      break;
    }
  }
  return true;
}

}  // namespace

CopyResult copy_range(InputFile& from, std::int64_t offset, std::int64_t size, OutputFile& to) {
  CopyResult result;
  off_t position = static_cast<off_t>(offset);
  int in = fd_of(from.handle());
  int out = fd_of(to.handle());
  if (copy_in_kernel(in, position, out, size, result)) return result;
  static std::vector<char> buffer(kCopyBlock);
  CopyResult rest = copy_through_buffer(from, position, size - result.copied, to, buffer);
  return {result.copied + rest.copied, rest.failed};
}

}  // namespace bcd::platform
