#include "platform/console.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/win32/console_text.h"

namespace bcd::platform {
namespace {

constexpr std::size_t kBufferLimit = 64 * 1024;

bool is_console(HANDLE out) {
  DWORD mode = 0;
  return out != nullptr && out != INVALID_HANDLE_VALUE && ::GetConsoleMode(out, &mode) != 0;
}

struct ConsoleState {
  HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
  bool interactive = is_console(out);
  std::string pending;
};

ConsoleState& state() {
  static ConsoleState console;
  return console;
}

void write_out(HANDLE out, std::string& bytes) {
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(left, kBufferLimit));
    DWORD written = 0;
    // Nowhere to write to: the messages are lost, the work goes on.
    if (!::WriteFile(out, data, chunk, &written, nullptr) || written == 0) break;
    data += written;
    left -= written;
  }
  bytes.clear();
}

void append_with_crlf(std::string& out, std::string_view bytes) {
  for (char c : bytes) {
    if (c == '\n') out += '\r';
    out += c;
  }
}

}  // namespace

void console_write(std::span<const Piece> message) {
  ConsoleState& console = state();
  if (console.interactive) {
    win32::show_on_console(console.out, message);
    return;
  }
  for (const Piece& piece : message) append_with_crlf(console.pending, piece.bytes);
  if (console.pending.size() >= kBufferLimit) write_out(console.out, console.pending);
}

void console_flush() {
  ConsoleState& console = state();
  write_out(console.out, console.pending);
}

}  // namespace bcd::platform
