// The tool run end to end, as a user runs it: a game directory laid out in a
// scratch folder, the tool started from a fresh working directory, and its
// exact output bytes, exit status and output tree compared.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "harness.h"

namespace e2e {
namespace {

using Tree = std::map<std::string, std::string>;

const std::string kArchive = "0123456789ABCDEFGHIJ";  // 20 bytes
const std::string kHeader = "[BinaryCombineData]\n";

std::string rec(const std::string& name, const std::string& offset, const std::string& size) {
  return "[" + name + "]\n" + offset + "\n" + size + "\n";
}

const std::string kBanner = "ノクタリア系 (Win)\n Dravonel Version 1.00\n\n";

const std::string kUsage =
    "\n使用法:\tbcdunpack <SourceDIR>\n\n"
    " ノクタリア系 (Win) の\n"
    " *.bcd ファイルから個々のファイルを抽出します\n\n"
    " <SourceDIR> にゲームがインストールされたディレクトリを指定します\n"
    "  ※ 正しくは *.bcl が置かれたディレクトリを指定します\n\n"
    " 変換に成功するとカレントディレクトリに適宜ディレクトリが作成され\n"
    " その中に抽出したファイルが作成されます\n";

std::string dir_line(const std::string& name) {
  return "\nディレクトリを作成しました [" + name + "]\n";
}
std::string member(const std::string& name, const std::string& size) {
  return " ファイル名 [" + name + "]\tサイズ [" + size + "]\n";
}
std::string open_failed(const std::string& path) {
  return "ファイルを開けませんでした [" + path + "]\n";
}
std::string bad_format(const std::string& list) {
  return "変換できない形式です [" + list + "]\n";
}
std::string invalid_entry(const std::string& path) {
  return "不正なエントリです [" + path + "]\n";
}
std::string ends_early(const std::string& path) {
  return "アーカイブが途中で終わっています [" + path + "]\n";
}
std::string write_failed(const std::string& path) {
  return "ファイルに書き込めませんでした [" + path + "]\n";
}
std::string cannot_mkdir(const std::string& name) {
  return "ディレクトリを作成できません [" + name + "]\n";
}

// A whole run's output: banner, path line, what the lists printed, summary.
std::string scan(const std::string& source, const std::string& body, int lists, int files) {
  return kBanner + "\nパス名 [" + source + "]\n" + body + "\n変換を完了しました\n 元ファイル数 [" +
         std::to_string(lists) + "] : 作成ファイル数 [" + std::to_string(files) + "]\n";
}
std::string scan(const std::string& body, int lists, int files) {
  return scan("../src", body, lists, files);
}

// The usual game directory: data.bcl naming data.bcd.
std::vector<Node> game(const std::string& records, const std::string& archive = kArchive) {
  return {file("data.bcl", kHeader + "data.bcd\n" + records), file("data.bcd", archive)};
}

struct Case {
  std::string name;
  std::vector<Node> source;
  std::vector<std::string> args;
  std::string out;  // readable; compared as Shift_JIS with CR LF line ends
  Tree tree;        // the working directory after the run
  int status = 0;
  std::vector<Node> work = {};
  RunOptions options = {};
  // Under Wine only: why the case cannot show there what Windows does.
  std::string not_under_wine = {};
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

std::vector<std::string> src() {
  return {"../src"};
}

std::vector<Case> cases() {
  return {
      // Main path.
      {"ExtractsEveryMember",
       game(rec("a.txt", "0", "5") + rec("b.bin", "5", "10") + rec("c.dat", "15", "5")),
       src(),
       scan(dir_line("data") + member("a.txt", "5") + member("b.bin", "10") + member("c.dat", "5"),
            1, 3),
       {{"data", "<dir>"},
        {"data/a.txt", "01234"},
        {"data/b.bin", "56789ABCDE"},
        {"data/c.dat", "FGHIJ"}}},
      {"CrLfListReadsLikeLf",
       {file("data.bcl", "[BinaryCombineData]\r\ndata.bcd\r\n[a]\r\n2\r\n3\r\n"),
        file("data.bcd", kArchive)},
       src(),
       scan(dir_line("data") + member("a", "3"), 1, 1),
       {{"data", "<dir>"}, {"data/a", "234"}}},
      {"MembersMayOverlapAndRepeat",
       game(rec("x", "0", "4") + rec("y", "2", "4") + rec("x", "10", "2")),
       src(),
       scan(dir_line("data") + member("x", "4") + member("y", "4") + member("x", "2"), 1, 3),
       {{"data", "<dir>"}, {"data/x", "AB"}, {"data/y", "2345"}}},

      // The argument.
      {"NoArgumentGivesUsage", {}, {}, kBanner + kUsage, {}, 1},
      {"TwoArgumentsGiveUsage",
       game(rec("a", "0", "1")),
       {"../src", "../src"},
       kBanner + kUsage,
       {},
       1},
      {"DashGivesUsage", {}, {"-h"}, kBanner + kUsage, {}, 1},
      {"QuestionMarkGivesUsage", {}, {"?"}, kBanner + kUsage, {}, 1},
      {"SlashQuestionMarkGivesUsage", {}, {"/?"}, kBanner + kUsage, {}, 1},
      {"OptionCharacterNotFirstIsADirectory", {}, {"x-y"}, scan("x-y", "", 0, 0), {}},
      {"MissingDirectoryScansNothing", {}, {"../nowhere"}, scan("../nowhere", "", 0, 0), {}},
      {"TrailingBackslashIsDropped",
       game(rec("a", "0", "1")),
       {"../src\\"},
       scan(dir_line("data") + member("a", "1"), 1, 1),
       {{"data", "<dir>"}, {"data/a", "0"}}},
      {"TrailingQuoteIsDropped",
       game(rec("a", "0", "1")),
       {"../src\""},
       scan(dir_line("data") + member("a", "1"), 1, 1),
       {{"data", "<dir>"}, {"data/a", "0"}}},
      {"DotsInTheDirectoryNameAreKept",
       {file("my.game.data/d.bcl", kHeader + "d.bcd\n" + rec("a", "1", "1")),
        file("my.game.data/d.bcd", kArchive)},
       {"../src/my.game.data"},
       scan("../src/my.game.data", dir_line("d") + member("a", "1"), 1, 1),
       {{"d", "<dir>"}, {"d/a", "1"}}},
      {"DotIsTheCurrentDirectory",
       {},
       {"."},
       scan(".", dir_line("d") + member("a", "1"), 1, 1),
       {{"d", "<dir>"},
        {"d/a", "1"},
        {"d.bcl", kHeader + "d.bcd\n" + rec("a", "1", "1")},
        {"d.bcd", kArchive}},
       0,
       {file("d.bcl", kHeader + "d.bcd\n" + rec("a", "1", "1")), file("d.bcd", kArchive)}},

      // The list files the search finds, and in which order.
      {"ListFilesInNameOrderAndFailuresDoNotStopTheScan",
       {file("b.bcl", kHeader + "b.bcd\n" + rec("m", "0", "2")), file("b.bcd", kArchive),
        file("A.BCL", kHeader + "a.bcd\n" + rec("m", "2", "2")), file("a.bcd", kArchive),
        file("c.bcl", "junk\n"), file("notes.txt", "not a list")},
       src(),
       scan(dir_line("a") + member("m", "2") + dir_line("b") + member("m", "2") +
                bad_format("c.bcl"),
            3, 2),
       {{"a", "<dir>"}, {"a/m", "23"}, {"b", "<dir>"}, {"b/m", "01"}}},
      {"HiddenListFileIsNotCounted",
       {file(".hidden.bcl", kHeader + "data.bcd\n" + rec("a", "0", "1")),
        file("data.bcd", kArchive)},
       src(),
       scan("", 0, 0),
       {}},
      {"PlainDirectoryNamedLikeAListIsSkipped", {dir("x.bcl")}, src(), scan("", 0, 0), {}},
      {"ReadOnlyDirectoryNamedLikeAListFailsToOpen",
       {dir("x.bcl", 0555)},
       src(),
       scan(open_failed("../src\\x.bcl"), 1, 0),
       {}},
      {"FifoNamedLikeAListFailsWithoutBlocking",
       {fifo("x.bcl")},
       src(),
       scan(open_failed("../src\\x.bcl"), 1, 0),
       {}},

      // Header and archive line.
      {"HeaderInOtherCaseIsRejected",
       {file("l.bcl", "[binarycombinedata]\nd.bcd\n")},
       src(),
       scan(bad_format("l.bcl"), 1, 0),
       {}},
      {"HeaderWithTrailingBlankIsRejected",
       {file("l.bcl", "[BinaryCombineData] \nd.bcd\n")},
       src(),
       scan(bad_format("l.bcl"), 1, 0),
       {}},
      {"UnterminatedHeaderAloneIsRejected",
       {file("l.bcl", "[BinaryCombineData]")},
       src(),
       scan(bad_format("l.bcl"), 1, 0),
       {}},
      {"HeaderWithoutArchiveLineIsRejected",
       {file("l.bcl", kHeader)},
       src(),
       scan(bad_format("l.bcl"), 1, 0),
       {}},
      {"EmptyListIsRejected", {file("l.bcl", "")}, src(), scan(bad_format("l.bcl"), 1, 0), {}},
      {"CrOnlyLineEndsReadAsOneLine",
       {file("l.bcl", "[BinaryCombineData]\rd.bcd\r")},
       src(),
       scan(bad_format("l.bcl"), 1, 0),
       {}},
      {"ZeroByteInHeaderIsRejected",
       {file("l.bcl", std::string("[BinaryCombineData]\0\nd.bcd\n", 27))},
       src(),
       scan(bad_format("l.bcl"), 1, 0),
       {}},
      {"MissingArchiveIsReported",
       {file("l.bcl", kHeader + "gone.bcd\n" + rec("a", "0", "1"))},
       src(),
       scan(open_failed("../src\\gone.bcd"), 1, 0),
       {}},
      {"ArchiveThatIsADirectoryIsReported",
       {file("l.bcl", kHeader + "d.bcd\n" + rec("a", "0", "1")), dir("d.bcd")},
       src(),
       scan(open_failed("../src\\d.bcd"), 1, 0),
       {}},
      {"ArchiveInASubdirectoryNamesTheOutputByItsTitle",
       {file("l.bcl", kHeader + "sub\\pack.v2.bcd\n" + rec("a", "0", "2")),
        file("sub/pack.v2.bcd", kArchive)},
       src(),
       scan(dir_line("pack") + member("a", "2"), 1, 1),
       {{"pack", "<dir>"}, {"pack/a", "01"}}},
      {"ArchiveWithALeadingDotKeepsItsWholeName",
       {file("l.bcl", kHeader + ".data.bcd\n" + rec("a", "0", "2")), file(".data.bcd", kArchive)},
       src(),
       scan(dir_line(".data.bcd") + member("a", "2"), 1, 1),
       {{".data.bcd", "<dir>"}, {".data.bcd/a", "01"}}},
      {"JapaneseArchiveName",
       {file("l.bcl", sjis(kHeader + "画像.bcd\n") + rec("a", "0", "2")),
        file("画像.bcd", kArchive)},
       src(),
       scan(dir_line("画像") + member("a", "2"), 1, 1),
       {{"画像", "<dir>"}, {"画像/a", "01"}}},
      {"ListWithoutRecordsCreatesNoDirectory", game(""), src(), scan(dir_line("data"), 1, 0), {}},

      // Records.
      {"TextBetweenRecordsIsSkipped",
       game("\n; comment\n" + rec("a", "0", "1") + "\n\nnote\n" + rec("b", "1", "1")),
       src(),
       scan(dir_line("data") + member("a", "1") + member("b", "1"), 1, 2),
       {{"data", "<dir>"}, {"data/a", "0"}, {"data/b", "1"}}},
      {"LastSizeLineWithoutLineFeedCounts",
       game("[a]\n0\n3"),
       src(),
       scan(dir_line("data") + member("a", "3"), 1, 1),
       {{"data", "<dir>"}, {"data/a", "012"}}},
      {"RecordWithoutSizeLineIsDropped",
       game(rec("a", "0", "1") + "[b]\n0\n"),
       src(),
       scan(dir_line("data") + member("a", "1"), 1, 1),
       {{"data", "<dir>"}, {"data/a", "0"}}},
      {"EndOfTextByteEndsTheList",
       game(rec("a", "0", "1") + "\x1A" + rec("b", "1", "1")),
       src(),
       scan(dir_line("data") + member("a", "1"), 1, 1),
       {{"data", "<dir>"}, {"data/a", "0"}}},
      {"ZeroByteEndsTheLine",
       game(std::string("[a.bin\0x]\n0\n2\n", 14)),
       src(),
       scan(dir_line("data") + member("a.bin", "2"), 1, 1),
       {{"data", "<dir>"}, {"data/a.bin", "01"}}},
      {"LongNameLineStaysInStep",
       game(rec(std::string(200, 'n'), "0", "1") + rec("b", "1", "1")),
       src(),
       scan(dir_line("data") + member(std::string(200, 'n'), "1") + member("b", "1"), 1, 2),
       {{"data", "<dir>"}, {"data/" + std::string(200, 'n'), "0"}, {"data/b", "1"}}},
      {"NumbersAsTheListWritesThem",
       game(rec("a", " \t+3", "2 bytes") + rec("b", "none", "-0") + rec("c", "18", "")),
       src(),
       scan(dir_line("data") + member("a", "2") + member("b", "0") + member("c", "0"), 1, 3),
       {{"data", "<dir>"}, {"data/a", "34"}, {"data/b", ""}, {"data/c", ""}}},
      {"NegativeOffsetIsInvalid",
       game(rec("a", "0", "1") + rec("b", "-1", "1") + rec("c", "0", "1")),
       src(),
       scan(dir_line("data") + member("a", "1") + invalid_entry("data\\b"), 1, 1),
       {{"data", "<dir>"}, {"data/a", "0"}}},
      {"SizePastTheSigned32BitRangeIsInvalid",
       game(rec("a", "0", "2147483648")),
       src(),
       scan(dir_line("data") + invalid_entry("data\\a"), 1, 0),
       {}},
      {"LargestSizeIsCopiedAsFarAsTheArchiveGoes",
       game(rec("a", "18", "2147483647")),
       src(),
       scan(dir_line("data") + member("a", "2147483647") + ends_early("data\\a"), 1, 1),
       {{"data", "<dir>"}, {"data/a", "IJ"}}},
      {"ShortMemberIsKeptAndTheListGoesOn",
       game(rec("a", "15", "10") + rec("b", "30", "4") + rec("c", "0", "0") + rec("d", "0", "1")),
       src(),
       scan(dir_line("data") + member("a", "10") + ends_early("data\\a") + member("b", "4") +
                ends_early("data\\b") + member("c", "0") + member("d", "1"),
            1, 4),
       {{"data", "<dir>"}, {"data/a", "FGHIJ"}, {"data/b", ""}, {"data/c", ""}, {"data/d", "0"}}},

      // Member names.
      {"MemberNamesLoseOnlyTheirDirectories",
       game(rec("bg\\title.bmp", "0", "1") + rec("..\\x.bin", "1", "1") + rec("sub/a.b", "2", "1") +
            rec("C:drive.txt", "3", "1") + rec(".cfg", "4", "1") + rec("x.ja.txt", "5", "1") +
            rec("x.en.txt", "6", "1") + "[no-bracket\n7\n1\n"),
       src(),
       scan(dir_line("data") + member("title.bmp", "1") + member("x.bin", "1") +
                member("a.b", "1") + member("drive.txt", "1") + member(".cfg", "1") +
                member("x.ja.txt", "1") + member("x.en.txt", "1") + member("no-bracket", "1"),
            1, 8),
       {{"data", "<dir>"},
        {"data/title.bmp", "0"},
        {"data/x.bin", "1"},
        {"data/a.b", "2"},
        {"data/drive.txt", "3"},
        {"data/.cfg", "4"},
        {"data/x.ja.txt", "5"},
        {"data/x.en.txt", "6"},
        {"data/no-bracket", "7"}}},
      {"JapaneseMemberNamesKeepTheirSecondByte",
       game(sjis(rec("表紙.bmp", "0", "2") + rec("画像\\ソフト.txt", "2", "2"))),
       src(),
       scan(dir_line("data") + member("表紙.bmp", "2") + member("ソフト.txt", "2"), 1, 2),
       {{"data", "<dir>"}, {"data/表紙.bmp", "01"}, {"data/ソフト.txt", "23"}}},
      {"EmptyMemberNameStopsTheList",
       game(rec("a", "0", "1") + rec("", "0", "1") + rec("b", "0", "1")),
       src(),
       scan(dir_line("data") + member("a", "1") + member("", "1") + open_failed("data\\"), 1, 1),
       {{"data", "<dir>"}, {"data/a", "0"}}},
      {"DotDotMemberNameStopsTheList",
       game(rec("sub\\..", "0", "1") + rec("b", "0", "1")),
       src(),
       scan(dir_line("data") + member("..", "1") + open_failed("data\\.."), 1, 0),
       {{"data", "<dir>"}}},

      // What stands in the way in the working directory.
      {"ExistingOutputIsOverwritten",
       game(rec("a", "0", "2")),
       src(),
       scan(dir_line("data") + member("a", "2"), 1, 1),
       {{"data", "<dir>"}, {"data/a", "01"}},
       0,
       {file("data/a", "old and longer")}},
      {"OutputDirectoryBlockedByAFile",
       game(rec("a", "0", "1")),
       src(),
       scan(dir_line("data") + member("a", "1") + cannot_mkdir("data"), 1, 0),
       {{"data", "not a directory"}},
       0,
       {file("data", "not a directory")}},
      {"MemberBlockedByADirectory",
       game(rec("a", "0", "1") + rec("b", "1", "1")),
       src(),
       scan(dir_line("data") + member("a", "1") + open_failed("data\\a"), 1, 0),
       {{"data", "<dir>"}, {"data/a", "<dir>"}},
       0,
       {dir("data/a")}},
      {"MemberBlockedByAReadOnlyFile",
       game(rec("a", "0", "1")),
       src(),
       scan(dir_line("data") + member("a", "1") + open_failed("data\\a"), 1, 0),
       {{"data", "<dir>"}, {"data/a", "keep"}},
       0,
       {file("data/a", "keep", 0444)}},
      {"MemberBlockedByASymbolicLink",
       game(rec("a", "0", "1")),
       src(),
       scan(dir_line("data") + member("a", "1") + open_failed("data\\a"), 1, 0),
       {{"data", "<dir>"}, {"data/a", "-> ../target"}, {"target", "untouched"}},
       0,
       {file("target", "untouched"), symlink("data/a", "../target")},
       {},
       "Wine shows a Unix symbolic link to a file as the plain file it points to; Windows marks "
       "a link as a reparse point, which the tool refuses"},
      {"DiskFullRemovesThePartialMemberAndGoesOnWithTheNextList",
       {file("a.bcl", kHeader + "a.bcd\n" + rec("m1", "0", "3") + rec("m2", "0", "10") +
                          rec("m3", "0", "1")),
        file("a.bcd", kArchive), file("b.bcl", kHeader + "b.bcd\n" + rec("n", "0", "2")),
        file("b.bcd", kArchive)},
       src(),
       scan(dir_line("a") + member("m1", "3") + member("m2", "10") + write_failed("a\\m2") +
                dir_line("b") + member("n", "2"),
            2, 2),
       {{"a", "<dir>"}, {"a/m1", "012"}, {"b", "<dir>"}, {"b/n", "01"}},
       0,
       {},
       RunOptions{.file_size_limit = 4}},
  };
}

class EndToEnd : public ::testing::TestWithParam<Case> {};

TEST_P(EndToEnd, PrintsWritesAndExitsAsExpected) {
  const Case& c = GetParam();
  if (runs_windows_build() && !c.not_under_wine.empty()) GTEST_SKIP() << c.not_under_wine;
  Sandbox box;
  box.lay_out(box.source(), c.source);
  box.lay_out(box.work(), c.work);
  std::string source_before = fingerprint(box.source());

  RunResult result = run_tool(c.args, box.work(), c.options);

  EXPECT_EQ(result.out, console_text(c.out));
  EXPECT_EQ(result.status, c.status);
  EXPECT_EQ(read_tree(box.work()), c.tree);
  EXPECT_EQ(fingerprint(box.source()), source_before) << "the source directory changed";
}

INSTANTIATE_TEST_SUITE_P(Cases, EndToEnd, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return info.param.name; });

// The bundled sample extracts to exactly the members its maker script packed.
TEST(SampleGame, ExtractsEveryMemberByteForByte) {
  Sandbox box;
  fs::copy(fs::path(BCD_SOURCE_DIR) / "sample" / "game", box.source());
  RunResult result = run_tool({"../src"}, box.work());
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.out.find(sjis("作成ファイル数 [4]")), std::string::npos);

  Tree tree = read_tree(box.work());
  std::string archive = read_tree(box.source())["sample.bcd"];
  std::string bitmap = tree["sample/title.bmp"];
  EXPECT_EQ(bitmap.substr(0, 2), "BM");
  EXPECT_EQ(archive.substr(0, bitmap.size()), bitmap);
  EXPECT_EQ(tree["sample/はじめに.txt"], sjis("このファイルは見本です。\r\n"));
  EXPECT_EQ(tree["sample/voice.ja.txt"], "konnichiwa\r\n");
  EXPECT_EQ(tree["sample/voice.en.txt"], "hello\r\n");
}

}  // namespace
}  // namespace e2e
