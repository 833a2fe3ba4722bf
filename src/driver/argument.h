// The check and clean-up of the one command-line argument.
#pragma once

#include <string>
#include <string_view>

namespace bcd {

// Whether the argument looks like an option and so asks for the usage text.
bool is_option_like(std::string_view arg, bool slash_starts_option);

// The source path: the argument less one trailing double quote (a quoted
// directory with a trailing backslash arrives that way) or else less one
// trailing backslash that is a character of its own.
std::string clean_argument(std::string_view arg, bool text_is_shift_jis);

}  // namespace bcd
