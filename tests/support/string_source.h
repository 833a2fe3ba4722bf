// A list file's text held in memory, read as the line reader reads a file.
#pragma once

#include <algorithm>
#include <cstddef>
#include <limits>
#include <span>
#include <string_view>

#include "extract/line_reader.h"

namespace test_support {

// A LineReader source that hands out `text` in reads of at most
// `read_length` bytes, as a file would.
inline bcd::LineReader::ReadFn string_source(
    std::string_view text, std::size_t read_length = std::numeric_limits<std::size_t>::max()) {
  return [text, read_length, pos = std::size_t{0}](std::span<char> buffer) mutable {
    std::size_t n = std::min({buffer.size(), read_length, text.size() - pos});
    std::copy_n(text.data() + pos, n, buffer.data());
    pos += n;
    return static_cast<std::ptrdiff_t>(n);
  };
}

}  // namespace test_support
