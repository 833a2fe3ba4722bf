#include "platform/directory_search.h"

#include <windows.h>

#include <algorithm>

namespace bcd::platform {
namespace {

char ascii_upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The pattern also matches through 8.3 short names, so "data.bclx" (short
// name DATA~1.BCL) would come along; only long names that end in .bcl count.
bool has_list_suffix(std::string_view name) {
  constexpr std::string_view kSuffix = ".BCL";
  if (name.size() < kSuffix.size()) return false;
  std::string_view end = name.substr(name.size() - kSuffix.size());
  return std::equal(end.begin(), end.end(), kSuffix.begin(),
                    [](char a, char b) { return ascii_upper(a) == b; });
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
