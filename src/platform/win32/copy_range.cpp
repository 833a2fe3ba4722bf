#include <vector>

#include "platform/buffered_copy.h"
#include "platform/file.h"

namespace bcd::platform {

CopyResult copy_range(InputFile& from, std::int64_t offset, std::int64_t size, OutputFile& to) {
  // Large blocks: few ReadFile and WriteFile calls for a large member.
  static std::vector<char> buffer(1024 * 1024);
  return copy_through_buffer(from, offset, size, to, buffer);
}

}  // namespace bcd::platform
