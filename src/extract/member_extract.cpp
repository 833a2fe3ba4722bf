#include "extract/member_extract.h"

#include "common/counters.h"
#include "common/messages.h"
#include "common/print.h"
#include "path/path_split.h"

namespace bcd {

bool extract_member(LazyOutputDirectory& out_dir, std::string_view file_name, std::int32_t offset,
                    std::int32_t size, ArchiveReader& archive) {
  const platform::OutputDirectory* dir = out_dir.get();
  if (!dir) return false;
  MessageArg output_path = {shift_jis(out_dir.name()), shift_jis("\\"), shift_jis(file_name)};
  std::optional<platform::OutputFile> file;
  if (is_single_component(file_name))
    file = platform::OutputFile::create(*dir, shift_jis(file_name));
  if (!file) {
    print(msg::kOpenFailed, {output_path});
    return false;
  }
  platform::CopyResult copy = archive.copy(offset, size, *file);
  if (copy.failed) {
    file->discard();
    print(msg::kWriteFailed, {output_path});
    return false;
  }
  count_one(counters().created_files);
  if (copy.copied < size) print(msg::kArchiveEndsEarly, {output_path});
  return true;
}

}  // namespace bcd
