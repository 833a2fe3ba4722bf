// The two counts the closing summary reports.
#pragma once

#include <cstdint>

namespace bcd {

struct Counters {
  std::int32_t processed_lists = 0;  // list files handed to conversion, failed ones included
  std::int32_t created_files = 0;    // member files written, short ones included
};

Counters& counters();

// Adds one, stopping at the largest value rather than wrapping to a negative.
void count_one(std::int32_t& counter);

}  // namespace bcd
