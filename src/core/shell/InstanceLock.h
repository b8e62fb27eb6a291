#pragma once
// The running program's mark: a lock file held with a shared lock for the life
// of the process. Nobody tests it and several instances may run at once; it
// only shows from outside that the program is running. Taking it never fails
// the start: a folder that cannot be written just leaves the mark away.

#include <string>

namespace lir {

class TInstanceLock {
 public:
  static constexpr const char* kFileName = "VelmiraLIR_1.lock";

  // Opens (creating when needed) folder/kFileName and takes a shared lock.
  explicit TInstanceLock(const std::string& folder = defaultFolder());
  ~TInstanceLock();
  TInstanceLock(const TInstanceLock&) = delete;
  TInstanceLock& operator=(const TInstanceLock&) = delete;

  bool held() const { return held_; }
  const std::string& path() const { return path_; }

  // The per-user runtime folder when runtimeDir names one (it must be an
  // absolute path), else the system's temporary folder.
  static std::string folderFor(const char* runtimeDir);
  // folderFor the value of XDG_RUNTIME_DIR.
  static std::string defaultFolder();

 private:
  std::string path_;
  int fd_ = -1;
  bool held_ = false;
};

}  // namespace lir
