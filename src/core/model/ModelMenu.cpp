#include "model/ModelMenu.h"

#include "common/Format.h"
#include "model/LIRModelList.h"

namespace lir {

std::string ModelMenuCaption(const TLIRModel& model) {
  const std::string& description = model.Description();
  if (description.find(TLIRModel::kComposite48) != std::string::npos) return "ЛИР-3.4Н (48 вых.)";
  if (description.find(TLIRModel::kComposite64) != std::string::npos) return "ЛИР-3.6Н (64 вых.)";
  if (description.find("вых") != std::string::npos) return description;
  return sformat("%s (%d вых.)", description.c_str(), model.OutputCount());
}

std::vector<TModelMenuEntry> BuildModelMenu(const TLIRModelList& models) {
  std::vector<TModelMenuEntry> menu;
  for (const auto& model : models) {
    TModelMenuItem item{ModelMenuCaption(*model), model.get()};
    if (!menu.empty() && menu.back().Family == model->Family()) {
      TModelMenuEntry& entry = menu.back();
      if (!entry.Submenu) {
        entry.Submenu = true;
        entry.Caption = entry.Items.front().Model->FamilyName();
      }
      entry.Items.push_back(std::move(item));
      continue;
    }
    TModelMenuEntry entry;
    entry.Caption = item.Caption;
    entry.Family = model->Family();
    entry.Items.push_back(std::move(item));
    menu.push_back(std::move(entry));
  }
  return menu;
}

}  // namespace lir
