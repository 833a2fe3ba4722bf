#include "extract/output_directory.h"

#include "common/messages.h"
#include "common/print.h"
#include "path/path_split.h"

namespace bcd {

const platform::OutputDirectory* LazyOutputDirectory::get() {
  if (!dir_ && is_single_component(name_)) dir_ = platform::OutputDirectory::make(shift_jis(name_));
  if (!dir_) {
    print(msg::kCannotCreateDirectory, {shift_jis(name_)});
    return nullptr;
  }
  return &*dir_;
}

}  // namespace bcd
