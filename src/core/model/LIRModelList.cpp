#include "model/LIRModelList.h"

#include <algorithm>
#include <utility>

#include "common/MessageText.h"
#include "common/ProgramFolder.h"
#include "model/LIRModelException.h"
#include "model/LIRModelFiles.h"
#include "model/LIRModelOrder.h"

namespace lir {

std::string TLIRModelLoadFailure::Message() const {
  return "Ошибка при загрузке библиотеки " + FileName + "." + std::string(kLineBreak) + Reason;
}

void TLIRModelList::LoadModels(const std::string& folder, const FailureHandler& onFailure) {
  struct Loaded {
    std::string key;
    std::unique_ptr<TLIRModel> model;
  };
  std::vector<Loaded> loaded;
  for (const std::string& name : ListModelLibraryFiles(folder)) {
    try {
      auto model = TLIRModel::FromLibrary(joinPath(folder, name));
      std::string key = ModelSortKey(*model);
      loaded.push_back({std::move(key), std::move(model)});
    } catch (const ELIRModelException& e) {
      if (onFailure) onFailure({name, e.what()});
    }
  }
  std::stable_sort(loaded.begin(), loaded.end(), [](const Loaded& a, const Loaded& b) { return a.key < b.key; });

  models_.reserve(models_.size() + loaded.size());
  for (Loaded& entry : loaded) models_.push_back(std::move(entry.model));
}

void TLIRModelList::Add(std::unique_ptr<TLIRModel> model) {
  if (model) models_.push_back(std::move(model));
}

TLIRModel* TLIRModelList::FindModelByInternalID(std::int32_t internalId) const {
  for (const auto& model : models_) {
    if (model->InternalID() == internalId) return model.get();
  }
  return nullptr;
}

TLIRModel* TLIRModelList::FindModelByRevision(std::uint8_t revision) const {
  for (const auto& model : models_) {
    if (model->Revision() == revision) return model.get();
  }
  return nullptr;
}

}  // namespace lir
