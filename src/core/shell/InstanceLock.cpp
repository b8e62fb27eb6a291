#include "shell/InstanceLock.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "common/ProgramFolder.h"

namespace lir {

TInstanceLock::TInstanceLock(const std::string& folder) : path_(joinPath(folder, kFileName)) {
  // Read-only is enough for flock, and lets a lock file left in a shared temporary
  // folder by another user still be opened. No symbolic links: in such a folder
  // one could point the program at somebody else's file.
  fd_ = ::open(path_.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
  if (fd_ < 0) return;
  // Non-blocking: whoever holds it exclusively must not hold up the start.
  held_ = ::flock(fd_, LOCK_SH | LOCK_NB) == 0;
}

TInstanceLock::~TInstanceLock() {
  // Closing the last descriptor releases the lock. The file stays: another
  // instance may be holding it.
  if (fd_ >= 0) ::close(fd_);
}

std::string TInstanceLock::folderFor(const char* runtimeDir) {
  if (runtimeDir && runtimeDir[0] == '/') {
    std::error_code ec;
    if (std::filesystem::is_directory(runtimeDir, ec)) return runtimeDir;
  }
  std::error_code ec;
  const std::filesystem::path temp = std::filesystem::temp_directory_path(ec);
  return ec ? std::string("/tmp") : temp.string();
}

std::string TInstanceLock::defaultFolder() { return folderFor(::getenv("XDG_RUNTIME_DIR")); }

}  // namespace lir
