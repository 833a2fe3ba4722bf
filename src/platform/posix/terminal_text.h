// How a message reads on a POSIX terminal: UTF-8 with plain line feeds.
//
// Shift_JIS pieces (the message texts, names from list files) are converted
// from CP932; native pieces (command line, file system) are UTF-8 already and
// shown as they are. What is not valid in its encoding, and any control
// character, is shown escaped as \xNN.
#pragma once

#include <span>
#include <string>

#include "common/text.h"

namespace bcd::platform::posix {

std::string terminal_text(std::span<const Piece> message);

}  // namespace bcd::platform::posix
