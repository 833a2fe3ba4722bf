// Offsets and sizes as the list file writes them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace bcd {

// Leading white space (0x09-0x0D, 0x20) is skipped, one sign is taken, then
// decimal digits up to the first other byte; no digits read as 0. A value
// that is negative or does not fit in a signed 32-bit number gives nothing:
// such an offset or size would point the copy somewhere the list never meant.
std::optional<std::int32_t> parse_count(std::string_view line);

}  // namespace bcd
