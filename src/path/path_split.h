// Splitting a path into its directory part, its title and its extension.
//
// Slash, colon and backslash are separators. The scan steps over Shift_JIS
// double-byte characters as units, so a trail byte 0x5C is not a separator.
// The tail of a path is what follows its last separator (the whole path when
// it has none).
#pragma once

#include <string>
#include <string_view>

namespace bcd {

// Everything up to and including the last separator.
std::string path_dir(std::string_view path);

// The tail before its extension-introducing dot: the first dot of the tail,
// where a dot at the very first byte of the whole path does not count and a
// tail that begins with a dot after a separator is kept whole.
std::string path_title(std::string_view path);

// From the last dot of the tail to the end; empty when the tail has no dot.
std::string path_ext(std::string_view path);

// Everything after the last separator.
std::string path_tail(std::string_view path);

// Whether `name` can stand as one file name inside a directory: not empty,
// not "." or "..", and free of separators.
bool is_single_component(std::string_view name);

}  // namespace bcd
