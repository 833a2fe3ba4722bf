// The output directory of one list file, made when its first member is
// written: a list without records leaves no directory behind.
#pragma once

#include <optional>
#include <string>

#include "platform/file.h"

namespace bcd {

class LazyOutputDirectory {
 public:
  explicit LazyOutputDirectory(std::string name) : name_(std::move(name)) {}

  const std::string& name() const { return name_; }  // Shift_JIS

  // The directory, made and opened on first use. Null when it cannot be
  // made; the failure has been reported then.
  const platform::OutputDirectory* get();

 private:
  std::string name_;
  std::optional<platform::OutputDirectory> dir_;
};

}  // namespace bcd
