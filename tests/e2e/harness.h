// Runs the built tool as a user would, in a scratch folder of its own, and
// reads back what it printed and wrote.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

namespace fs = std::filesystem;

// Readable (UTF-8) text as the Shift_JIS bytes the tool writes.
std::string sjis(std::string_view utf8);

// A whole expected console text: Shift_JIS, every line feed as CR LF.
std::string console_text(std::string_view utf8);

// One thing to lay out before a run.
struct Node {
  enum class Kind { file, dir, symlink, fifo };
  std::string path;     // relative to the folder it is laid out in; UTF-8
  std::string content;  // file bytes, or the symlink's target
  Kind kind = Kind::file;
  mode_t mode = 0;  // 0: the default for its kind
};

Node file(std::string path, std::string content, mode_t mode = 0);
Node dir(std::string path, mode_t mode = 0);
Node symlink(std::string path, std::string target);
Node fifo(std::string path);

// A fresh folder with src/ (the game directory) and work/ (the current
// directory of the run); removed with everything in it afterwards.
class Sandbox {
 public:
  Sandbox();
  ~Sandbox();
  Sandbox(const Sandbox&) = delete;
  Sandbox& operator=(const Sandbox&) = delete;

  const fs::path& root() const { return root_; }
  fs::path source() const { return root_ / "src"; }
  fs::path work() const { return root_ / "work"; }

  void lay_out(const fs::path& base, const std::vector<Node>& nodes) const;

 private:
  fs::path root_;
};

struct RunOptions {
  off_t file_size_limit = 0;  // RLIMIT_FSIZE for the tool, SIGXFSZ ignored; 0: none
  int timeout_seconds = 0;    // the tool is killed after this long; 0: no limit
  // Root without the rights to pass over file modes, as a plain user runs it.
  bool without_privileges = false;
};

struct RunResult {
  std::string out;  // standard output, byte for byte
  int status = -1;  // exit status, or -1 when it did not exit normally
  bool timed_out = false;
};

// Runs the tool (BCDUNPACK, else the build's own, behind BCDUNPACK_RUNNER
// when set, e.g. wine) in `cwd` with `args`, standard output to a pipe.
RunResult run_tool(const std::vector<std::string>& args, const fs::path& cwd,
                   const RunOptions& options = {});

// Runs the tool as run_tool does, but with a fresh pseudo-terminal as its
// standard input and output, as from an interactive shell. The terminal
// passes bytes through untouched (no LF to CR LF of its own), so `out` is
// exactly what the tool wrote to it. The Windows build runs on a console
// whose code page is 437, so that it reads right only through the console's
// wide-character output.
RunResult run_tool_on_terminal(const std::vector<std::string>& args, const fs::path& cwd);

// Whether the tool runs under a Windows runner (Wine).
bool runs_windows_build();

// Everything below `dir`: relative path -> file content, "<dir>" for a
// directory, "-> target" for a symbolic link, "<special>" for anything else.
std::map<std::string, std::string> read_tree(const fs::path& dir);

// A digest of every name, kind, mode and content below `dir`.
std::string fingerprint(const fs::path& dir);

}  // namespace e2e
