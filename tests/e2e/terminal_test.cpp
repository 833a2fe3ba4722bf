// The same runs shown on a terminal and redirected. On a terminal a person
// reads the messages as UTF-8 with plain line feeds; redirected, a script gets
// the exact bytes: Shift_JIS texts, native names as the system gave them,
// CR LF line ends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"

namespace e2e {
namespace {

// A stretch of expected output, written readably (UTF-8). Native stretches
// are names from the command line or the file system; the rest are message
// texts and names from list files, which the tool holds as Shift_JIS.
struct Stretch {
  std::string text;
  bool native = false;
};

Stretch native(std::string text) {
  return {std::move(text), true};
}

std::string on_terminal(const std::vector<Stretch>& out) {
  std::string shown;
  for (const Stretch& s : out) shown += s.text;
  return shown;
}

// Wine hands the Windows build its command line in the ANSI code page, which
// the Windows leg sets to 932: there native names are Shift_JIS too.
std::string redirected(const std::vector<Stretch>& out) {
  std::string bytes;
  for (const Stretch& s : out) {
    bytes += (s.native && !runs_windows_build()) ? s.text : console_text(s.text);
  }
  return bytes;
}

const std::string kHeader = "[BinaryCombineData]\n";
const Stretch kBanner = {"ノクタリア系 (Win)\n Dravonel Version 1.00\n\n"};

struct TerminalCase {
  std::string name;
  std::vector<Node> source;
  std::vector<std::string> args;
  std::vector<Stretch> out;
  int status = 0;
};

void PrintTo(const TerminalCase& c, std::ostream* os) {
  *os << c.name;
}

std::vector<TerminalCase> cases() {
  return {
      {"ScanOfAJapaneseDirectory",
       {file("ゲーム/a.bcl", sjis(kHeader + "画像.bcd\n[表紙.bmp]\n0\n2\n")),
        file("ゲーム/画像.bcd", "0123"), file("ゲーム/b.bcl", sjis(kHeader + "無い.bcd\n"))},
       {"../src/ゲーム"},
       {kBanner,
        {"\nパス名 ["},
        native("../src/ゲーム"),
        {"]\n\nディレクトリを作成しました [画像]\n ファイル名 [表紙.bmp]\tサイズ [2]\n"},
        // The archive's path joins the native directory and a list-file name.
        {"ファイルを開けませんでした ["},
        native("../src/ゲーム"),
        {"\\無い.bcd]\n\n変換を完了しました\n 元ファイル数 [2] : 作成ファイル数 [1]\n"}}},
      {"Usage",
       {},
       {},
       {kBanner,
        {"\n使用法:\t"},
        native("bcdunpack"),
        {" <SourceDIR>\n\n"
         " ノクタリア系 (Win) の\n"
         " *.bcd ファイルから個々のファイルを抽出します\n\n"
         " <SourceDIR> にゲームがインストールされたディレクトリを指定します\n"
         "  ※ 正しくは *.bcl が置かれたディレクトリを指定します\n\n"
         " 変換に成功するとカレントディレクトリに適宜ディレクトリが作成され\n"
         " その中に抽出したファイルが作成されます\n"}},
       1},
  };
}

class OnTerminal : public ::testing::TestWithParam<TerminalCase> {};

TEST_P(OnTerminal, ShowsUtf8WhileRedirectedGetsTheExactBytes) {
  const TerminalCase& c = GetParam();
  Sandbox terminal_box;
  Sandbox redirected_box;
  terminal_box.lay_out(terminal_box.source(), c.source);
  redirected_box.lay_out(redirected_box.source(), c.source);

  RunResult shown = run_tool_on_terminal(c.args, terminal_box.work());
  RunResult piped = run_tool(c.args, redirected_box.work());

  EXPECT_EQ(shown.out, on_terminal(c.out));
  EXPECT_EQ(shown.status, c.status);
  EXPECT_EQ(piped.out, redirected(c.out));
  EXPECT_EQ(piped.status, c.status);
}

INSTANTIATE_TEST_SUITE_P(Cases, OnTerminal, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace e2e
