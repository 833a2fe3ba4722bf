// Reads a list file as text, one whole line at a time.
//
// Every CR byte is dropped wherever it stands, a byte 0x1A ends the text, and
// a line ends at its line feed. A line is kept only up to its first zero byte.
// Lines of any length are read whole; only one buffer of the file is held.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace bcd {

class LineReader {
 public:
  // `read` fills a buffer and returns the number of bytes, 0 at the end or
  // -1 on an error (treated as the end of the text).
  using ReadFn = std::function<std::ptrdiff_t(std::span<char>)>;

  explicit LineReader(ReadFn read, std::size_t buffer_size = 64 * 1024);

  // The next line into `line`, with its line feed when it has one (a line cut
  // short by a zero byte has none). False when the text is exhausted.
  bool next(std::string& line);

 private:
  bool fill();

  ReadFn read_;
  std::vector<char> buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool ended_ = false;
};

}  // namespace bcd
