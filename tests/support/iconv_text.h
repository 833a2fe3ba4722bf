// Converting test texts between encodings, for the tests and fuzz targets.
#pragma once

#include <iconv.h>

#include <optional>
#include <string>
#include <string_view>

namespace test_support {

// `text` converted from one iconv encoding to another; nothing when it does
// not convert.
inline std::optional<std::string> convert(const char* to, const char* from, std::string_view text) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(text.size() * 4 + 4, '\0');
  char* src = const_cast<char*>(text.data());
  std::size_t src_left = text.size();
  char* dst = out.data();
  std::size_t dst_left = out.size();
  std::size_t rc = iconv(cd, &src, &src_left, &dst, &dst_left);
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1)) return std::nullopt;
  out.resize(out.size() - dst_left);
  return out;
}

}  // namespace test_support
