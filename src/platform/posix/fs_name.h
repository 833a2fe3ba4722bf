// How names reach a POSIX file system.
//
// Shift_JIS names from a list file are converted to UTF-8 so that extracted
// Japanese names read right; a name that is not valid CP932 keeps its raw
// bytes. Backslashes that separate directories become slashes, but never the
// second byte of a double-byte character.
#pragma once

#include <string>
#include <string_view>

#include "common/text.h"

namespace bcd::platform::posix {

// The name in the file system's form (UTF-8 where it could be converted).
std::string fs_name(Piece name);

// The raw bytes of a Shift_JIS name, with only its separators changed.
std::string fs_name_raw(Piece name);

// `dir` and `name` joined with one slash; an empty `dir` is the root.
std::string join(std::string_view dir, std::string_view name);

}  // namespace bcd::platform::posix
