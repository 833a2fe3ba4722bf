#include "platform/buffered_copy.h"

#include <algorithm>

namespace bcd::platform {

CopyResult copy_through_buffer(InputFile& from, std::int64_t offset, std::int64_t size,
                               OutputFile& to, std::span<char> buffer) {
  CopyResult result;
  while (result.copied < size) {
    std::size_t want = static_cast<std::size_t>(
        std::min<std::int64_t>(size - result.copied, static_cast<std::int64_t>(buffer.size())));
    std::ptrdiff_t got = from.read_at(offset + result.copied, buffer.first(want));
    if (got < 0 || !to.write(buffer.first(static_cast<std::size_t>(got)))) {
      result.failed = true;
      break;
    }
    result.copied += got;
    if (static_cast<std::size_t>(got) < want) break;  // the archive ended
  }
  return result;
}

}  // namespace bcd::platform
