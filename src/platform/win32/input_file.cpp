#include <windows.h>

#include <algorithm>

#include "platform/file.h"

namespace bcd::platform {

std::optional<InputFile> InputFile::open(std::string_view dir, Piece name) {
  std::string path(dir);
  path += '\\';
  path += name.bytes;
  // Without FILE_FLAG_BACKUP_SEMANTICS a directory does not open at all.
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  Handle handle(reinterpret_cast<std::intptr_t>(file));
  // A name such as NUL or COM1 reaches a device, which is no archive.
  if (::GetFileType(file) != FILE_TYPE_DISK) return std::nullopt;
  return InputFile(std::move(handle));
}

std::ptrdiff_t InputFile::read(std::span<char> buffer) {
  DWORD want = static_cast<DWORD>(std::min<std::size_t>(buffer.size(), 1u << 30));
  DWORD got = 0;
  if (!::ReadFile(reinterpret_cast<HANDLE>(handle_.get()), buffer.data(), want, &got, nullptr)) {
    return -1;
  }
  return static_cast<std::ptrdiff_t>(got);
}

std::ptrdiff_t InputFile::read_at(std::int64_t offset, std::span<char> buffer) {
  HANDLE file = reinterpret_cast<HANDLE>(handle_.get());
  LARGE_INTEGER position;
  position.QuadPart = offset;
  if (!::SetFilePointerEx(file, position, nullptr, FILE_BEGIN)) return -1;
  std::size_t done = 0;
  while (done < buffer.size()) {
    std::ptrdiff_t got = read(buffer.subspan(done));
    if (got < 0) return -1;
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  return static_cast<std::ptrdiff_t>(done);
}

}  // namespace bcd::platform
