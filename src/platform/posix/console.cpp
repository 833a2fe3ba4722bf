#include "platform/console.h"

#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/posix/terminal_text.h"

namespace bcd::platform {
namespace {

constexpr std::size_t kBufferLimit = 64 * 1024;

struct ConsoleState {
  bool interactive = ::isatty(STDOUT_FILENO) == 1;
  std::string pending;
};

ConsoleState& state() {
  static ConsoleState console;
  return console;
}

void write_out(std::string& bytes) {
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = ::write(STDOUT_FILENO, data, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;  // nowhere to write to: the messages are lost, the work goes on
    data += n;
    left -= static_cast<std::size_t>(n);
  }
  bytes.clear();
}

void append_with_crlf(std::string& out, std::string_view bytes) {
  for (std::size_t lf; (lf = bytes.find('\n')) != std::string_view::npos;
       bytes.remove_prefix(lf + 1)) {
    out.append(bytes.data(), lf);
    out += "\r\n";
  }
  out.append(bytes);
}

}  // namespace

void console_write(std::span<const Piece> message) {
  ConsoleState& console = state();
  if (console.interactive) {
    std::string shown = posix::terminal_text(message);
    write_out(shown);
    return;
  }
  for (const Piece& piece : message) append_with_crlf(console.pending, piece.bytes);
  if (console.pending.size() >= kBufferLimit) write_out(console.pending);
}

void console_flush() {
  write_out(state().pending);
}

}  // namespace bcd::platform
