#include "common/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <utility>

namespace lir {
namespace {

std::string systemReason(int error) { return std::strerror(error); }

// The process's umask, read without changing it (umask() itself would change it
// for a moment under other threads).
mode_t currentUmask() {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  mode_t mask = 022;
  if (status != nullptr) {
    char line[256];
    unsigned value = 0;
    while (std::fgets(line, sizeof line, status) != nullptr) {
      if (std::sscanf(line, "Umask: %o", &value) == 1) {
        mask = static_cast<mode_t>(value);
        break;
      }
    }
    std::fclose(status);
  }
  return mask;
}

// Permissions of the file being replaced, so a save keeps them; for a new file
// what the user's umask allows of 0666, as for any file the user creates.
mode_t modeForTarget(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  return 0666 & ~currentUmask();
}

// A save through a symbolic link replaces the file it points at and keeps the
// link, as writing into the file would.
std::string resolveLinks(const std::string& path) {
  char resolved[PATH_MAX];
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) &&
      ::realpath(path.c_str(), resolved) != nullptr) {
    return resolved;
  }
  return path;
}

}  // namespace

std::string saveFileAtomically(const std::string& requestedPath,
                               std::span<const std::uint8_t> bytes) {
  const std::string path = resolveLinks(requestedPath);
  std::string temp = path + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return systemReason(errno);

  std::string error;
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      error = systemReason(errno);
      break;
    }
    done += static_cast<std::size_t>(n);
  }
  if (error.empty() && ::fchmod(fd, modeForTarget(path)) != 0) error = systemReason(errno);
  if (error.empty() && ::fsync(fd) != 0) error = systemReason(errno);
  if (::close(fd) != 0 && error.empty()) error = systemReason(errno);
  if (error.empty() && std::rename(temp.c_str(), path.c_str()) != 0) error = systemReason(errno);
  if (!error.empty()) ::unlink(temp.c_str());
  return error;
}

std::string saveFileAtomically(const std::string& path, const std::string& bytes) {
  return saveFileAtomically(
      path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

bool readWholeFile(const std::string& path, std::string& bytes, std::string& error) {
  // Plain read() calls, so that a folder given as the path or an I/O error in
  // the middle is reported instead of ending the text early as if it were done.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = systemReason(errno);
    return false;
  }
  std::string content;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      error = systemReason(errno);
      ::close(fd);
      return false;
    }
    if (n == 0) break;
    content.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  bytes = std::move(content);
  error.clear();
  return true;
}

}  // namespace lir
