#include "path/path_split.h"

#include <gtest/gtest.h>

#include <string>

namespace bcd {
namespace {

struct SplitCase {
  std::string path, dir, title, ext;
};

class PathSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(PathSplit, CutsIntoDirectoryTitleAndExtension) {
  const SplitCase& c = GetParam();
  EXPECT_EQ(path_dir(c.path), c.dir);
  EXPECT_EQ(path_title(c.path), c.title);
  EXPECT_EQ(path_ext(c.path), c.ext);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PathSplit,
    ::testing::Values(
        SplitCase{"C:\\Game\\data.bcd", "C:\\Game\\", "data", ".bcd"},
        SplitCase{"x/y.z", "x/", "y", ".z"}, SplitCase{"C:x.y", "C:", "x", ".y"},
        SplitCase{"bg\\title.bmp", "bg\\", "title", ".bmp"}, SplitCase{"a.b.c", "", "a", ".c"},
        SplitCase{"a..b", "", "a", ".b"}, SplitCase{"a.", "", "a", "."},
        SplitCase{".a", "", ".a", ".a"}, SplitCase{".a.b", "", ".a", ".b"},
        SplitCase{".", "", ".", "."}, SplitCase{"..", "", ".", "."},
        SplitCase{"d/.a", "d/", ".a", ".a"}, SplitCase{"d/.a.b", "d/", ".a.b", ".b"},
        SplitCase{"dir.x\\file", "dir.x\\", "file", ""}, SplitCase{"C:\\", "C:\\", "", ""},
        SplitCase{"", "", "", ""},
        // A double-byte character whose second byte is 0x5C or 0x2E is one unit.
        SplitCase{"\x95\x5C\x8E\x86.bmp", "", "\x95\x5C\x8E\x86", ".bmp"},
        SplitCase{"d\\\x83\x5C.x", "d\\", "\x83\x5C", ".x"},
        // A lead byte at the very end stands alone, so the backslash before it counts.
        SplitCase{"a\\\x95", "a\\", "\x95", ""},
        // Half-width katakana (0xA1-0xDF) are single bytes.
        SplitCase{"\xB1\\b.c", "\xB1\\", "b", ".c"}));

TEST(PathTail, IsEverythingAfterTheLastSeparator) {
  EXPECT_EQ(path_tail("bg\\a.b.c"), "a.b.c");
  EXPECT_EQ(path_tail("..\\x.bin"), "x.bin");
  EXPECT_EQ(path_tail("C:\\"), "");
  EXPECT_EQ(path_tail("\x95\x5C\x8E\x86.bmp"), "\x95\x5C\x8E\x86.bmp");
}

TEST(SingleComponent, RefusesNamesThatLeaveOrNameNoFile) {
  for (const char* bad : {"", ".", "..", "a/b", "a\\b", "c:x", "\\"}) {
    EXPECT_FALSE(is_single_component(bad)) << bad;
  }
  for (const char* good : {"a", "...", ".cfg", "a..b", "\x95\x5C"}) {
    EXPECT_TRUE(is_single_component(good)) << good;
  }
}

}  // namespace
}  // namespace bcd
