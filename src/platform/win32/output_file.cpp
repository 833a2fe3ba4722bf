#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/file.h"

namespace bcd::platform {
namespace {

// The name as the A functions will see it: decoded by the ANSI code page, so
// that the trail byte 0x5C of a double-byte character is no separator there.
std::wstring as_system_sees_it(std::string_view bytes) {
  if (bytes.empty()) return {};
  int size = static_cast<int>(bytes.size());
  int length = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
  if (length > 0) ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), length);
  return wide;
}

wchar_t ascii_upper(wchar_t c) {
  return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

bool is_port_digit(wchar_t c) {
  return (c >= L'1' && c <= L'9') || c == L'\u00B9' || c == L'\u00B2' || c == L'\u00B3';
}

// CON, NUL, COM1... name a device in every directory, whatever extension
// follows, so a file "written" there would reach the device instead.
bool is_device_name(std::wstring_view name) {
  std::wstring base(name.substr(0, std::min(name.find(L'.'), name.size())));
  while (!base.empty() && base.back() == L' ') base.pop_back();
  std::transform(base.begin(), base.end(), base.begin(), ascii_upper);
  for (std::wstring_view device : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"}) {
    if (base == device) return true;
  }
  return base.size() == 4 && (base.starts_with(L"COM") || base.starts_with(L"LPT")) &&
         is_port_digit(base[3]);
}

// A name that would leave its directory, name a stream or a device, or name
// no file at all.
bool is_unsafe_component(std::string_view bytes) {
  std::wstring name = as_system_sees_it(bytes);
  if (name.empty() || name == L"." || name == L"..") return true;
  if (name.find_first_of(L"\\/:") != std::wstring::npos) return true;
  return is_device_name(name);
}

// Something other than a plain writable file stands in the way: writing
// through it would follow a link, or override a mark the user set on purpose.
bool blocked_by_existing(const std::string& path) {
  constexpr DWORD kBlocking = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT |
                              FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                              FILE_ATTRIBUTE_SYSTEM;
  DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kBlocking) != 0;
}

bool is_directory(const std::string& path) {
  DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string join(const OutputDirectory& dir, const std::string& name) {
  return dir.fs_name() + '\\' + name;
}

}  // namespace

// Files are made by their path inside the directory, so no handle is kept.
std::optional<OutputDirectory> OutputDirectory::make(Piece name) {
  std::string fs(name.bytes);
  if (is_unsafe_component(fs)) return std::nullopt;
  if (!::CreateDirectoryA(fs.c_str(), nullptr) &&
      (::GetLastError() != ERROR_ALREADY_EXISTS || !is_directory(fs))) {
    return std::nullopt;
  }
  return OutputDirectory(Handle(), std::move(fs));
}

std::optional<OutputFile> OutputFile::create(const OutputDirectory& dir, Piece name) {
  std::string fs(name.bytes);
  if (is_unsafe_component(fs)) return std::nullopt;
  std::string path = join(dir, fs);
  if (blocked_by_existing(path)) return std::nullopt;
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  Handle handle(reinterpret_cast<std::intptr_t>(file));
  if (::GetFileType(file) != FILE_TYPE_DISK) return std::nullopt;
  return OutputFile(std::move(handle), dir, std::move(fs));
}

bool OutputFile::write(std::span<const char> bytes) {
  HANDLE file = reinterpret_cast<HANDLE>(handle_.get());
  while (!bytes.empty()) {
    DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), want, &written, nullptr) || written == 0) return false;
    bytes = bytes.subspan(written);
  }
  return true;
}

void OutputFile::discard() {
  handle_ = Handle();
  ::DeleteFileA(join(*dir_, fs_name_).c_str());
}

}  // namespace bcd::platform
