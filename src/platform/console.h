// Standard output.
//
// Redirected to a file or a pipe, the messages are the exact bytes that scripts
// rely on: every piece as it is, every line feed as CR LF, buffered and written
// out when the buffer fills and at console_flush(). On an interactive terminal
// or console each message is shown at once, converted so that it reads right
// there, with the line ends that terminal expects.
#pragma once

#include <span>

#include "common/text.h"

namespace bcd::platform {

// Writes one whole message, made of pieces in their own encodings.
void console_write(std::span<const Piece> message);

// Writes out whatever is still buffered; called once before the process ends.
void console_flush();

}  // namespace bcd::platform
