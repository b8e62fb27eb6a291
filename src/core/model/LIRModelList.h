#pragma once
// The list of controller models the program knows: one per plug-in library,
// loaded once at start-up by the application and handed to whoever needs it.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/LIRModels.h"

namespace lir {

// One plug-in file that gave no model.
struct TLIRModelLoadFailure {
  std::string FileName;  // the bare file name
  std::string Reason;    // the ELIRModelException text

  // "Ошибка при загрузке библиотеки <FileName>." + line break + Reason, the
  // text of the error box shown for the file.
  std::string Message() const;
};

class TLIRModelList {
 public:
  using FailureHandler = std::function<void(const TLIRModelLoadFailure&)>;

  TLIRModelList() = default;
  TLIRModelList(const TLIRModelList&) = delete;
  TLIRModelList& operator=(const TLIRModelList&) = delete;

  // Builds a model from every plug-in file of folder (see
  // ListModelLibraryFiles) and appends the models in the order of their
  // ModelSortKey (stable: equal keys keep the file order).
  //
  // A file refused with ELIRModelException is reported to onFailure at once
  // and the next file is tried. Any other error ends the loading: the folder
  // cannot be listed (ELIRModelFolderException), memory runs out, or
  // onFailure itself throws. The exception then propagates and the list is
  // left as it was, without any model of this call.
  void LoadModels(const std::string& folder, const FailureHandler& onFailure = {});

  void Add(std::unique_ptr<TLIRModel> model);
  void Clear() { models_.clear(); }

  int Count() const { return static_cast<int>(models_.size()); }
  // The list's content is fixed once loaded; a model itself may still be
  // marked Composite, hence the non-const models.
  TLIRModel& Items(int index) const { return *models_.at(static_cast<std::size_t>(index)); }
  auto begin() const { return models_.begin(); }
  auto end() const { return models_.end(); }

  // The first model with that internal ID, or null.
  TLIRModel* FindModelByInternalID(std::int32_t internalId) const;
  // The first model with that revision, or null.
  TLIRModel* FindModelByRevision(std::uint8_t revision) const;

 private:
  std::vector<std::unique_ptr<TLIRModel>> models_;
};

}  // namespace lir
