#include "driver/argument.h"

#include <gtest/gtest.h>

#include <string>

namespace bcd {
namespace {

TEST(OptionLike, DependsOnTheFirstByteAndThePlatform) {
  for (const char* arg : {"-h", "-", "?", "?x", "/?"}) {
    EXPECT_TRUE(is_option_like(arg, false)) << arg;
    EXPECT_TRUE(is_option_like(arg, true)) << arg;
  }
  EXPECT_FALSE(is_option_like("/games/x", false));  // an absolute path on POSIX
  EXPECT_TRUE(is_option_like("/games/x", true));
  for (const char* arg : {"", "x-y", "a?", "D:\\Game"}) {
    EXPECT_FALSE(is_option_like(arg, true)) << arg;
  }
}

struct CleanCase {
  std::string arg;
  bool shift_jis;
  std::string source;
};

class CleanArgument : public ::testing::TestWithParam<CleanCase> {};

TEST_P(CleanArgument, DropsOneTrailingQuoteOrBackslash) {
  EXPECT_EQ(clean_argument(GetParam().arg, GetParam().shift_jis), GetParam().source);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CleanArgument,
    ::testing::Values(CleanCase{"D:\\Game", true, "D:\\Game"},
                      CleanCase{"D:\\Game\\", true, "D:\\Game"},
                      CleanCase{"D:\\Game\"", true, "D:\\Game"},
                      CleanCase{"D:\\Game\\\"", true, "D:\\Game\\"},  // only the quote goes
                      CleanCase{"D:\\My.Game.Data", true, "D:\\My.Game.Data"},
                      CleanCase{".", true, "."}, CleanCase{".\\", true, "."},
                      CleanCase{"", true, ""}, CleanCase{"\\", true, ""}, CleanCase{"\"", true, ""},
                      // The second byte of a double-byte character is not a backslash...
                      CleanCase{"D:\\\x83\x5C", true, "D:\\\x83\x5C"},
                      CleanCase{"D:\\\x83\x5C\\", true, "D:\\\x83\x5C"},
                      // ...but in UTF-8 every 0x5C is one.
                      CleanCase{"\xE3\x81\x81\\", false, "\xE3\x81\x81"}));

}  // namespace
}  // namespace bcd
