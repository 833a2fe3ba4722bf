// The bytes a terminal or console is given as \xNN rather than as text.
//
// A name that is not valid in its encoding stays visible byte for byte
// instead of vanishing, and a control character in a name from a hostile
// list file (an ESC, say) cannot move the cursor or re-program the terminal.
#pragma once

#include <string_view>

namespace bcd::platform {

// Whether a character that did convert still acts on a terminal rather than
// showing: the C0 and C1 controls and DEL. Tab and line feed belong to the
// messages themselves.
constexpr bool acts_on_terminal(char32_t c) {
  return (c < 0x20 && c != U'\t' && c != U'\n') || (c >= 0x7F && c <= 0x9F);
}

// Appends "\xNN" for each byte, to a string of any character type.
template <class String>
void append_escaped(String& out, std::string_view bytes) {
  constexpr std::string_view kHex = "0123456789ABCDEF";
  for (char c : bytes) {
    unsigned char b = static_cast<unsigned char>(c);
    for (char shown : {'\\', 'x', kHex[b >> 4], kHex[b & 0x0F]}) {
      out.push_back(static_cast<typename String::value_type>(shown));
    }
  }
}

}  // namespace bcd::platform
