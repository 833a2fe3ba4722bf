#include "platform/directory_search.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

namespace bcd::platform {
namespace {

char ascii_upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool has_list_suffix(std::string_view name) {
  constexpr std::string_view kSuffix = ".BCL";
  if (name.size() < kSuffix.size()) return false;
  std::string_view end = name.substr(name.size() - kSuffix.size());
  return std::equal(end.begin(), end.end(), kSuffix.begin(),
                    [](char a, char b) { return ascii_upper(a) == b; });
}

// What a Windows file system would report: dot files are hidden, files the
// owner may not write are read-only.
std::uint32_t attributes_of(int dirfd, const char* name) {
  struct stat st;
  if (::fstatat(dirfd, name, &st, 0) != 0 &&
      ::fstatat(dirfd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
    return attr::archive;
  }
  std::uint32_t bits = S_ISDIR(st.st_mode) ? attr::directory : attr::archive;
  if (name[0] == '.') bits |= attr::hidden;
  if (!(st.st_mode & S_IWUSR)) bits |= attr::read_only;
  return bits;
}

// Close to the order NTFS lists names in, and the same on every run.
bool listed_before(const DirEntry& a, const DirEntry& b) {
  auto folded_less = [](char x, char y) {
    return static_cast<unsigned char>(ascii_upper(x)) < static_cast<unsigned char>(ascii_upper(y));
  };
  if (std::lexicographical_compare(a.name.begin(), a.name.end(), b.name.begin(), b.name.end(),
                                   folded_less)) {
    return true;
  }
  if (std::lexicographical_compare(b.name.begin(), b.name.end(), a.name.begin(), a.name.end(),
                                   folded_less)) {
    return false;
  }
  return a.name < b.name;
}

}  // namespace

std::vector<DirEntry> find_list_files(std::string_view dir) {
  std::string path = dir.empty() ? std::string("/") : std::string(dir);
  std::unique_ptr<DIR, int (*)(DIR*)> stream(::opendir(path.c_str()), ::closedir);
  std::vector<DirEntry> entries;
  if (!stream) return entries;
  while (const dirent* entry = ::readdir(stream.get())) {
    if (!has_list_suffix(entry->d_name)) continue;
    entries.push_back({entry->d_name, attributes_of(::dirfd(stream.get()), entry->d_name)});
  }
  std::sort(entries.begin(), entries.end(), listed_before);
  return entries;
}

}  // namespace bcd::platform
