#include "extract/number_parse.h"

#include <cstddef>
#include <limits>

namespace bcd {
namespace {

constexpr bool is_space(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
constexpr bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::optional<std::int32_t> parse_count(std::string_view line) {
  std::size_t pos = 0;
  while (pos < line.size() && is_space(line[pos])) ++pos;
  bool negative = false;
  if (pos < line.size() && (line[pos] == '+' || line[pos] == '-')) negative = line[pos++] == '-';
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  std::int64_t value = 0;
  for (; pos < line.size() && is_digit(line[pos]); ++pos) {
    value = value * 10 + (line[pos] - '0');
    if (value > kMax) return std::nullopt;
  }
  if (negative && value != 0) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace bcd
