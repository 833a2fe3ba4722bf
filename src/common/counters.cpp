#include "common/counters.h"

#include <limits>

namespace bcd {

Counters& counters() {
  static Counters run_counters;
  return run_counters;
}

void count_one(std::int32_t& counter) {
  if (counter < std::numeric_limits<std::int32_t>::max()) ++counter;
}

}  // namespace bcd
