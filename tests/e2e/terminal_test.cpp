// The same runs shown on a terminal and redirected. On a terminal a person
// reads the messages as UTF-8 with plain line feeds; redirected, a script gets
// the exact bytes: Shift_JIS texts, native names as the system gave them,
// CR LF line ends.
//
// The Windows build runs under Wine on the pseudo-terminal, which Wine turns
// into a real console (GetConsoleMode succeeds) whose code page the harness
// sets to 437: the text reads right there only when the tool writes it as
// wide characters. Wine's console draws a screen rather than passing the
// stream through, so there what is compared is the text on that screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"

namespace e2e {
namespace {

// A stretch of expected output: what a terminal shows (UTF-8), and the bytes
// a redirected run writes for it.
struct Stretch {
  // A message text or a name from a list file: Shift_JIS when redirected.
  Stretch(const char* text) : shown(text), written(console_text(text)) {}  // NOLINT: implicit
  Stretch(std::string shown, std::string written)
      : shown(std::move(shown)), written(std::move(written)) {}
  std::string shown;
  std::string written;
};

// A name from the command line or the file system, written as the system
// gave it: UTF-8 on Linux; Shift_JIS under Wine, which hands the Windows
// build its command line in the ANSI code page (932 in the Windows leg).
Stretch native(const std::string& text) {
  return {text, runs_windows_build() ? sjis(text) : text};
}

// Bytes from a list file that are not valid Shift_JIS: written as they are,
// shown escaped.
Stretch invalid(std::string bytes, std::string shown) {
  return {std::move(shown), std::move(bytes)};
}

std::string on_terminal(const std::vector<Stretch>& out) {
  std::string text;
  for (const Stretch& s : out) text += s.shown;
  return text;
}

std::string redirected(const std::vector<Stretch>& out) {
  std::string bytes;
  for (const Stretch& s : out) bytes += s.written;
  return bytes;
}

// Wine's console draws its screen on the terminal it was given: cursor and
// erase sequences between the characters, CR LF line ends, and a tab as
// spaces or as a cursor move forward. What a person reads there is the text
// without them, where only how wide a blank is may differ.
std::string screen_text(std::string_view drawn) {
  std::string text;
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    if (drawn[i] == '\x1B' && i + 1 < drawn.size() && drawn[i + 1] == '[') {
      std::size_t end = i + 2;
      while (end < drawn.size() && !(drawn[end] >= '@' && drawn[end] <= '~')) ++end;
      if (end < drawn.size() && drawn[end] == 'C') {
        std::string count(drawn.substr(i + 2, end - i - 2));
        text.append(count.empty() ? 1 : std::stoul(count), ' ');
      }
      i = end;
    } else if (drawn[i] != '\r') {
      text += drawn[i];
    }
  }
  return text;
}

// Each run of spaces and tabs as one space.
std::string blanks_as_one(std::string_view text) {
  std::string out;
  for (char c : text) {
    bool blank = c == ' ' || c == '\t';
    if (!blank) {
      out += c;
    } else if (out.empty() || out.back() != ' ') {
      out += ' ';
    }
  }
  return out;
}

const std::string kHeader = "[BinaryCombineData]\n";
constexpr const char* kBanner = "ノクタリア系 (Win)\n Dravonel Version 1.00\n\n";
constexpr const char* kDone = "\n変換を完了しました\n 元ファイル数 [";

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
       {kBanner, "\nパス名 [", native("../src/ゲーム"),
        "]\n\nディレクトリを作成しました [画像]\n ファイル名 [表紙.bmp]\tサイズ [2]\n"
        // The archive's path joins the native directory and a list-file name.
        "ファイルを開けませんでした [",
        native("../src/ゲーム"), "\\無い.bcd]\n", kDone, "2] : 作成ファイル数 [1]\n"}},
      {"ListNamesNotValidInShiftJisAreShownEscaped",
       {file("l.bcl", kHeader + "d.bcd\n[\x85\x40z]\n0\n1\n[a\x83]\n1\n1\n"),
        file("d.bcd", "0123")},
       {"../src"},
       {kBanner, "\nパス名 [", native("../src"),
        "]\n\nディレクトリを作成しました [d]\n ファイル名 [",
        // An unassigned double-byte character, then a lead byte at the end.
        invalid("\x85\x40z", "\\x85\\x40z"), "]\tサイズ [1]\n ファイル名 [",
        invalid("a\x83", "a\\x83"), "]\tサイズ [1]\n", kDone, "1] : 作成ファイル数 [2]\n"}},
      {"Usage",
       {},
       {},
       {kBanner, "\n使用法:\t", native("bcdunpack"),
        " <SourceDIR>\n\n"
        " ノクタリア系 (Win) の\n"
        " *.bcd ファイルから個々のファイルを抽出します\n\n"
        " <SourceDIR> にゲームがインストールされたディレクトリを指定します\n"
        "  ※ 正しくは *.bcl が置かれたディレクトリを指定します\n\n"
        " 変換に成功するとカレントディレクトリに適宜ディレクトリが作成され\n"
        " その中に抽出したファイルが作成されます\n"},
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

  if (runs_windows_build()) {
    EXPECT_EQ(blanks_as_one(screen_text(shown.out)), blanks_as_one(on_terminal(c.out)));
  } else {
    EXPECT_EQ(shown.out, on_terminal(c.out));
  }
  EXPECT_EQ(shown.status, c.status);
  EXPECT_EQ(piped.out, redirected(c.out));
  EXPECT_EQ(piped.status, c.status);
}

INSTANTIATE_TEST_SUITE_P(Cases, OnTerminal, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace e2e
