#include "platform/process.h"

#include <unistd.h>

#include <vector>

namespace bcd::platform {

std::string program_path(const char* argv0) {
  std::vector<char> buffer(256);
  for (;;) {
    ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n < 0) return argv0 ? argv0 : "";
    if (static_cast<std::size_t>(n) < buffer.size()) return std::string(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}

std::vector<std::string> arguments(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return args;
}

bool native_text_is_shift_jis() {
  return false;
}

bool slash_starts_option() {
  return false;
}

}  // namespace bcd::platform
