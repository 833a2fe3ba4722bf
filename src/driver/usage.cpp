#include "common/messages.h"
#include "common/print.h"
#include "driver/driver.h"
#include "path/path_split.h"

namespace bcd {

void print_usage(std::string_view program_path) {
  std::string title = path_title(program_path);
  print(msg::kUsage1, {native(title)});
  for (std::string_view line :
       {msg::kUsage2, msg::kUsage3, msg::kUsage4, msg::kUsage5, msg::kUsage6, msg::kUsage7}) {
    print(line);
  }
}

}  // namespace bcd
