#include "extract/line_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/string_source.h"

namespace bcd {
namespace {

// All lines of `text`, read through a buffer of `buffer_size` bytes.
std::vector<std::string> lines_of(const std::string& text, std::size_t buffer_size) {
  LineReader reader(test_support::string_source(text), buffer_size);
  std::vector<std::string> lines;
  std::string line;
  while (reader.next(line)) lines.push_back(line);
  return lines;
}

struct LineCase {
  std::string name;
  std::string text;
  std::vector<std::string> lines;
};

class LineReading : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineReading, GivesTheSameLinesWhateverTheBufferSize) {
  for (std::size_t buffer : {1u, 3u, 4096u}) {
    EXPECT_EQ(lines_of(GetParam().text, buffer), GetParam().lines) << "buffer " << buffer;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, LineReading,
    ::testing::Values(
        LineCase{"Empty", "", {}}, LineCase{"LastLineWithoutLineFeed", "a\nb", {"a\n", "b"}},
        LineCase{"BlankLines", "\n\n", {"\n", "\n"}},
        LineCase{"CrDroppedEverywhere", "a\r\nb\rc\r\n", {"a\n", "bc\n"}},
        LineCase{"CrOnlyFileIsEmpty", "\r\r", {}},
        LineCase{"EndOfTextByteEndsEverything",
                 "a\nb\x1A"
                 "c\nd\n",
                 {"a\n", "b"}},
        LineCase{"EndOfTextAtLineStart",
                 "a\n\x1A"
                 "b\n",
                 {"a\n"}},
        LineCase{"ZeroByteCutsTheLineAndItsLineFeed", std::string("ab\0cd\nx\n", 8), {"ab", "x\n"}},
        LineCase{"LongLinesStayWhole",
                 std::string(10000, 'x') + "\ny",
                 {std::string(10000, 'x') + "\n", "y"}}),
    [](const auto& info) { return info.param.name; });

TEST(LineReader, ReadErrorEndsTheText) {
  int calls = 0;
  LineReader reader([&](std::span<char> out) -> std::ptrdiff_t {
    if (calls++ > 0) return -1;
    out[0] = 'a';
    return 1;
  });
  std::string line;
  EXPECT_TRUE(reader.next(line));
  EXPECT_EQ(line, "a");
  EXPECT_FALSE(reader.next(line));
}

}  // namespace
}  // namespace bcd
