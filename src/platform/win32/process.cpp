#include "platform/process.h"

#include <windows.h>

#include <string_view>

namespace bcd::platform {
namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t';
}

// The program name is taken up to the first blank outside double quotes;
// quotes only group, a backslash escapes nothing.
std::size_t skip_program_name(std::string_view line) {
  std::size_t pos = 0;
  bool quoted = false;
  while (pos < line.size() && (quoted || !is_blank(line[pos]))) {
    if (line[pos] == '"') quoted = !quoted;
    ++pos;
  }
  return pos;
}

// One argument, by the C runtime's rules: 2n backslashes before a double
// quote give n backslashes and the quote opens or closes a quoted part; 2n+1
// give n backslashes and a literal quote; other backslashes are literal; ""
// inside a quoted part is a literal quote.
std::string next_argument(std::string_view line, std::size_t& pos) {
  std::string arg;
  bool quoted = false;
  while (pos < line.size() && (quoted || !is_blank(line[pos]))) {
    std::size_t backslashes = 0;
    while (pos < line.size() && line[pos] == '\\') {
      ++backslashes;
      ++pos;
    }
    if (pos < line.size() && line[pos] == '"') {
      arg.append(backslashes / 2, '\\');
      if (backslashes % 2 == 1) {
        arg += '"';
      } else if (quoted && pos + 1 < line.size() && line[pos + 1] == '"') {
        arg += '"';
        ++pos;
      } else {
        quoted = !quoted;
      }
      ++pos;
    } else {
      arg.append(backslashes, '\\');
      if (backslashes == 0 && pos < line.size()) arg += line[pos++];
    }
  }
  return arg;
}

}  // namespace

std::string program_path(const char* argv0) {
  std::string buffer(MAX_PATH, '\0');
  for (;;) {
    DWORD n = ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return argv0 ? argv0 : "";
    if (n < buffer.size()) {
      buffer.resize(n);
      return buffer;
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::vector<std::string> arguments(int, char**) {
  std::string_view line = ::GetCommandLineA();
  std::vector<std::string> args;
  std::size_t pos = skip_program_name(line);
  for (;;) {
    while (pos < line.size() && is_blank(line[pos])) ++pos;
    if (pos == line.size()) break;
    args.push_back(next_argument(line, pos));
  }
  return args;
}

bool native_text_is_shift_jis() {
  return ::GetACP() == 932;
}

bool slash_starts_option() {
  return true;
}

}  // namespace bcd::platform
