// Hostile list files and a file system that fails, end to end. Every case
// runs the tool under a time limit and checks, besides its exact output and
// working tree, that the source directory and a folder of the sandbox outside
// the working directory are byte for byte as they were, and that nothing new
// appeared beside them.
//
// Names in a list may hold any byte, so the expected output is built as
// Shift_JIS bytes rather than converted from readable text.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "fault_injection.h"
#include "harness.h"

namespace e2e {
namespace {

using Tree = std::map<std::string, std::string>;
using namespace std::string_literals;

const std::string kArchive = "0123456789ABCDEFGHIJ";  // 20 bytes
const std::string kHeader = "[BinaryCombineData]\n";
std::string rec(const std::string& name, const std::string& offset, const std::string& size) {
  return "[" + name + "]\n" + offset + "\n" + size + "\n";
}

// `unit` written `count` times, held as a short token until the case runs:
// the cases are listed in every test process, and most never need megabytes.
std::string many(int count, const std::string& unit) {
  return "\x01" + std::to_string(count) + "\x02" + unit + "\x03";
}

const std::string k10MB = many(10 * 1024 * 1024, "n");

// Messages with a name of raw Shift_JIS bytes.
std::string say(const std::string& text, const std::string& name) {
  return sjis(text) + "[" + name + "]\n";
}
std::string dir_line(const std::string& name) {
  return "\n" + say("ディレクトリを作成しました ", name);
}
std::string member(const std::string& name, const std::string& size) {
  return sjis(" ファイル名 [") + name + sjis("]\tサイズ [" + size + "]\n");
}
std::string open_failed(const std::string& path) {
  return say("ファイルを開けませんでした ", path);
}
std::string bad_format(const std::string& list) {
  return say("変換できない形式です ", list);
}
std::string invalid_entry(const std::string& path) {
  return say("不正なエントリです ", path);
}
std::string ends_early(const std::string& path) {
  return say("アーカイブが途中で終わっています ", path);
}
std::string write_failed(const std::string& path) {
  return say("ファイルに書き込めませんでした ", path);
}
std::string cannot_mkdir(const std::string& name) {
  return say("ディレクトリを作成できません ", name);
}

std::string scan(const std::string& source, const std::string& body, int lists, int files) {
  return sjis("ノクタリア系 (Win)\n Dravonel Version 1.00\n\n\nパス名 [") + source + "]\n" + body +
         sjis("\n変換を完了しました\n 元ファイル数 [" + std::to_string(lists) +
              "] : 作成ファイル数 [" + std::to_string(files) + "]\n");
}
std::string scan(const std::string& body, int lists, int files) {
  return scan("../src", body, lists, files);
}

std::string crlf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

// List files l01.bcl, l02.bcl... in the order the scan takes them, each
// naming the archive x.bcd and holding one string of records.
std::vector<Node> lists(const std::vector<std::string>& records) {
  std::vector<Node> nodes = {file("x.bcd", kArchive)};
  for (std::size_t i = 0; i < records.size(); ++i) {
    std::string number = (i < 9 ? "0" : "") + std::to_string(i + 1);
    nodes.push_back(file("l" + number + ".bcl", kHeader + "x.bcd\n" + records[i]));
  }
  return nodes;
}

// a.bcl and b.bcl, naming a.bcd and b.bcd: a fault aimed at the first, and
// the second to show that the scan goes on.
std::vector<Node> two_games(const std::string& a_records, mode_t mode = 0) {
  return {file("a.bcl", kHeader + "a.bcd\n" + a_records, mode), file("a.bcd", kArchive, mode),
          file("b.bcl", kHeader + "b.bcd\n" + rec("n", "0", "2"), mode),
          file("b.bcd", kArchive, mode)};
}
std::string second_game() {
  return dir_line("b") + member("n", "2");
}

// Tokens a case may use in its list files and output: the absolute path of
// the sandbox's folder outside the working directory, with slashes and with
// backslashes.
constexpr std::string_view kOutside = "{outside}";
constexpr std::string_view kOutsideBackslashed = "{outside\\}";

std::string expand(std::string text, const fs::path& outside) {
  std::string slashed = outside.string();
  std::string backslashed = slashed;
  for (char& c : backslashed) {
    if (c == '/') c = '\\';
  }
  for (auto [token, value] : {std::pair{kOutside, slashed}, {kOutsideBackslashed, backslashed}}) {
    for (std::size_t at; (at = text.find(token)) != std::string::npos;) {
      text.replace(at, token.size(), value);
    }
  }
  std::string out;
  std::size_t done = 0;
  for (std::size_t at; (at = text.find('\x01', done)) != std::string::npos;) {
    std::size_t unit = text.find('\x02', at), end = text.find('\x03', unit);
    out.append(text, done, at - done);
    int count = std::stoi(text.substr(at + 1, unit - at - 1));
    for (int i = 0; i < count; ++i) out.append(text, unit + 1, end - unit - 1);
    done = end + 1;
  }
  return out.append(text, done);
}

struct Case {
  std::string name;
  std::vector<Node> source;
  std::string out;          // Shift_JIS, LF line ends
  Tree tree;                // the working directory after the run
  bool linux_only = false;  // a fault of the Linux file system, or names as Linux writes them
  std::vector<Node> work = {};
  RunOptions options = {};
  std::vector<std::string> unreadable = {};  // below the sandbox: every read fails
  std::vector<std::string> never_opened = {};
  bool run_in_source = false;  // "." as the argument, the source as the working directory
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

RunOptions plain_user() {
  return {.without_privileges = true};
}

std::vector<Case> hostile_lists() {
  return {
      {"NamesThatWouldLeaveTheOutputDirectoryAreRefused",
       lists({rec("..", "0", "1"), rec(".", "0", "1"), rec("\\", "0", "1"), rec("/", "0", "1"),
              rec(":", "0", "1"), rec("sub/..", "0", "1"), rec("..\\..\\..", "0", "1"),
              rec("a\\.", "0", "1"), rec("ok", "0", "2")}),
       scan(dir_line("x") + member("..", "1") + open_failed("x\\..") + dir_line("x") +
                member(".", "1") + open_failed("x\\.") + dir_line("x") + member("", "1") +
                open_failed("x\\") + dir_line("x") + member("", "1") + open_failed("x\\") +
                dir_line("x") + member("", "1") + open_failed("x\\") + dir_line("x") +
                member("..", "1") + open_failed("x\\..") + dir_line("x") + member("..", "1") +
                open_failed("x\\..") + dir_line("x") + member(".", "1") + open_failed("x\\.") +
                dir_line("x") + member("ok", "2"),
            9, 1),
       {{"x", "<dir>"}, {"x/ok", "01"}}},
      {"AbsoluteAndDrivePathsLandInTheOutputDirectory",
       lists({rec("{outside}/victim", "0", "1") + rec("{outside\\}\\victim2", "1", "1") +
              rec("C:victim3", "2", "1") + rec("C:\\victim4", "3", "1") +
              rec("\\\\server\\share\\victim5", "4", "1")}),
       scan(dir_line("x") + member("victim", "1") + member("victim2", "1") +
                member("victim3", "1") + member("victim4", "1") + member("victim5", "1"),
            1, 5),
       {{"x", "<dir>"},
        {"x/victim", "0"},
        {"x/victim2", "1"},
        {"x/victim3", "2"},
        {"x/victim4", "3"},
        {"x/victim5", "4"}}},
      {"AbsoluteArchiveNameStaysBelowTheSource",
       {file("l.bcl", kHeader + "{outside}/victim\n" + rec("a", "0", "1"))},
       scan(open_failed("../src\\{outside}/victim"), 1, 0),
       {}},
      {"ShiftJisLeadByteAtTheEndOfAName",
       lists({"[end\x81]\n0\n1\n[dir\\\x81]\n1\n1\n[\x81\\x]\n2\n1\n[\x81\\]\n3\n1\n"}),
       scan(dir_line("x") + member("end\x81", "1") + member("\x81", "1") + member("\x81\\x", "1") +
                member("\x81\\", "1"),
            1, 4),
       // Not Shift_JIS: kept as raw bytes. 0x81 0x5C is one character, U+2015.
       {{"x", "<dir>"}, {"x/end\x81", "0"}, {"x/\x81", "1"}, {"x/―x", "2"}, {"x/―", "3"}},
       true},
      {"ZeroBytesInsideLinesCutThem",
       {file("x.bcd", kArchive),
        file("l1.bcl", kHeader +
                           "x.bcd\0/../../../evil\n[a\0/../b]\n1\0009\n2\0000\n[\0..]\n0\n1\n"s +
                           rec("unreached", "0", "1")),
        file("l2.bcl", kHeader + "x.bcd\n" + rec("after", "0", "1"))},
       scan(dir_line("x") + member("a", "2") + member("", "1") + open_failed("x\\") +
                dir_line("x") + member("after", "1"),
            2, 2),
       {{"x", "<dir>"}, {"x/a", "12"}, {"x/after", "0"}}},
      {"TenMegabyteLines",
       {file("x.bcd", kArchive),
        file("l1.bcl", kHeader + "x.bcd\n" + rec(k10MB, "0", "1") + rec("b", "0", "1")),
        file("l2.bcl", kHeader + "x.bcd\n;" + k10MB + "\n" + rec("c", "2", "1")),
        file("l3.bcl", k10MB),
        file("l4.bcl",
             kHeader + "x.bcd\n" +
                 rec("d", many(10 * 1024 * 1024, "0") + "3", many(10 * 1024 * 1024, " ") + "1"))},
       scan(dir_line("x") + member(k10MB, "1") + open_failed("x\\" + k10MB) + dir_line("x") +
                member("c", "1") + bad_format("l3.bcl") + dir_line("x") + member("d", "1"),
            4, 2),
       {{"x", "<dir>"}, {"x/c", "2"}, {"x/d", "3"}}},
      {"MillionBlankLines",
       lists(
           {many(1000000, "\n") + rec("a", "0", "1") + many(1000000, "\r\n") + rec("b", "1", "1")}),
       scan(dir_line("x") + member("a", "1") + member("b", "1"), 1, 2),
       {{"x", "<dir>"}, {"x/a", "0"}, {"x/b", "1"}}},
      {"NumbersAtThe32BitLimits",
       lists({rec("max", "2147483647", "2147483647") +
                  rec("zeros", "0000000000000000000002", "+0000000000000000000003") +
                  rec("blanks", "\t\v\f 4", "1"),
              rec("big", "2147483648", "1"), rec("wraps0", "0", "4294967296"),
              rec("wraps1", "0", "4294967297"), rec("neg", "0", "-2147483648"),
              rec("huge", "99999999999999999999999999", "1"), rec("after", "0", "1")}),
       scan(dir_line("x") + member("max", "2147483647") + ends_early("x\\max") +
                member("zeros", "3") + member("blanks", "1") + dir_line("x") +
                invalid_entry("x\\big") + dir_line("x") + invalid_entry("x\\wraps0") +
                dir_line("x") + invalid_entry("x\\wraps1") + dir_line("x") +
                invalid_entry("x\\neg") + dir_line("x") + invalid_entry("x\\huge") + dir_line("x") +
                member("after", "1"),
            7, 4),
       {{"x", "<dir>"}, {"x/max", ""}, {"x/zeros", "234"}, {"x/blanks", "4"}, {"x/after", "0"}}},
      {"OffsetsFarPastTheEnd",
       lists({rec("far", "2000000000", "10") + rec("edge", "20", "1") + rec("last", "19", "5")}),
       scan(dir_line("x") + member("far", "10") + ends_early("x\\far") + member("edge", "1") +
                ends_early("x\\edge") + member("last", "5") + ends_early("x\\last"),
            1, 3),
       {{"x", "<dir>"}, {"x/far", ""}, {"x/edge", ""}, {"x/last", "J"}}},
      {"OverlappingAndRepeatedMembers",
       lists({rec("x", "0", "10") + rec("x", "0", "2") + rec("y", "5", "10") + rec("z", "0", "20") +
                  many(1000, rec("r", "3", "1")),
              rec("k", "0", "5") + rec("k", "-1", "1")}),
       scan(dir_line("x") + member("x", "10") + member("x", "2") + member("y", "10") +
                member("z", "20") + many(1000, member("r", "1")) + dir_line("x") +
                member("k", "5") + invalid_entry("x\\k"),
            2, 1005),
       // A shorter rewrite leaves no stale tail; a failed one leaves the last good copy.
       {{"x", "<dir>"},
        {"x/x", "01"},
        {"x/y", "56789ABCDE"},
        {"x/z", kArchive},
        {"x/r", "3"},
        {"x/k", "01234"}}},
  };
}

std::vector<Case> file_system_faults() {
  return {
      {"ArchiveThatCannotBeReadFailsItsMemberOnly",
       two_games(rec("m", "0", "5") + rec("never", "0", "1")),
       scan(dir_line("a") + member("m", "5") + write_failed("a\\m") + second_game(), 2, 1),
       {{"a", "<dir>"}, {"b", "<dir>"}, {"b/n", "01"}},
       true,
       {},
       {},
       {"src/a.bcd"}},
      {"FifosAreNeverOpened",
       {fifo("f.bcd"), file("f.bcl", kHeader + "f.bcd\n" + rec("a", "0", "1")), fifo("p.bcl"),
        symlink("q.bcd", "f.bcd"), file("q.bcl", kHeader + "q.bcd\n" + rec("a", "0", "1"))},
       scan(open_failed("../src\\f.bcd") + open_failed("../src\\p.bcl") +
                open_failed("../src\\q.bcd"),
            3, 0),
       {},
       true,
       {},
       {},
       {},
       {"src/f.bcd", "src/p.bcl"}},
      {"ReadOnlySourceDirectoryAndArchiveAreRead",
       [] {
         std::vector<Node> nodes = two_games(rec("m", "0", "5"), 0444);
         nodes.push_back(dir(".", 0555));
         return nodes;
       }(),
       scan(dir_line("a") + member("m", "5") + second_game(), 2, 2),
       {{"a", "<dir>"}, {"a/m", "01234"}, {"b", "<dir>"}, {"b/n", "01"}},
       true,
       {},
       plain_user()},
      {"ReadOnlyWorkingDirectoryTakesNoOutput",
       two_games(rec("m", "0", "5"), 0444),
       scan(
           ".",
           dir_line("a") + member("m", "5") + cannot_mkdir("a") + second_game() + cannot_mkdir("b"),
           2, 0),
       {},
       true,
       {dir(".", 0555)},
       plain_user(),
       {},
       {},
       true},
      {"OutputDirectoryThatTakesNoFilesFailsItsListOnly",
       two_games(rec("m", "0", "5")),
       scan(dir_line("a") + member("m", "5") + open_failed("a\\m") + second_game(), 2, 1),
       {{"a", "<dir>"}, {"b", "<dir>"}, {"b/n", "01"}},
       true,
       {dir("a", 0555)},
       plain_user()},
      {"OutputDirectoryBlockedByAFileFailsItsListOnly",
       two_games(rec("m", "0", "5")),
       scan(dir_line("a") + member("m", "5") + cannot_mkdir("a") + second_game(), 2, 1),
       {{"a", "blocker"}, {"b", "<dir>"}, {"b/n", "01"}},
       false,
       {file("a", "blocker")}},
      {"OutputDirectoryBlockedByADanglingLinkMakesNothingAtItsTarget",
       two_games(rec("m", "0", "5")),
       scan(dir_line("a") + member("m", "5") + cannot_mkdir("a") + second_game(), 2, 1),
       {{"a", "-> ../outside/made"}, {"b", "<dir>"}, {"b/n", "01"}},
       false,
       {symlink("a", "../outside/made")}},
      {"OutputDirectoryLinkedToAFileLeavesTheFileAlone",
       two_games(rec("m", "0", "5")),
       scan(dir_line("a") + member("m", "5") + cannot_mkdir("a") + second_game(), 2, 1),
       {{"a", "-> ../outside/victim"}, {"b", "<dir>"}, {"b/n", "01"}},
       false,
       {symlink("a", "../outside/victim")}},
  };
}

class Hostile : public ::testing::TestWithParam<Case> {};

TEST_P(Hostile, StaysInItsOutputDirectoryAndReportsEachFailure) {
  const Case& c = GetParam();
  if (runs_windows_build() && c.linux_only) GTEST_SKIP() << "Linux only";
  bool needs_faults = !c.unreadable.empty() || !c.never_opened.empty();
  if (needs_faults && !FileFaults::available()) GTEST_SKIP() << "fanotify needs root";

  Sandbox box;
  const fs::path outside = box.root() / "outside";
  box.lay_out(outside, {file("victim", "precious"), file("victim2", "precious too")});
  std::vector<Node> source = c.source;
  for (Node& node : source) node.content = expand(node.content, outside);
  box.lay_out(box.source(), source);
  box.lay_out(c.run_in_source ? box.source() : box.work(), c.work);
  const std::string source_before = fingerprint(box.source());
  const std::string outside_before = fingerprint(outside);

  std::vector<fs::path> unreadable, watched;
  for (const std::string& path : c.unreadable) unreadable.push_back(box.root() / path);
  for (const std::string& path : c.never_opened) watched.push_back(box.root() / path);
  std::unique_ptr<FileFaults> faults;
  if (needs_faults) faults = std::make_unique<FileFaults>(unreadable, watched);
  RunOptions options = c.options;
  options.timeout_seconds = 120;

  RunResult result = c.run_in_source ? run_tool({"."}, box.source(), options)
                                     : run_tool({"../src"}, box.work(), options);
  if (faults) {
    EXPECT_EQ(faults->opened(), std::vector<fs::path>{}) << "a file the tool must not open";
    faults.reset();
  }

  ASSERT_FALSE(result.timed_out) << "the tool hung";
  EXPECT_EQ(result.status, 0);
  // Compared whole, shown near the first difference: some outputs are megabytes.
  const std::string expected = crlf(expand(c.out, outside));
  std::size_t at =
      std::mismatch(result.out.begin(), result.out.end(), expected.begin(), expected.end()).first -
      result.out.begin();
  std::size_t from = at < 100 ? 0 : at - 100;
  EXPECT_TRUE(result.out == expected)
      << "output differs at byte " << at << "\n  got:      " << result.out.substr(from, 300)
      << "\n  expected: " << expected.substr(from, 300);
  if (!c.run_in_source) {
    EXPECT_EQ(read_tree(box.work()), c.tree);
  }
  EXPECT_EQ(fingerprint(box.source()), source_before) << "the source directory changed";
  EXPECT_EQ(fingerprint(outside), outside_before) << "a file outside the working directory changed";
  std::vector<std::string> beside;
  for (const auto& entry : fs::directory_iterator(box.root())) {
    beside.push_back(entry.path().filename().string());
  }
  std::sort(beside.begin(), beside.end());
  EXPECT_EQ(beside, (std::vector<std::string>{"outside", "src", "work"}));
}

INSTANTIATE_TEST_SUITE_P(Lists, Hostile, ::testing::ValuesIn(hostile_lists()),
                         [](const auto& info) { return info.param.name; });
INSTANTIATE_TEST_SUITE_P(FileSystem, Hostile, ::testing::ValuesIn(file_system_faults()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace e2e
