// A list file from the fuzzer, three ways:
//  - LineReader against a plain model of the text rules, at the buffer size and
//    read lengths the first input bytes pick (so reads cut lines anywhere);
//  - parse_count on every line against a model that counts digits instead of
//    multiplying;
//  - the real convert_list_file on the text, written as l.bcl into a scratch
//    source directory beside a fixed archive a.bcd, run from a scratch working
//    directory. After each input the scratch tree must hold nothing but the
//    source files, unchanged, and at most one output directory of plain
//    files, each a slice of the archive.
//
// The scratch tree lives on /dev/shm when it can (many small files per second).
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "extract/line_reader.h"
#include "extract/list_convert.h"
#include "extract/number_parse.h"
#include "support/string_source.h"

namespace fs = std::filesystem;

namespace {

void require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "list_fuzz: %s\n", what);
  std::abort();
}

// The text rules, byte by byte: CR dropped, 0x1A ends the text, LF ends a line
// and stays on it, a zero byte cuts the rest of its line off.
std::vector<std::string> model_lines(std::string_view text) {
  std::vector<std::string> lines;
  std::string line;
  bool any = false;
  bool cut = false;
  for (char c : text) {
    if (c == 0x1A) break;
    if (c == '\r') continue;
    any = true;
    if (c == '\n') {
      if (!cut) line.push_back(c);
      lines.push_back(line);
      line.clear();
      any = cut = false;
    } else if (c == '\0') {
      cut = true;
    } else if (!cut) {
      line.push_back(c);
    }
  }
  if (any) lines.push_back(line);
  return lines;
}

std::vector<std::string> read_lines(std::string_view text, std::size_t buffer_size,
                                    std::size_t read_length) {
  bcd::LineReader reader(test_support::string_source(text, read_length), buffer_size);
  std::vector<std::string> lines;
  std::string line;
  while (reader.next(line)) lines.push_back(line);
  require(!reader.next(line) && line.empty(), "the reader went on after its end");
  return lines;
}

bool is_space(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

std::optional<std::int32_t> model_count(std::string_view s) {
  std::size_t pos = 0;
  while (pos < s.size() && is_space(s[pos])) ++pos;
  bool negative = pos < s.size() && s[pos] == '-';
  if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) ++pos;
  std::size_t end = pos;
  while (end < s.size() && s[end] >= '0' && s[end] <= '9') ++end;
  std::string_view digits = s.substr(pos, end - pos);
  while (!digits.empty() && digits[0] == '0') digits.remove_prefix(1);
  if (digits.size() > 10) return std::nullopt;
  long long value = digits.empty() ? 0 : std::stoll(std::string(digits));
  if (value > std::numeric_limits<std::int32_t>::max() || (negative && value != 0)) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_file(const fs::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
}

// 64 bytes, none repeated, so a member's content shows where it came from.
const std::string kArchive = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz+-";

struct Scratch {
  fs::path root, source, work;
  int home = -1;  // the fuzzer's own working directory, to come back to
};

Scratch& scratch() {
  static Scratch s;
  return s;
}

void remove_scratch() {
  std::error_code ec;
  fs::remove_all(scratch().root, ec);
}

void make_scratch() {
  Scratch& s = scratch();
  std::string pattern =
      (fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path()) /
      "bcd-list-fuzz-XXXXXX";
  require(::mkdtemp(pattern.data()) != nullptr, "no scratch directory");
  s.root = pattern;
  s.source = s.root / "src";
  s.work = s.root / "work";
  fs::create_directory(s.source);
  fs::create_directory(s.work);
  write_file(s.source / "a.bcd", kArchive);
  s.home = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  require(s.home >= 0, "cannot hold the working directory");
  std::atexit(remove_scratch);
}

// The list names its archive on its second line; with ".." there it could
// reach files outside the scratch tree, which this run must not read.
bool archive_stays_inside(const std::vector<std::string>& lines) {
  return lines.size() < 2 || lines[1].find("..") == std::string::npos;
}

void check_and_clear_work(const Scratch& s) {
  int outputs = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(s.work)) {
    require(++outputs == 1, "a list made more than one entry in the working directory");
    require(entry.is_directory() && !entry.is_symlink(),
            "a non-directory in the working directory");
    for (const fs::directory_entry& member : fs::directory_iterator(entry.path())) {
      require(member.is_regular_file() && !member.is_symlink(), "a member that is no plain file");
      require(kArchive.find(slurp(member.path())) != std::string::npos,
              "a member that is no slice of the archive");
    }
  }
  fs::remove_all(s.work);
  fs::create_directory(s.work);
}

void check_source(const Scratch& s, std::string_view list) {
  int entries = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(s.source)) {
    (void)entry;
    ++entries;
  }
  require(entries == 2, "the source directory gained or lost an entry");
  require(slurp(s.source / "a.bcd") == kArchive, "the archive changed");
  require(slurp(s.source / "l.bcl") == list, "the list file changed");
  int root_entries = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(s.root)) {
    (void)entry;
    ++root_entries;
  }
  require(root_entries == 2, "something was written beside the source and working directories");
}

void convert(std::string_view list) {
  const Scratch& s = scratch();
  write_file(s.source / "l.bcl", list);
  require(::chdir(s.work.c_str()) == 0, "cannot enter the working directory");
  bcd::convert_list_file("../src", "l.bcl");
  require(::fchdir(s.home) == 0, "cannot go back to the fuzzer's directory");
  check_and_clear_work(s);
  check_source(s, list);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The tool's messages would bury libFuzzer's own report, which is on stderr.
  int null_out = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (null_out >= 0) ::dup2(null_out, STDOUT_FILENO);
  make_scratch();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  std::size_t buffer_size = 1 + data[0] % 32;
  std::size_t read_length = 1 + data[1] % 48;
  std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

  std::vector<std::string> expected = model_lines(text);
  require(read_lines(text, buffer_size, read_length) == expected, "lines differ from the model");
  require(read_lines(text, 64 * 1024, text.size() + 1) == expected,
          "lines differ with the default buffer");
  for (const std::string& line : expected) {
    require(bcd::parse_count(line) == model_count(line), "count differs from the model");
  }
  if (archive_stays_inside(expected)) convert(text);
  return 0;
}
