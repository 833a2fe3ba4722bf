// Members served from the read-ahead block must be the same bytes as members
// copied directly, wherever they stand against the block's edges.
#include "extract/archive_reader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace bcd {
namespace {

namespace fs = std::filesystem;

class ArchiveReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "bcdunpack-reader-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    old_cwd_ = fs::current_path();
    fs::current_path(root_);
    std::mt19937 random(7);
    archive_bytes_.resize(700 * 1024);
    for (char& c : archive_bytes_) c = static_cast<char>(random());
    std::ofstream(root_ / "a.bcd", std::ios::binary) << archive_bytes_;
  }
  void TearDown() override {
    fs::current_path(old_cwd_);
    fs::remove_all(root_);
  }

  std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }

  fs::path root_, old_cwd_;
  std::string archive_bytes_;
};

TEST_F(ArchiveReaderTest, CopiesEveryMemberExactlyWhateverItsPlace) {
  struct Member {
    std::int64_t offset, size;
  };
  const std::int64_t end = 700 * 1024;
  const Member members[] = {
      {0, 1000},        {1000, 4096},
      {5096, 60000},    // in sequence, one block
      {65096, 200000},  // large: the platform's copy
      {265096, 3000},   {268096, 65536},
      {333632, 1},  // in sequence, a new block...
      {333633, 60000},  {393633, 65536},
      {459169, 65536},                       // ...read to its end
      {524705, 65536},                       // across the block's edge
      {100, 50},        {0, 0},              // out of order, empty
      {end - 10, 10},   {end, 5},            // at the very end
      {end - 200, 100}, {end - 100, 30000},  // in sequence past the end
      {end + 10, 1000},                      // wholly past the end
  };
  auto dir = platform::OutputDirectory::make(shift_jis("out"));
  ASSERT_TRUE(dir);
  auto archive = platform::InputFile::open(root_.string(), native("a.bcd"));
  ASSERT_TRUE(archive);
  ArchiveReader reader(*archive);
  int index = 0;
  for (const Member& m : members) {
    std::string name = "m" + std::to_string(index++);
    auto file = platform::OutputFile::create(*dir, shift_jis(name));
    ASSERT_TRUE(file);
    platform::CopyResult result = reader.copy(m.offset, m.size, *file);
    std::string expected = m.offset < end ? archive_bytes_.substr(m.offset, m.size) : std::string();
    EXPECT_FALSE(result.failed) << name;
    EXPECT_EQ(result.copied, static_cast<std::int64_t>(expected.size())) << name;
    file.reset();
    EXPECT_EQ(slurp(root_ / "out" / name), expected) << name;
  }
}

}  // namespace
}  // namespace bcd
