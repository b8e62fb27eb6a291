#pragma once
// The list of recently used project files behind the open menu: at most five
// paths, newest first, kept in the section "Recent" of the settings file.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "common/FileProbe.h"
#include "common/IniFile.h"

namespace lir {

class TRecentList {
 public:
  static constexpr std::size_t kMaxCount = 5;

  // Puts the path on top. An entry with exactly the same text moves there
  // instead of showing twice; the oldest entry goes when the list is full.
  void add(const std::string& path);
  void clear() { paths_.clear(); }

  // Newest first.
  const std::vector<std::string>& paths() const { return paths_; }

  // Keys "1" to "5" are added in that order, so "5" ends on top. Empty values
  // are skipped: they name no file.
  void load(const TIniFile& ini);
  // Erases the section and writes the entries whose file still exists, oldest as
  // "1" and newest as the highest number, so that load gives the same order.
  void save(TIniFile& ini, const std::function<bool(const std::string&)>& fileExists) const;

 private:
  std::vector<std::string> paths_;
};


}  // namespace lir
