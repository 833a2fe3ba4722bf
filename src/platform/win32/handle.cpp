#include <windows.h>

#include "platform/file.h"

namespace bcd::platform {
namespace {

// INVALID_HANDLE_VALUE is -1 as well, so "none" needs no translation.
void close_handle(std::intptr_t value) {
  if (value != -1) ::CloseHandle(reinterpret_cast<HANDLE>(value));
}

}  // namespace

Handle& Handle::operator=(Handle&& other) noexcept {
  if (this != &other) {
    close_handle(value_);
    value_ = other.release();
  }
  return *this;
}

Handle::~Handle() {
  close_handle(value_);
}

std::intptr_t Handle::release() {
  std::intptr_t value = value_;
  value_ = -1;
  return value;
}

}  // namespace bcd::platform
