// Standard output.
//
// Every line feed of a message is written as CR LF. On a terminal each message
// is shown at once; redirected, output is buffered and written out when the
// buffer fills and at console_flush().
#pragma once

#include <span>

#include "common/text.h"

namespace bcd::platform {

// Writes one whole message, made of pieces in their own encodings.
void console_write(std::span<const Piece> message);

// Writes out whatever is still buffered; called once before the process ends.
void console_flush();

}  // namespace bcd::platform
