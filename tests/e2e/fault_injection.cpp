#include "fault_injection.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/fanotify.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace e2e {
namespace {

void mark(int group, std::uint64_t mask, const std::filesystem::path& path) {
  if (::fanotify_mark(group, FAN_MARK_ADD, mask, AT_FDCWD, path.c_str()) != 0) {
    throw std::runtime_error("fanotify_mark failed on " + path.string());
  }
}

// Open events come as file identities, not descriptors: the kernel could not
// open a descriptor to a FIFO for the event and would drop it.
int open_watch_group() {
  return ::fanotify_init(FAN_CLASS_NOTIF | FAN_REPORT_FID | FAN_NONBLOCK | FAN_CLOEXEC, O_RDONLY);
}

}  // namespace

bool FileFaults::available() {
  int group = ::fanotify_init(FAN_CLASS_CONTENT | FAN_CLOEXEC, O_RDONLY);
  if (group < 0) return false;
  ::close(group);
  return true;
}

FileFaults::FileFaults(const std::vector<std::filesystem::path>& unreadable,
                       const std::vector<std::filesystem::path>& watched) {
  for (const auto& path : watched) {
    watches_.push_back({path, open_watch_group()});
    if (watches_.back().group < 0) throw std::runtime_error("fanotify is not available");
    mark(watches_.back().group, FAN_OPEN, path);
  }
  if (unreadable.empty()) return;
  reads_ = ::fanotify_init(FAN_CLASS_CONTENT | FAN_NONBLOCK | FAN_CLOEXEC, O_RDONLY | O_CLOEXEC);
  if (reads_ < 0 || ::pipe2(stop_, O_CLOEXEC) != 0) {
    throw std::runtime_error("fanotify is not available");
  }
  for (const auto& path : unreadable) mark(reads_, FAN_ACCESS_PERM, path);
  thread_ = std::thread([this] { answer_reads(); });
}

FileFaults::~FileFaults() {
  if (thread_.joinable()) {
    (void)!::write(stop_[1], "x", 1);
    thread_.join();
  }
  for (int fd : {reads_, stop_[0], stop_[1]}) {
    if (fd >= 0) ::close(fd);
  }
  for (const Watch& watch : watches_) ::close(watch.group);
}

std::vector<std::filesystem::path> FileFaults::opened() const {
  std::vector<std::filesystem::path> paths;
  for (const Watch& watch : watches_) {
    char buffer[4096];
    if (::read(watch.group, buffer, sizeof buffer) > 0) paths.push_back(watch.path);
  }
  return paths;
}

// Refuses every read until told to stop. A reader waits for the answer, so
// this must keep up for the whole run.
void FileFaults::answer_reads() {
  alignas(fanotify_event_metadata) char buffer[4096];
  for (;;) {
    pollfd fds[2] = {{reads_, POLLIN, 0}, {stop_[0], POLLIN, 0}};
    if (::poll(fds, 2, -1) < 0 && errno != EINTR) return;
    if (fds[1].revents) return;
    ssize_t n = ::read(reads_, buffer, sizeof buffer);
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    if (n < 0) return;
    auto* event = reinterpret_cast<fanotify_event_metadata*>(buffer);
    for (; FAN_EVENT_OK(event, n); event = FAN_EVENT_NEXT(event, n)) {
      fanotify_response response{event->fd, FAN_DENY};
      (void)!::write(reads_, &response, sizeof response);
      if (event->fd >= 0) ::close(event->fd);
    }
  }
}

}  // namespace e2e
