#include <unistd.h>

#include "platform/file.h"

namespace bcd::platform {

Handle& Handle::operator=(Handle&& other) noexcept {
  if (this != &other) {
    if (value_ != -1) ::close(static_cast<int>(value_));
    value_ = other.release();
  }
  return *this;
}

Handle::~Handle() {
  if (value_ != -1) ::close(static_cast<int>(value_));
}

std::intptr_t Handle::release() {
  std::intptr_t value = value_;
  value_ = -1;
  return value;
}

}  // namespace bcd::platform
