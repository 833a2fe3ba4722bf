#include "platform/win32/console_text.h"

#include <algorithm>

#include "common/sjis.h"
#include "platform/shown_escaped.h"

namespace bcd::platform::win32 {
namespace {

constexpr UINT kShiftJisCodePage = 932;

// The characters `bytes` stand for when they are exactly whole characters of
// `code_page`; empty otherwise.
std::wstring convert(UINT code_page, std::string_view bytes) {
  wchar_t wide[4];  // one character of any code page is at most a surrogate pair
  int n = ::MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes.data(),
                                static_cast<int>(bytes.size()), wide, 4);
  return std::wstring(wide, n > 0 ? static_cast<std::size_t>(n) : 0);
}

struct Converted {
  std::size_t length = 0;  // bytes taken; 0: no character starts here
  std::wstring text;
};

// The character at `pos`: its shortest run of bytes that converts. Up to four
// bytes, so that a UTF-8 ANSI code page works too.
Converted next_character(UINT code_page, std::string_view bytes, std::size_t pos) {
  unsigned char first = static_cast<unsigned char>(bytes[pos]);
  if (first < 0x80) return {1, std::wstring(1, static_cast<wchar_t>(first))};
  std::size_t longest = std::min<std::size_t>(4, bytes.size() - pos);
  for (std::size_t length = 1; length <= longest; ++length) {
    std::wstring text = convert(code_page, bytes.substr(pos, length));
    if (!text.empty()) return {length, std::move(text)};
  }
  return {};
}

// A double-byte character that code page 932 leaves unassigned is escaped
// whole, so its second byte does not turn up as an unrelated ASCII character.
std::size_t escaped_length(const Piece& piece, std::size_t pos) {
  return piece.encoding == Encoding::shift_jis ? sjis::char_length(piece.bytes, pos) : 1;
}

void append_piece(std::wstring& out, const Piece& piece) {
  UINT code_page = piece.encoding == Encoding::shift_jis ? kShiftJisCodePage : CP_ACP;
  std::string_view bytes = piece.bytes;
  for (std::size_t pos = 0; pos < bytes.size();) {
    Converted ch = next_character(code_page, bytes, pos);
    if (ch.length == 0) {
      std::size_t length = escaped_length(piece, pos);
      append_escaped(out, bytes.substr(pos, length));
      pos += length;
      continue;
    }
    std::string_view source = bytes.substr(pos, ch.length);
    pos += ch.length;
    if (ch.text == L"\n") {
      out += L"\r\n";
    } else if (ch.text.size() == 1 && acts_on_terminal(ch.text[0])) {
      append_escaped(out, source);
    } else {
      out += ch.text;
    }
  }
}

}  // namespace

std::wstring console_text(std::span<const Piece> message) {
  std::wstring out;
  for (const Piece& piece : message) append_piece(out, piece);
  return out;
}

void show_on_console(HANDLE out, std::span<const Piece> message) {
  std::wstring text = console_text(message);
  const wchar_t* data = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    // The console takes a limited amount per call on older systems.
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(left, 8192));
    DWORD written = 0;
    if (!::WriteConsoleW(out, data, chunk, &written, nullptr) || written == 0) break;
    data += written;
    left -= written;
  }
}

}  // namespace bcd::platform::win32
