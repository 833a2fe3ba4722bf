#include "extract/archive_reader.h"

#include <algorithm>

namespace bcd {
namespace {

constexpr std::int64_t kBlockSize = 256 * 1024;
constexpr std::int64_t kSmallMember = 64 * 1024;

}  // namespace

bool ArchiveReader::holds(std::int64_t offset, std::int64_t size) const {
  return offset >= block_offset_ && offset - block_offset_ + size <= block_length_;
}

bool ArchiveReader::read_ahead(std::int64_t offset) {
  block_.resize(kBlockSize);
  std::ptrdiff_t got = archive_.read_at(offset, block_);
  block_offset_ = offset;
  block_length_ = std::max<std::ptrdiff_t>(got, 0);
  return got >= 0;
}

platform::CopyResult ArchiveReader::copy(std::int64_t offset, std::int64_t size,
                                         platform::OutputFile& to) {
  bool follows_on = offset == next_offset_;
  next_offset_ = offset + size;
  if (size == 0) return {};
  if (size > kSmallMember) return platform::copy_range(archive_, offset, size, to);
  if (!holds(offset, size)) {
    // Only a member in sequence is worth a block: in any other order most of
    // the block would go unused.
    if (!follows_on) return platform::copy_range(archive_, offset, size, to);
    if (!read_ahead(offset)) return {0, true};
  }
  // At the end of the archive the block holds less than the member.
  std::int64_t available =
      std::clamp<std::int64_t>(block_length_ - (offset - block_offset_), 0, size);
  const char* start = block_.data() + (offset - block_offset_);
  if (!to.write({start, static_cast<std::size_t>(available)})) return {0, true};
  return {available, false};
}

}  // namespace bcd
