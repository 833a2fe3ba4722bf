// Faults that a run of the tool meets in the file system itself, made with
// fanotify (which needs root): reads of a file that fail as if the disk had
// gone bad, and a record of which files the tool opened at all.
#pragma once

#include <filesystem>
#include <thread>
#include <vector>

namespace e2e {

class FileFaults {
 public:
  // Whether this process may watch files this way (root with CAP_SYS_ADMIN).
  static bool available();

  // From now until destruction, every read of a file in `unreadable` fails
  // (EPERM), while opening it still works; every open of a file in `watched`
  // is noted. The paths must exist.
  FileFaults(const std::vector<std::filesystem::path>& unreadable,
             const std::vector<std::filesystem::path>& watched);
  ~FileFaults();
  FileFaults(const FileFaults&) = delete;
  FileFaults& operator=(const FileFaults&) = delete;

  // The files of `watched` that were opened, as given. Call after the run.
  std::vector<std::filesystem::path> opened() const;

 private:
  struct Watch {
    std::filesystem::path path;
    int group;  // a group of its own, so any event in it means this file
  };
  void answer_reads();

  int reads_ = -1;          // the group that answers for the unreadable files
  int stop_[2] = {-1, -1};  // written to end the answering thread
  std::vector<Watch> watches_;
  std::thread thread_;
};

}  // namespace e2e
