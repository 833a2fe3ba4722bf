#include "driver/driver.h"

#include "common/counters.h"
#include "common/messages.h"
#include "common/print.h"
#include "driver/argument.h"
#include "extract/list_convert.h"
#include "platform/directory_search.h"
#include "platform/process.h"

namespace bcd {
namespace {

// The search takes read-only files and directories along with plain files:
// a hidden or system file is passed over unless it is a directory.
bool search_yields(std::uint32_t attributes) {
  namespace attr = platform::attr;
  return (attributes & attr::directory) || !(attributes & (attr::hidden | attr::system));
}

void scan_for_list_files(const std::string& source_path) {
  for (const platform::DirEntry& entry : platform::find_list_files(source_path)) {
    if (!search_yields(entry.attributes)) continue;
    // A plain directory is passed over in silence; one with any further
    // attribute is handed on and fails to open as a list file.
    if (entry.attributes == platform::attr::directory) continue;
    convert_list_file(source_path, entry.name);
    count_one(counters().processed_lists);
  }
}

}  // namespace

int run(std::string_view program_path, const std::vector<std::string>& args) {
  print(msg::kBanner1);
  print(msg::kBanner2);
  print(msg::kBanner3);
  if (args.size() != 1 || is_option_like(args[0], platform::slash_starts_option())) {
    print_usage(program_path);
    return 1;
  }
  std::string source_path = clean_argument(args[0], platform::native_text_is_shift_jis());
  print(msg::kPathName, {native(source_path)});
  scan_for_list_files(source_path);
  print(msg::kConversionDone);
  print(msg::kSummary, {counters().processed_lists, counters().created_files});
  return 0;
}

}  // namespace bcd
