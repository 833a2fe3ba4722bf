// What only the Windows build shows: the command line split by the C runtime's
// rules from exactly what was typed, the hidden and system attributes Windows
// keeps beside a file, names that reach a device rather than a file, and the
// program's own name in the usage text. These cases run against the Windows
// build under Wine and are skipped for any other build.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "harness.h"

namespace e2e {
namespace {

using Tree = std::map<std::string, std::string>;

const std::string kHeader = "[BinaryCombineData]\n";

std::string data_list(const std::string& member) {
  return kHeader + "data.bcd\n[" + member + "]\n0\n1\n";
}

bool printed(const RunResult& result, const std::string& utf8) {
  return result.out.find(console_text(utf8)) != std::string::npos;
}

std::string path_line(const std::string& source) {
  return "\nパス名 [" + source + "]\n";
}
std::string summary(int lists, int files) {
  return " 元ファイル数 [" + std::to_string(lists) + "] : 作成ファイル数 [" +
         std::to_string(files) + "]\n";
}
std::string open_failed(const std::string& path) {
  return "ファイルを開けませんでした [" + path + "]\n";
}

// Wine shows the Unix root as drive Z:.
std::string windows_path(const fs::path& path) {
  std::string out = "Z:" + fs::absolute(path).string();
  std::replace(out.begin(), out.end(), '/', '\\');
  return out;
}

std::string tool_path() {
  const char* tool = std::getenv("BCDUNPACK");
  return tool ? tool : "";
}

// Runs `program` (a Windows command or a copy of the tool) behind the tool's
// runner, the way the harness runs the tool itself.
RunResult run_program(const std::string& program, const std::vector<std::string>& args,
                      const fs::path& cwd) {
  std::string tool = tool_path();
  ::setenv("BCDUNPACK", program.c_str(), 1);
  RunResult result = run_tool(args, cwd);
  ::setenv("BCDUNPACK", tool.c_str(), 1);
  return result;
}

// The tool started by a command line exactly as typed at a prompt. Wine would
// quote separate arguments its own way, so the line goes into a batch file.
RunResult run_typed(const Sandbox& box, const std::string& program, const std::string& arguments) {
  fs::path batch = box.root() / "typed.bat";
  std::ofstream(batch, std::ios::binary) << "@" << program << " " << arguments << "\r\n";
  return run_program("cmd", {"/c", windows_path(batch)}, box.work());
}

// Sets Windows file attributes (attrib's +h, +s, +r) on `name` in `dir`.
void set_attributes(const fs::path& dir, const std::string& flag, const std::string& name) {
  std::vector<std::string> args = {flag};
  if (fs::is_directory(dir / name)) args.push_back("/d");
  args.push_back(name);
  ASSERT_EQ(run_program("attrib", args, dir).status, 0) << "attrib " << flag << " " << name;
}

class WindowsBuild : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!runs_windows_build()) GTEST_SKIP() << "only the Windows build under Wine shows this";
    ASSERT_FALSE(tool_path().empty()) << "BCDUNPACK names the Windows build";
  }
};

// The argument as the C runtime splits the typed line, then the tool's own
// clean-up: one trailing double quote, else one trailing backslash, goes.
struct TypedCase {
  std::string name;
  std::string typed;                  // after the program name
  std::optional<std::string> source;  // the path line; none: the usage text
  bool extracts = false;              // whether ../src was found and extracted
};

std::vector<TypedCase> typed_cases() {
  return {
      // A backslash before a double quote makes the quote literal.
      {"QuotedDirectoryWithTrailingBackslash", R"("..\src\")", R"(..\src)", true},
      {"WordAfterAQuotedTrailingBackslashJoinsTheArgument", R"("..\src\" more)", R"(..\src" more)",
       false},
      {"OddBackslashesBeforeAQuoteKeepOneBackslash", R"(..\src\\\")", R"(..\src\)", true},
      {"EvenBackslashesBeforeAQuoteAreHalved", R"("..\src\\")", R"(..\src)", true},
      {"QuotesMayOpenAndCloseInsideAWord", R"(..\s"r"c)", R"(..\src)", true},
      {"DoubledQuoteInsideQuotesIsLiteral", R"("..\s""rc")", R"(..\s"rc)", false},
      {"TabSeparatesArguments", "..\\src\t..\\src", std::nullopt},
      {"LeadingSlashIsAnOption", "/src", std::nullopt},
  };
}

class TypedCommandLine : public WindowsBuild, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedCommandLine, SplitsAndCleansTheArgument) {
  const TypedCase& c = GetParam();
  Sandbox box;
  box.lay_out(box.source(), {file("data.bcl", data_list("a")), file("data.bcd", "0123")});

  RunResult result = run_typed(box, "\"" + windows_path(tool_path()) + "\"", c.typed);

  if (!c.source) {
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(printed(result, "\n使用法:\t")) << result.out;
    return;
  }
  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(printed(result, path_line(*c.source))) << result.out;
  EXPECT_TRUE(printed(result, summary(c.extracts ? 1 : 0, c.extracts ? 1 : 0))) << result.out;
  Tree extracted = {{"data", "<dir>"}, {"data/a", "0"}};
  EXPECT_EQ(read_tree(box.work()), c.extracts ? extracted : Tree{});
}

INSTANTIATE_TEST_SUITE_P(Cases, TypedCommandLine, ::testing::ValuesIn(typed_cases()),
                         [](const auto& info) { return info.param.name; });

// Under the search's mask a hidden or system file is not found, a read-only
// one is, and a directory is found whatever its attributes: one with any
// attribute beyond "directory" is handed on, fails to open and is counted.
TEST_F(WindowsBuild, HiddenAndSystemListFilesAreNotFound) {
  Sandbox box;
  box.lay_out(box.source(),
              {file("plain.bcl", data_list("plain")), file("readonly.bcl", data_list("readonly")),
               file("hidden.bcl", data_list("hidden")), file("system.bcl", data_list("system")),
               dir("hiddendir.bcl"), file("data.bcd", "0123")});
  set_attributes(box.source(), "+r", "readonly.bcl");
  set_attributes(box.source(), "+h", "hidden.bcl");
  set_attributes(box.source(), "+s", "system.bcl");
  set_attributes(box.source(), "+h", "hiddendir.bcl");

  RunResult result = run_tool({"../src"}, box.work());

  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(printed(result, open_failed("../src\\hiddendir.bcl"))) << result.out;
  EXPECT_TRUE(printed(result, summary(3, 2))) << result.out;
  EXPECT_EQ(read_tree(box.work()),
            (Tree{{"data", "<dir>"}, {"data/plain", "0"}, {"data/readonly", "0"}}))
      << "a member of a hidden or system list was written (Wine keeps attributes in user.* "
         "extended attributes: does the temporary folder's file system have them?)";
}

// "*.bcl" also matches names whose 8.3 short name ends in .BCL.
TEST_F(WindowsBuild, OnlyLongNamesEndingInTheListExtensionAreLists) {
  Sandbox box;
  box.lay_out(box.source(), {file("data.bclx", data_list("a")),
                             file("long name.bclxyz", data_list("b")), file("data.bcd", "0123")});

  RunResult result = run_tool({"../src"}, box.work());

  EXPECT_TRUE(printed(result, summary(0, 0))) << result.out;
  EXPECT_EQ(read_tree(box.work()), Tree{});
}

// An archive named NUL or CON opens a device, which has nothing to read.
TEST_F(WindowsBuild, ArchiveNamedLikeADeviceIsNotOpened) {
  for (const std::string device : {"NUL", "con.bcd"}) {
    SCOPED_TRACE(device);
    Sandbox box;
    box.lay_out(box.source(), {file("data.bcl", kHeader + device + "\n[a]\n0\n1\n")});

    RunResult result = run_tool({"../src"}, box.work());

    EXPECT_TRUE(printed(
        result, open_failed("../src\\" + device) + "\n変換を完了しました\n" + summary(1, 0)))
        << result.out;
    EXPECT_EQ(read_tree(box.work()), Tree{});
  }
}

// A hidden or system file where a member goes was put there on purpose.
TEST_F(WindowsBuild, HiddenOrSystemFileBlocksTheMember) {
  for (const std::string flag : {"+h", "+s"}) {
    SCOPED_TRACE(flag);
    Sandbox box;
    box.lay_out(box.source(), {file("data.bcl", data_list("a")), file("data.bcd", "0123")});
    box.lay_out(box.work(), {file("data/a", "keep")});
    set_attributes(box.work() / "data", flag, "a");

    RunResult result = run_tool({"../src"}, box.work());

    EXPECT_TRUE(printed(result, open_failed("data\\a") + "\n変換を完了しました\n" + summary(1, 0)))
        << result.out;
    EXPECT_EQ(read_tree(box.work()), (Tree{{"data", "<dir>"}, {"data/a", "keep"}}));
  }
}

// CON, NUL, COM1... name a device in every directory, with any extension and
// in any letter case; Windows refuses wildcard characters in a name. Such a
// member stops its list; names that only look alike are written.
TEST_F(WindowsBuild, NamesThatAreNoFileAreRefused) {
  const std::vector<std::string> refused = {"CON",     "nul.txt",  "Com1.bin", "lpt9",
                                            "CONOUT$", "aux .log", "wh?t.txt", "a<b"};
  const std::vector<std::string> written = {"COM10", "CONSOLE.txt", "NULL", "lpt", "con_"};
  for (const std::vector<std::string>* names : {&refused, &written}) {
    for (const std::string& name : *names) {
      SCOPED_TRACE(name);
      bool writes = names == &written;
      Sandbox box;
      box.lay_out(box.source(),
                  {file("data.bcl", data_list(name) + "[b]\n1\n1\n"), file("data.bcd", "0123")});

      RunResult result = run_tool({"../src"}, box.work());

      EXPECT_EQ(printed(result, open_failed("data\\" + name)), !writes) << result.out;
      EXPECT_TRUE(printed(result, summary(1, writes ? 2 : 0))) << result.out;
      Tree expected = {{"data", "<dir>"}};
      if (writes) expected.insert({{"data/" + name, "0"}, {"data/b", "1"}});
      EXPECT_EQ(read_tree(box.work()), expected);
    }
  }
}

// The usage text names the program by the title of the file it was started
// from, however it was typed: no directory, nothing from the first dot on. A
// quoted program name may hold blanks and still leaves one argument one.
TEST_F(WindowsBuild, ProgramNamedByItsFileTitleWhereverItLies) {
  Sandbox box;
  box.lay_out(box.source(), {file("data.bcl", data_list("a")), file("data.bcd", "0123")});
  fs::path copy = box.root() / "my tools v1.2" / "Unpack.Tool.exe";
  fs::create_directories(copy.parent_path());
  fs::copy_file(tool_path(), copy);
  const std::string typed_name = "\"..\\my tools v1.2\\Unpack.Tool\"";

  for (const RunResult& usage :
       {run_program(copy.string(), {}, box.work()), run_typed(box, typed_name, "")}) {
    EXPECT_EQ(usage.status, 1);
    EXPECT_TRUE(printed(usage, "\n使用法:\tUnpack <SourceDIR>\n")) << usage.out;
  }
  for (const RunResult& scan : {run_program(copy.string(), {"../src"}, box.work()),
                                run_typed(box, typed_name, "..\\src")}) {
    EXPECT_EQ(scan.status, 0);
    EXPECT_TRUE(printed(scan, summary(1, 1))) << scan.out;
  }
}

}  // namespace
}  // namespace e2e
