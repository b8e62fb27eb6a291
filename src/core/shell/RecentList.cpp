#include "shell/RecentList.h"

#include <algorithm>

namespace lir {
namespace {

constexpr const char* kSection = "Recent";

}  // namespace

void TRecentList::add(const std::string& path) {
  std::erase(paths_, path);
  if (paths_.size() >= kMaxCount) paths_.resize(kMaxCount - 1);
  paths_.insert(paths_.begin(), path);
}

void TRecentList::load(const TIniFile& ini) {
  paths_.clear();
  for (std::size_t key = 1; key <= kMaxCount; ++key) {
    const std::string path = ini.readString(kSection, std::to_string(key), "");
    if (!path.empty()) add(path);
  }
}

void TRecentList::save(TIniFile& ini,
                       const std::function<bool(const std::string&)>& fileExists) const {
  std::vector<std::string> kept;
  for (const std::string& path : paths_) {
    if (fileExists(path)) kept.push_back(path);
  }
  std::vector<TIniEntry> entries;
  for (std::size_t i = 0; i < kept.size(); ++i) {
    entries.push_back({std::to_string(kept.size() - i), kept[i]});
  }
  // A path that cannot be stored on one line is left out rather than written
  // as lines of its own.
  ini.replaceSection(kSection, entries);
}

}  // namespace lir
