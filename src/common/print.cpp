#include "common/print.h"

#include <string>
#include <vector>

#include "platform/console.h"

namespace bcd {

MessageArg::MessageArg(std::initializer_list<Piece> pieces) {
  for (const Piece& piece : pieces) {
    if (count_ < kMaxPieces) pieces_[count_++] = piece;
  }
}

void print(std::string_view format, std::initializer_list<MessageArg> args) {
  std::vector<Piece> pieces;
  std::vector<std::string> numbers;  // reserved, so the views into them stay valid
  numbers.reserve(args.size());
  const MessageArg* arg = args.begin();
  std::size_t literal_start = 0;
  for (std::size_t i = 0; i + 1 < format.size(); ++i) {
    if (format[i] != '%' || (format[i + 1] != 's' && format[i + 1] != 'd')) continue;
    pieces.push_back(shift_jis(format.substr(literal_start, i - literal_start)));
    if (format[i + 1] == 's') {
      pieces.insert(pieces.end(), arg->pieces().begin(), arg->pieces().end());
    } else {
      numbers.push_back(std::to_string(arg->number()));
      pieces.push_back(shift_jis(numbers.back()));
    }
    ++arg;
    literal_start = i + 2;
    ++i;
  }
  pieces.push_back(shift_jis(format.substr(literal_start)));
  platform::console_write(pieces);
}

}  // namespace bcd
