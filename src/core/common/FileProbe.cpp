#include "common/FileProbe.h"

#include <filesystem>
#include <system_error>

namespace lir {

bool pathExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

bool isRegularFile(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

}  // namespace lir
