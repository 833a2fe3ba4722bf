#include "platform/posix/fs_name.h"

#include <iconv.h>

#include <algorithm>
#include <optional>

#include "common/sjis.h"

namespace bcd::platform::posix {
namespace {

std::optional<std::string> cp932_to_utf8(std::string_view in) {
  static iconv_t converter = iconv_open("UTF-8", "CP932");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  std::string out(in.size() * 3 + 4, '\0');  // a CP932 byte never grows past 3 UTF-8 bytes
  char* src = const_cast<char*>(in.data());
  std::size_t src_left = in.size();
  char* dst = out.data();
  std::size_t dst_left = out.size();
  if (iconv(converter, &src, &src_left, &dst, &dst_left) == static_cast<std::size_t>(-1)) {
    return std::nullopt;
  }
  out.resize(out.size() - dst_left);
  return out;
}

// Every backslash is a separator: in UTF-8 no other character holds 0x5C.
std::string slashes_for_backslashes(std::string s) {
  for (char& c : s) {
    if (c == '\\') c = '/';
  }
  return s;
}

bool is_ascii(std::string_view s) {
  return std::all_of(s.begin(), s.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::string fs_name_raw(Piece name) {
  std::string out(name.bytes);
  if (name.encoding != Encoding::shift_jis) return out;
  for (std::size_t pos = 0; pos < out.size(); pos += sjis::char_length(out, pos)) {
    if (out[pos] == '\\' && sjis::char_length(out, pos) == 1) out[pos] = '/';
  }
  return out;
}

std::string fs_name(Piece name) {
  if (name.encoding != Encoding::shift_jis) return std::string(name.bytes);
  // Most names are plain ASCII, which reads the same in both encodings.
  if (is_ascii(name.bytes)) return slashes_for_backslashes(std::string(name.bytes));
  std::optional<std::string> utf8 = cp932_to_utf8(name.bytes);
  if (!utf8) return fs_name_raw(name);
  return slashes_for_backslashes(std::move(*utf8));
}

std::string join(std::string_view dir, std::string_view name) {
  std::string path(dir);
  path += '/';
  path += name;
  return path;
}

}  // namespace bcd::platform::posix
