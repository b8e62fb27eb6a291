#pragma once
// Shared pieces of the controller model tests: where the plug-ins are, a
// scratch folder, and loading a folder while collecting the refusals.

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/LIRModelList.h"

namespace lir::test {

inline std::string testPluginFolder(const std::string& name) { return std::string(LIR_TEST_PLUGIN_DIR) + "/" + name; }
inline std::string sampleModelFolder() { return LIR_PROGRAM_DIR; }

struct TLoadedFolder {
  std::unique_ptr<TLIRModelList> Models = std::make_unique<TLIRModelList>();
  std::vector<TLIRModelLoadFailure> Failures;
};

inline TLoadedFolder loadFolder(const std::string& folder) {
  TLoadedFolder result;
  result.Models->LoadModels(folder, [&](const TLIRModelLoadFailure& f) { result.Failures.push_back(f); });
  return result;
}

// A folder of its own below the system's temporary folder, removed again
// with everything in it.
class TScratchFolder {
 public:
  explicit TScratchFolder(const std::string& tag)
      : path_(std::filesystem::temp_directory_path() / ("lir-" + tag + "-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TScratchFolder(const TScratchFolder&) = delete;
  TScratchFolder& operator=(const TScratchFolder&) = delete;

  std::string path() const { return path_.string(); }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace lir::test
