#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/file.h"

namespace bcd::platform {
namespace {

constexpr std::size_t kCopyBlock = 1024 * 1024;

HANDLE native(const Handle& handle) {
  return reinterpret_cast<HANDLE>(handle.get());
}

bool write_all(HANDLE out, const char* data, DWORD size) {
  while (size > 0) {
    DWORD written = 0;
    if (!::WriteFile(out, data, size, &written, nullptr) || written == 0) return false;
    data += written;
    size -= written;
  }
  return true;
}

}  // namespace

CopyResult copy_range(InputFile& from, std::int64_t offset, std::int64_t size, OutputFile& to) {
  static std::vector<char> buffer(kCopyBlock);
  CopyResult result;
  HANDLE in = native(from.handle());
  HANDLE out = native(to.handle());
  LARGE_INTEGER position;
  position.QuadPart = offset;
  if (!::SetFilePointerEx(in, position, nullptr, FILE_BEGIN)) {
    result.failed = true;
    return result;
  }
  while (result.copied < size) {
    DWORD want = static_cast<DWORD>(
        std::min<std::int64_t>(size - result.copied, static_cast<std::int64_t>(buffer.size())));
    DWORD got = 0;
    if (!::ReadFile(in, buffer.data(), want, &got, nullptr) ||
        (got > 0 && !write_all(out, buffer.data(), got))) {
      result.failed = true;
      break;
    }
    if (got == 0) break;  // the archive ended
    result.copied += got;
  }
  return result;
}

}  // namespace bcd::platform
