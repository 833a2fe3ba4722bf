// The program's own path and its command line.
#pragma once

#include <string>
#include <vector>

namespace bcd::platform {

// The executable's full path as the system reports it, not what was typed.
std::string program_path(const char* argv0);

// The arguments after the program name, split by the platform's own rules.
std::vector<std::string> arguments(int argc, char** argv);

// Whether native text (command line, file-system names) is Shift_JIS, so a
// trailing 0x5C may be the second byte of a double-byte character.
bool native_text_is_shift_jis();

// Whether an argument beginning with "/" is an option (on Windows) rather
// than an absolute path.
bool slash_starts_option();

}  // namespace bcd::platform
