#include "path/path_split.h"

#include <cstddef>
#include <optional>

#include "common/sjis.h"

namespace bcd {
namespace {

constexpr bool is_separator(char c) {
  return c == '/' || c == ':' || c == '\\';
}

// Where the tail starts and where its first and last counted dots stand.
struct TailScan {
  std::size_t tail_start = 0;
  std::optional<std::size_t> first_dot;
  std::optional<std::size_t> last_dot;
};

TailScan scan(std::string_view path) {
  TailScan result;
  for (std::size_t pos = 0; pos < path.size();) {
    std::size_t len = sjis::char_length(path, pos);
    if (len == 1 && is_separator(path[pos])) {
      result = TailScan{pos + 1, std::nullopt, std::nullopt};
    } else if (len == 1 && path[pos] == '.') {
      if (!result.first_dot && pos != 0) result.first_dot = pos;
      result.last_dot = pos;
    }
    pos += len;
  }
  return result;
}

}  // namespace

std::string path_dir(std::string_view path) {
  return std::string(path.substr(0, scan(path).tail_start));
}

std::string path_tail(std::string_view path) {
  return std::string(path.substr(scan(path).tail_start));
}

bool is_single_component(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && scan(name).tail_start == 0;
}

std::string path_title(std::string_view path) {
  TailScan s = scan(path);
  if (!s.first_dot || *s.first_dot == s.tail_start) return std::string(path.substr(s.tail_start));
  return std::string(path.substr(s.tail_start, *s.first_dot - s.tail_start));
}

std::string path_ext(std::string_view path) {
  TailScan s = scan(path);
  if (!s.last_dot) return {};
  return std::string(path.substr(*s.last_dot));
}

}  // namespace bcd
