#include "harness.h"

#include <fcntl.h>
#include <linux/capability.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <stdexcept>

#include "support/iconv_text.h"

namespace e2e {
namespace {

std::string env_or(const char* name, std::string fallback) {
  const char* value = std::getenv(name);
  return (value && *value) ? value : fallback;
}

std::string read_all(int fd) {
  std::string out;
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    out.append(buffer, static_cast<std::size_t>(n));
  }
  return out;
}

// Reads `fd` to its end, unless `pid` takes longer than `seconds`: then it is
// killed and false returned.
bool read_all_within(int fd, pid_t pid, int seconds, std::string& out) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  for (;;) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd ready{fd, POLLIN, 0};
    int n = left.count() > 0 ? ::poll(&ready, 1, static_cast<int>(left.count())) : 0;
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) {
      ::kill(pid, SIGKILL);
      return false;
    }
    char buffer[65536];
    ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return true;
    out.append(buffer, static_cast<std::size_t>(got));
  }
}

// Takes from root, for the program it is about to run, the capabilities that
// let it read and write whatever the file modes say.
void drop_file_privileges() {
  for (int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
    if (::prctl(PR_CAPBSET_DROP, capability, 0, 0, 0) != 0) ::_exit(125);
  }
}

std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// Gives back the owner's rights below `dir`, so that a test that took them
// away can still be cleaned up.
void make_removable(const fs::path& dir) {
  std::error_code ec;
  fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
  for (auto it = fs::recursive_directory_iterator(dir, ec); !ec && it != fs::end(it);
       it.increment(ec)) {
    if (it->is_directory(ec) && !it->is_symlink(ec)) {
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
  }
}

// The command line that runs the tool: BCDUNPACK or the build's own, behind
// BCDUNPACK_RUNNER when that is set.
std::vector<std::string> tool_command(const std::vector<std::string>& args) {
  std::vector<std::string> argv;
  std::string runner = env_or("BCDUNPACK_RUNNER", "");
  if (!runner.empty()) argv.push_back(runner);
  argv.push_back(env_or("BCDUNPACK", BCDUNPACK_PATH));
  argv.insert(argv.end(), args.begin(), args.end());
  return argv;
}

// The Windows build on a console whose code page is first set to 437 (US
// English): there only text written as wide characters reads right, while
// Shift_JIS bytes written as they are would show as mojibake. The cases'
// arguments hold no blanks or quotes, so they need no quoting for cmd.
std::vector<std::string> us_console_command(const std::vector<std::string>& args) {
  std::string line = "chcp 437 >nul & " + env_or("BCDUNPACK", BCDUNPACK_PATH);
  for (const std::string& arg : args) line += " " + arg;
  return {env_or("BCDUNPACK_RUNNER", ""), "cmd", "/c", line};
}

std::vector<char*> c_strings(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

// In the child after fork: never returns.
[[noreturn]] void exec_in(const fs::path& cwd, const std::vector<char*>& c_argv) {
  if (::chdir(cwd.c_str()) != 0) ::_exit(126);
  ::execvp(c_argv[0], c_argv.data());
  ::_exit(127);
}

int wait_for(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

int exit_status(int wait_status) {
  return WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1;
}

// Reads the terminal until every writer has closed it, or until the tool has
// exited and the terminal stays quiet: a helper process the runner started
// (Wine's server) may hold the terminal open long after. Returns the tool's
// wait status when it was reaped here. A tool that hangs is killed.
std::optional<int> read_terminal(int terminal, pid_t pid, std::string& out) {
  using Clock = std::chrono::steady_clock;
  constexpr auto kQuiet = std::chrono::milliseconds(500);
  constexpr auto kLimit = std::chrono::seconds(60);
  const auto start = Clock::now();
  std::optional<int> status;
  auto last_output = Clock::now();
  for (;;) {
    pollfd ready{terminal, POLLIN, 0};
    int n = ::poll(&ready, 1, 50);
    if (n < 0 && errno != EINTR) break;
    if (n > 0) {
      char buffer[4096];
      ssize_t got = ::read(terminal, buffer, sizeof buffer);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) break;  // EIO: the last writer closed its side
      out.append(buffer, static_cast<std::size_t>(got));
      last_output = Clock::now();
      continue;
    }
    if (!status) {
      int wait_status = 0;
      if (::waitpid(pid, &wait_status, WNOHANG) == pid) {
        status = wait_status;
        last_output = Clock::now();
      } else if (Clock::now() - start > kLimit) {
        ::kill(pid, SIGKILL);
      }
    } else if (Clock::now() - last_output > kQuiet) {
      break;
    }
  }
  return status;
}

}  // namespace

std::string sjis(std::string_view utf8) {
  std::optional<std::string> out = test_support::convert("CP932", "UTF-8", utf8);
  if (!out) throw std::runtime_error("not CP932 text");
  return *out;
}

std::string console_text(std::string_view utf8) {
  std::string out;
  for (char c : sjis(utf8)) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

Node file(std::string path, std::string content, mode_t mode) {
  return {std::move(path), std::move(content), Node::Kind::file, mode};
}
Node dir(std::string path, mode_t mode) {
  return {std::move(path), "", Node::Kind::dir, mode};
}
Node symlink(std::string path, std::string target) {
  return {std::move(path), std::move(target), Node::Kind::symlink, 0};
}
Node fifo(std::string path) {
  return {std::move(path), "", Node::Kind::fifo, 0};
}

Sandbox::Sandbox() {
  std::string pattern = (fs::temp_directory_path() / "bcdunpack-e2e-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  root_ = pattern;
  fs::create_directory(source());
  fs::create_directory(work());
}

Sandbox::~Sandbox() {
  make_removable(root_);
  std::error_code ec;
  fs::remove_all(root_, ec);
}

void Sandbox::lay_out(const fs::path& base, const std::vector<Node>& nodes) const {
  for (const Node& node : nodes) {
    fs::path path = base / node.path;
    fs::create_directories(path.parent_path());
    switch (node.kind) {
      case Node::Kind::file: {
        std::ofstream(path, std::ios::binary) << node.content;
        break;
      }
      case Node::Kind::dir:
        fs::create_directories(path);
        break;
      case Node::Kind::symlink:
        fs::create_symlink(node.content, path);
        break;
      case Node::Kind::fifo:
        if (::mkfifo(path.c_str(), 0644) != 0) throw std::runtime_error("mkfifo failed");
        break;
    }
    if (node.mode != 0) fs::permissions(path, static_cast<fs::perms>(node.mode));
  }
}

bool runs_windows_build() {
  return !env_or("BCDUNPACK_RUNNER", "").empty();
}

RunResult run_tool(const std::vector<std::string>& args, const fs::path& cwd,
                   const RunOptions& options) {
  std::vector<std::string> argv = tool_command(args);
  std::vector<char*> c_argv = c_strings(argv);

  int out_pipe[2];
  if (::pipe(out_pipe) != 0) throw std::runtime_error("pipe failed");
  pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(out_pipe[1], STDOUT_FILENO);
    ::close(out_pipe[0]);
    ::close(out_pipe[1]);
    int null_in = ::open("/dev/null", O_RDONLY);
    ::dup2(null_in, STDIN_FILENO);
    if (options.file_size_limit > 0) {
      ::signal(SIGXFSZ, SIG_IGN);
      rlimit limit{static_cast<rlim_t>(options.file_size_limit),
                   static_cast<rlim_t>(options.file_size_limit)};
      ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    if (options.without_privileges) drop_file_privileges();
    exec_in(cwd, c_argv);
  }
  ::close(out_pipe[1]);
  RunResult result;
  if (options.timeout_seconds > 0) {
    result.timed_out = !read_all_within(out_pipe[0], pid, options.timeout_seconds, result.out);
  } else {
    result.out = read_all(out_pipe[0]);
  }
  ::close(out_pipe[0]);
  result.status = exit_status(wait_for(pid));
  return result;
}

RunResult run_tool_on_terminal(const std::vector<std::string>& args, const fs::path& cwd) {
  std::vector<std::string> argv =
      runs_windows_build() ? us_console_command(args) : tool_command(args);
  std::vector<char*> c_argv = c_strings(argv);

  termios settings{};
  ::cfmakeraw(&settings);
  winsize size{};
  size.ws_row = 50;
  size.ws_col = 250;  // wide enough that no message line wraps
  int terminal = -1;
  pid_t pid = ::forkpty(&terminal, nullptr, &settings, &size);
  if (pid < 0) throw std::runtime_error("forkpty failed");
  if (pid == 0) exec_in(cwd, c_argv);

  RunResult result;
  std::optional<int> status = read_terminal(terminal, pid, result.out);
  ::close(terminal);
  result.status = exit_status(status ? *status : wait_for(pid));
  return result;
}

std::map<std::string, std::string> read_tree(const fs::path& dir) {
  std::map<std::string, std::string> tree;
  for (auto it = fs::recursive_directory_iterator(dir); it != fs::end(it); ++it) {
    std::string rel = it->path().lexically_relative(dir).string();
    if (it->is_symlink()) {
      tree[rel] = "-> " + fs::read_symlink(it->path()).string();
    } else if (it->is_directory()) {
      tree[rel] = "<dir>";
    } else if (!it->is_regular_file()) {
      tree[rel] = "<special>";  // reading a FIFO would wait for a writer
    } else {
      tree[rel] = slurp(it->path());
    }
  }
  return tree;
}

std::string fingerprint(const fs::path& dir) {
  std::ostringstream out;
  for (const auto& [name, content] : read_tree(dir)) {
    struct stat st;
    ::lstat((dir / name).c_str(), &st);
    out << name << '\0' << std::oct << st.st_mode << std::dec << '\0' << st.st_mtim.tv_sec << '.'
        << st.st_mtim.tv_nsec << '\0' << std::hash<std::string>{}(content) << '\n';
  }
  return out.str();
}

}  // namespace e2e
