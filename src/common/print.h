// Formats one message and hands it to the console.
//
// The format is one of the Shift_JIS texts of messages.h. Each %s takes the
// next argument's pieces (a path may join a native directory and a Shift_JIS
// name), each %d the next argument's number.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

#include "common/text.h"

namespace bcd {

// A %s argument holds its pieces by value (a joined path has at most a
// directory, a separator and a name), so it never points at a dead temporary.
class MessageArg {
 public:
  static constexpr std::size_t kMaxPieces = 4;

  MessageArg(std::int32_t number) : number_(number) {}    // NOLINT: implicit by design
  MessageArg(Piece piece) : pieces_{piece}, count_(1) {}  // NOLINT
  MessageArg(std::initializer_list<Piece> pieces);

  std::span<const Piece> pieces() const { return {pieces_.data(), count_}; }
  std::int32_t number() const { return number_; }

 private:
  std::array<Piece, kMaxPieces> pieces_{};
  std::size_t count_ = 0;
  std::int32_t number_ = 0;
};

void print(std::string_view format, std::initializer_list<MessageArg> args = {});

}  // namespace bcd
