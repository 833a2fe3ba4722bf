#include "extract/line_reader.h"

#include <algorithm>
#include <utility>

namespace bcd {
namespace {

constexpr char kEndOfText = 0x1A;

constexpr bool is_special(char c) {
  return c == '\n' || c == '\r' || c == '\0' || c == kEndOfText;
}

}  // namespace

LineReader::LineReader(ReadFn read, std::size_t buffer_size)
    : read_(std::move(read)), buffer_(std::max<std::size_t>(buffer_size, 1)) {}

bool LineReader::fill() {
  if (ended_) return false;
  std::ptrdiff_t n = read_(buffer_);
  if (n <= 0) {
    ended_ = true;
    return false;
  }
  pos_ = 0;
  end_ = static_cast<std::size_t>(n);
  return true;
}

bool LineReader::next(std::string& line) {
  line.clear();
  bool got_any = false;
  bool cut_at_zero = false;
  while (pos_ < end_ || fill()) {
    // Take the run of ordinary bytes whole; stop at the bytes that mean something.
    std::size_t run = pos_;
    while (run < end_ && !is_special(buffer_[run])) ++run;
    if (run > pos_) {
      got_any = true;
      if (!cut_at_zero) line.append(buffer_.data() + pos_, run - pos_);
      pos_ = run;
      continue;
    }
    char c = buffer_[pos_++];
    if (c == kEndOfText) {
      ended_ = true;
      end_ = pos_ = 0;
      break;
    }
    if (c == '\r') continue;
    got_any = true;
    if (c == '\n') {
      if (!cut_at_zero) line.push_back(c);
      return true;
    }
    cut_at_zero = true;  // c is the zero byte
  }
  return got_any;
}

}  // namespace bcd
