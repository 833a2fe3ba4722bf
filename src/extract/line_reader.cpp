#include "extract/line_reader.h"

#include <algorithm>
#include <utility>

namespace bcd {
namespace {

constexpr char kEndOfText = 0x1A;

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
    if (c == '\0') cut_at_zero = true;
    if (!cut_at_zero) line.push_back(c);
  }
  return got_any;
}

}  // namespace bcd
