// The path splitters and the argument clean-up against the properties every
// caller relies on: the pieces put the path back together, the tail holds no
// separator, and a name that passes is_single_component cannot leave its
// directory.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/sjis.h"
#include "driver/argument.h"
#include "path/path_split.h"

namespace {

void require(bool holds) {
  if (!holds) std::abort();
}

bool is_separator(char c) {
  return c == '/' || c == ':' || c == '\\';
}

// Separators and dots as characters of their own, never as the second byte
// of a double-byte character.
bool has_standalone(std::string_view s, bool (*wanted)(char), std::size_t from = 0) {
  for (std::size_t pos = 0; pos < s.size(); pos += bcd::sjis::char_length(s, pos)) {
    if (pos >= from && bcd::sjis::char_length(s, pos) == 1 && wanted(s[pos])) return true;
  }
  return false;
}

bool is_dot(char c) {
  return c == '.';
}

void check_splitters(std::string_view path) {
  std::string dir = bcd::path_dir(path);
  std::string tail = bcd::path_tail(path);
  require(dir + tail == path);
  require(dir.empty() || is_separator(dir.back()));
  require(!has_standalone(tail, is_separator));
  require(bcd::path_dir(dir) == dir);
  require(bcd::path_tail(tail) == tail);

  std::string title = bcd::path_title(path);
  require(tail.starts_with(title));
  require(title.size() == tail.size() || tail[title.size()] == '.');
  // A dot that opens the tail keeps the whole tail, wherever the tail starts.
  if (!dir.empty()) require(bcd::path_title("\\" + tail) == title);

  std::string ext = bcd::path_ext(path);
  require(tail.ends_with(ext));
  require(bcd::path_ext(tail) == ext);
  require(ext.empty() == !has_standalone(tail, is_dot));
  if (!ext.empty()) {
    require(ext[0] == '.');
    require(!has_standalone(tail, is_dot, tail.size() - ext.size() + 1));
  }

  bool single = !path.empty() && path != "." && path != ".." && tail == path;
  require(bcd::is_single_component(path) == single);
  // 0x2F is never a trail byte: the platform layer's own byte-wise look agrees.
  if (single) require(path.find('/') == std::string_view::npos);
}

void check_argument(std::string_view arg) {
  for (bool sjis : {false, true}) {
    std::string cleaned = bcd::clean_argument(arg, sjis);
    require(arg.starts_with(cleaned));
    require(cleaned.size() + 1 >= arg.size());
    if (!arg.empty() && arg.back() == '"') require(cleaned.size() + 1 == arg.size());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  check_splitters(input);
  check_argument(input);
  return 0;
}
