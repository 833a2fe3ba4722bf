#include "common/print.h"

#include <array>
#include <charconv>

#include "platform/console.h"

namespace bcd {
namespace {

// Room for the longest message: literal runs around two arguments.
constexpr std::size_t kMaxMessagePieces = 2 * MessageArg::kMaxPieces + 3;
constexpr std::size_t kMaxArgs = 2;

}  // namespace

MessageArg::MessageArg(std::initializer_list<Piece> pieces) {
  for (const Piece& piece : pieces) {
    if (count_ < kMaxPieces) pieces_[count_++] = piece;
  }
}

void print(std::string_view format, std::initializer_list<MessageArg> args) {
  // Fixed arrays: this runs twice for every member, and the texts are ours.
  std::array<Piece, kMaxMessagePieces> pieces;
  std::size_t count = 0;
  std::array<std::array<char, 12>, kMaxArgs> numbers;  // "-2147483648" fits
  std::size_t next_arg = 0;
  std::size_t literal_start = 0;
  for (std::size_t i = 0; i + 1 < format.size(); ++i) {
    if (format[i] != '%' || (format[i + 1] != 's' && format[i + 1] != 'd')) continue;
    pieces[count++] = shift_jis(format.substr(literal_start, i - literal_start));
    const MessageArg& arg = args.begin()[next_arg];
    if (format[i + 1] == 's') {
      for (const Piece& piece : arg.pieces()) pieces[count++] = piece;
    } else {
      std::array<char, 12>& digits = numbers[next_arg];
      auto end = std::to_chars(digits.data(), digits.data() + digits.size(), arg.number()).ptr;
      pieces[count++] = shift_jis({digits.data(), static_cast<std::size_t>(end - digits.data())});
    }
    ++next_arg;
    literal_start = i + 2;
    ++i;
  }
  pieces[count++] = shift_jis(format.substr(literal_start));
  platform::console_write({pieces.data(), count});
}

}  // namespace bcd
