// The copy of a range through a buffer in user space, with nothing but the
// file streams' own reads and writes: where no in-kernel copy is to be had.
#pragma once

#include <cstdint>
#include <span>

#include "platform/file.h"

namespace bcd::platform {

CopyResult copy_through_buffer(InputFile& from, std::int64_t offset, std::int64_t size,
                               OutputFile& to, std::span<char> buffer);

}  // namespace bcd::platform
