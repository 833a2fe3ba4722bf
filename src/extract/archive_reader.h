// Reads members out of one archive for the length of a list file.
//
// Archives mostly hold many small members back to back. Such a member is
// served from a block of the archive read ahead once, so it costs one write;
// a member that does not follow the one before, or a large one, goes through
// the platform's own copy.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/file.h"

namespace bcd {

class ArchiveReader {
 public:
  explicit ArchiveReader(platform::InputFile& archive) : archive_(archive) {}

  // Copies `size` bytes at `offset` to the end of `to`; fewer where the
  // archive ends.
  platform::CopyResult copy(std::int64_t offset, std::int64_t size, platform::OutputFile& to);

 private:
  bool holds(std::int64_t offset, std::int64_t size) const;
  bool read_ahead(std::int64_t offset);

  platform::InputFile& archive_;
  std::vector<char> block_;
  std::int64_t block_offset_ = 0;
  std::int64_t block_length_ = 0;
  std::int64_t next_offset_ = -1;  // where the member before this one ended
};

}  // namespace bcd
