#include "platform/directory_search.h"

#include <string.h>
#include <windows.h>

namespace bcd::platform {
namespace {

// The pattern also matches through 8.3 short names, so "data.bclx" (short
// name DATA~1.BCL) would come along; only long names that end in .bcl count.
// The C runtime's locale stays "C", so only ASCII letters fold.
bool has_list_suffix(const char* name) {
  constexpr std::size_t kSuffixLength = 4;
  std::size_t length = ::strlen(name);
  return length >= kSuffixLength && ::_stricmp(name + length - kSuffixLength, ".bcl") == 0;
}

}  // namespace

std::vector<DirEntry> find_list_files(std::string_view dir) {
  std::string pattern(dir);
  pattern += "\\*.bcl";
  std::vector<DirEntry> entries;
  WIN32_FIND_DATAA found;
  HANDLE search = ::FindFirstFileA(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    if (has_list_suffix(found.cFileName)) {
      entries.push_back({found.cFileName, static_cast<std::uint32_t>(found.dwFileAttributes)});
    }
  } while (::FindNextFileA(search, &found));
  ::FindClose(search);
  return entries;
}

}  // namespace bcd::platform
