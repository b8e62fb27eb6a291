#include "model/Cycle.h"

#include <algorithm>

namespace lir {

void TProgramPhase::SetDuration(int value) { duration_ = static_cast<std::uint16_t>(std::clamp(value, 0, 0xFFFF)); }

void TProgramPhase::Assign(const TLinkedObjItem& source) {
  TLinkedObjItem::Assign(source);
  if (const auto* item = dynamic_cast<const TProgramPhase*>(&source); item != nullptr && item != this) {
    phase_ = item->phase_;
    duration_ = item->duration_;
  }
}

TProgram::TProgram(std::string name) : TCycle(std::move(name), &itemClassOf<TProgramPhase>()) {}

TLinkedObjItem* TProgram::AddItem(int index, const void* data, TLinkedObject* link) {
  TLinkedObjItem* item = TCycle::AddItem(index, data, link);
  if (auto* phase = dynamic_cast<TProgramPhase*>(item); phase != nullptr) phase->program_ = this;
  return item;
}

TProgramPhase* TProgram::AddPhase(int index, TPhase& phase, int duration) {
  auto* item = dynamic_cast<TProgramPhase*>(AddItem(index, nullptr, nullptr));
  if (item == nullptr) return nullptr;
  item->phase_ = &phase;
  item->SetDuration(duration);
  return item;
}

void TProgram::Clear() {
  while (Count() > 0) Delete(Count() - 1);
}

void TProgram::Assign(const TLinkedObject* source) {
  TCycle::Assign(source);
  if (const auto* program = dynamic_cast<const TProgram*>(source); program != nullptr) offset_ = program->offset_;
  Adopt();
}

void TProgram::Adopt() {
  for (int i = 0; i < Count(); ++i) {
    if (auto* item = dynamic_cast<TProgramPhase*>(Item(i)); item != nullptr) item->program_ = this;
  }
}

}  // namespace lir
