// The program's one run: banner, argument check, scan of the source
// directory, summary.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bcd {

// Runs the tool with the arguments after the program name and returns the
// exit status: 1 after the usage text, 0 after a scan.
int run(std::string_view program_path, const std::vector<std::string>& args);

// Prints the usage text, naming the program by its title.
void print_usage(std::string_view program_path);

}  // namespace bcd
