#include "platform/posix/terminal_text.h"

#include <iconv.h>

#include "common/sjis.h"
#include "platform/shown_escaped.h"

namespace bcd::platform::posix {
namespace {

// One CP932 character (one or two bytes) as UTF-8; empty when it has none,
// or when this system cannot convert CP932 at all.
std::string cp932_char_to_utf8(std::string_view ch) {
  static iconv_t converter = iconv_open("UTF-8", "CP932");
  if (converter == reinterpret_cast<iconv_t>(-1)) return {};
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  char buffer[8];  // a CP932 character is at most 3 UTF-8 bytes
  char* src = const_cast<char*>(ch.data());
  std::size_t src_left = ch.size();
  char* dst = buffer;
  std::size_t dst_left = sizeof buffer;
  if (iconv(converter, &src, &src_left, &dst, &dst_left) == static_cast<std::size_t>(-1) ||
      src_left != 0) {
    return {};
  }
  return std::string(buffer, sizeof buffer - dst_left);
}

// A character's bytes as they are, unless the terminal would act on it.
void append_shown(std::string& out, char32_t c, std::string_view bytes) {
  if (acts_on_terminal(c)) {
    append_escaped(out, bytes);
  } else {
    out += bytes;
  }
}

// A double-byte character that CP932 leaves unassigned is escaped whole, so
// its second byte does not turn up as an unrelated ASCII character.
void append_shift_jis(std::string& out, std::string_view bytes) {
  for (std::size_t pos = 0; pos < bytes.size();) {
    std::string_view ch = bytes.substr(pos, sjis::char_length(bytes, pos));
    pos += ch.size();
    unsigned char first = static_cast<unsigned char>(ch[0]);
    if (first < 0x80) {
      append_shown(out, first, ch);
      continue;
    }
    std::string utf8 = cp932_char_to_utf8(ch);
    if (utf8.empty()) {
      append_escaped(out, ch);
    } else {
      out += utf8;  // CP932 has no control characters above ASCII
    }
  }
}

struct Utf8Char {
  char32_t code_point = 0;
  std::size_t length = 0;  // 0: not valid UTF-8 here
};

// Overlong forms, surrogates and code points past U+10FFFF are not valid.
Utf8Char decode_utf8(std::string_view s, std::size_t pos) {
  unsigned char first = static_cast<unsigned char>(s[pos]);
  if (first < 0x80) return {first, 1};
  std::size_t length = 0;
  char32_t c = 0;
  char32_t smallest = 0;
  if (first >= 0xC2 && first <= 0xDF) {
    length = 2;
    c = first & 0x1F;
    smallest = 0x80;
  } else if (first >= 0xE0 && first <= 0xEF) {
    length = 3;
    c = first & 0x0F;
    smallest = 0x800;
  } else if (first >= 0xF0 && first <= 0xF4) {
    length = 4;
    c = first & 0x07;
    smallest = 0x10000;
  } else {
    return {};
  }
  if (length > s.size() - pos) return {};
  for (std::size_t i = 1; i < length; ++i) {
    unsigned char next = static_cast<unsigned char>(s[pos + i]);
    if ((next & 0xC0) != 0x80) return {};
    c = (c << 6) | (next & 0x3F);
  }
  if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {};
  return {c, length};
}

void append_native(std::string& out, std::string_view bytes) {
  for (std::size_t pos = 0; pos < bytes.size();) {
    Utf8Char ch = decode_utf8(bytes, pos);
    if (ch.length == 0) {
      append_escaped(out, bytes.substr(pos, 1));
      ++pos;
      continue;
    }
    append_shown(out, ch.code_point, bytes.substr(pos, ch.length));
    pos += ch.length;
  }
}

}  // namespace

std::string terminal_text(std::span<const Piece> message) {
  std::string out;
  for (const Piece& piece : message) {
    if (piece.encoding == Encoding::shift_jis) {
      append_shift_jis(out, piece.bytes);
    } else {
      append_native(out, piece.bytes);
    }
  }
  return out;
}

}  // namespace bcd::platform::posix
