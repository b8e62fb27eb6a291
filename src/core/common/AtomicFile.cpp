#include "common/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace lir {
namespace {

std::string systemReason(int error) { return std::strerror(error); }

// Permissions of the file being replaced, so a save keeps them; 0644 for a new one.
mode_t modeForTarget(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  return 0644;
}

}  // namespace

std::string saveFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
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
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = systemReason(errno);
    return false;
  }
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) {
    error = systemReason(errno);
    return false;
  }
  bytes = buffer.str();
  error.clear();
  return true;
}

}  // namespace lir
