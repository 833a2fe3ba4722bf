#include "driver/argument.h"

#include "common/sjis.h"

namespace bcd {

bool is_option_like(std::string_view arg, bool slash_starts_option) {
  if (arg.empty()) return false;
  if (arg == "/?") return true;
  return arg[0] == '-' || arg[0] == '?' || (slash_starts_option && arg[0] == '/');
}

std::string clean_argument(std::string_view arg, bool text_is_shift_jis) {
  if (arg.empty()) return {};
  if (arg.back() == '"') {
    arg.remove_suffix(1);
  } else if (arg.back() == '\\' && (!text_is_shift_jis || sjis::last_byte_stands_alone(arg))) {
    arg.remove_suffix(1);
  }
  return std::string(arg);
}

}  // namespace bcd
