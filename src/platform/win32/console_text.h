// How a message reads on a Windows console, whatever its code page: wide
// characters for WriteConsoleW.
//
// Shift_JIS pieces (the message texts, names from list files) are converted
// from code page 932; native pieces (command line, file system) from the ANSI
// code page. What does not convert, and any control character, is shown
// escaped as \xNN. A line feed becomes CR LF, as a console expects.
#pragma once

#include <windows.h>

#include <span>
#include <string>

#include "common/text.h"

namespace bcd::platform::win32 {

std::wstring console_text(std::span<const Piece> message);

// Shows one message on the console `out` at once.
void show_on_console(HANDLE out, std::span<const Piece> message);

}  // namespace bcd::platform::win32
