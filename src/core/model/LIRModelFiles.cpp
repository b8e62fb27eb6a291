#include "model/LIRModelFiles.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/Format.h"
#include "model/LIRModelException.h"

namespace lir {
namespace {

bool hasModelExtension(const std::string& name) {
  constexpr std::string_view kExtension = ".zml";
  if (name.size() < kExtension.size()) return false;
  const std::string_view tail = std::string_view(name).substr(name.size() - kExtension.size());
  return std::equal(tail.begin(), tail.end(), kExtension.begin(), [](char a, char b) {
    return (a >= 'A' && a <= 'Z' ? static_cast<char>(a + ('a' - 'A')) : a) == b;
  });
}

}  // namespace

std::vector<std::string> ListModelLibraryFiles(const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::directory_iterator it(folder.empty() ? "." : folder, ec);
  std::vector<std::string> names;
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::string name = it->path().filename().string();
    std::error_code typeError;
    if (hasModelExtension(name) && it->is_regular_file(typeError)) names.push_back(std::move(name));
  }
  if (ec) throw ELIRModelFolderException(sformat("Не удалось прочитать папку %s: %s.", folder.c_str(), ec.message().c_str()));
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace lir
