#pragma once
// The shape of the models menu, worked out from the model list alone so that
// any front end draws the same menu.

#include <cstdint>
#include <string>
#include <vector>

namespace lir {

class TLIRModel;
class TLIRModelList;

struct TModelMenuItem {
  std::string Caption;
  TLIRModel* Model = nullptr;
};

// A top-level entry: either a family submenu or a single model.
struct TModelMenuEntry {
  bool Submenu = false;
  // FamilyName for a submenu, the model's caption for a single model.
  std::string Caption;
  std::uint8_t Family = 0;
  // The submenu's models in list order; exactly one for a single model.
  std::vector<TModelMenuItem> Items;
};

// The caption of a model's menu item: the description, followed by
// " (<outputs> вых.)" unless the description already names its outputs
// ("вых"). The composite models always read "ЛИР-3.4Н (48 вых.)" and
// "ЛИР-3.6Н (64 вых.)", since they stand for three controllers whatever a
// plug-in reports.
std::string ModelMenuCaption(const TLIRModel& model);

// Consecutive models of one family form a submenu captioned with the family
// name; a model with no neighbour of its family is a plain entry.
std::vector<TModelMenuEntry> BuildModelMenu(const TLIRModelList& models);

}  // namespace lir
