// The search of the source directory for list files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bcd::platform {

namespace attr {
inline constexpr std::uint32_t read_only = 0x01;
inline constexpr std::uint32_t hidden = 0x02;
inline constexpr std::uint32_t system = 0x04;
inline constexpr std::uint32_t directory = 0x10;
inline constexpr std::uint32_t archive = 0x20;
}  // namespace attr

struct DirEntry {
  std::string name;          // without directory, native encoding
  std::uint32_t attributes;  // the attr bits above, and any others the system sets
};

// Every entry of `dir` whose name ends in ".bcl" (ASCII letter case ignored),
// in the order the platform lists them. An empty `dir` names the root of the
// current drive. A directory that cannot be read yields nothing.
std::vector<DirEntry> find_list_files(std::string_view dir);

}  // namespace bcd::platform
