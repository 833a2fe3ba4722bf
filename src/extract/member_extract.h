// Writing one member of an archive out as a file of its own.
#pragma once

#include <cstdint>
#include <string_view>

#include "extract/archive_reader.h"
#include "extract/output_directory.h"

namespace bcd {

// Copies `size` bytes at `offset` of `archive` to the file `file_name`
// (Shift_JIS, one path component) in `out_dir`, and counts it. False when the
// file cannot be created or written: the failure has been reported and the
// caller abandons its list. A member cut short by the end of the archive is
// kept, counted and reported.
bool extract_member(LazyOutputDirectory& out_dir, std::string_view file_name, std::int32_t offset,
                    std::int32_t size, ArchiveReader& archive);

}  // namespace bcd
