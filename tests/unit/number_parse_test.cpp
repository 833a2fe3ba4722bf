#include "extract/number_parse.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace bcd {
namespace {

struct NumberCase {
  std::string line;
  std::optional<std::int32_t> value;
};

class NumberParse : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberParse, ReadsDecimalCounts) {
  EXPECT_EQ(parse_count(GetParam().line), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberParse,
    ::testing::Values(NumberCase{"0\n", 0}, NumberCase{"1200\n", 1200},
                      NumberCase{" \t\v\f+42", 42}, NumberCase{"12abc", 12}, NumberCase{"", 0},
                      NumberCase{"abc", 0}, NumberCase{"+", 0}, NumberCase{"- 5", 0},
                      NumberCase{"-0", 0},
                      NumberCase{"\xA0"
                                 "5",
                                 0},  // no byte from 0x80 up is white space
                      NumberCase{"2147483647", 2147483647}, NumberCase{"0002147483647", 2147483647},
                      NumberCase{"2147483648", std::nullopt},
                      NumberCase{"99999999999999999999", std::nullopt},
                      NumberCase{"4294967296", std::nullopt},  // would wrap to 0
                      NumberCase{"-1", std::nullopt}, NumberCase{"-2147483648", std::nullopt}));

}  // namespace
}  // namespace bcd
