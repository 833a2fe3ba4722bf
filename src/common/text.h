// Byte strings tagged with the encoding they came in.
//
// Names from a list file are Shift_JIS; names from the command line and the
// file system are in the platform's native encoding. The bytes are never
// converted on their way through the tool: only the platform layer decides how
// a piece is shown on a terminal or handed to the file system.
#pragma once

#include <string_view>

namespace bcd {

enum class Encoding : unsigned char { native, shift_jis };

struct Piece {
  std::string_view bytes;
  Encoding encoding;
};

inline Piece native(std::string_view bytes) {
  return {bytes, Encoding::native};
}
inline Piece shift_jis(std::string_view bytes) {
  return {bytes, Encoding::shift_jis};
}

}  // namespace bcd
