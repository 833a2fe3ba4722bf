// Shift_JIS (code page 932) double-byte characters.
//
// A lead byte followed by a trail byte is one character, so a trail byte that
// happens to be 0x5C or 0x2E is neither a separator nor a dot.
#pragma once

#include <cstddef>
#include <string_view>

namespace bcd::sjis {

constexpr bool is_lead_byte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

constexpr bool is_trail_byte(unsigned char b) {
  return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// Length in bytes of the character that starts at `pos`: 2 for a complete
// double-byte character, otherwise 1 (a lead byte at the very end stands alone).
constexpr std::size_t char_length(std::string_view s, std::size_t pos) {
  if (pos + 1 < s.size() && is_lead_byte(static_cast<unsigned char>(s[pos])) &&
      is_trail_byte(static_cast<unsigned char>(s[pos + 1]))) {
    return 2;
  }
  return 1;
}

// Whether the last byte of `s` is a character of its own rather than the
// second half of a double-byte character.
constexpr bool last_byte_stands_alone(std::string_view s) {
  std::size_t pos = 0;
  while (pos < s.size()) {
    std::size_t len = char_length(s, pos);
    if (pos + len == s.size()) return len == 1;
    pos += len;
  }
  return false;
}

}  // namespace bcd::sjis
