#include "model/TrendGroup.h"

#include "model/Controller.h"

namespace lir {

namespace {

template <class Group>
TTrendGroup* Make() {
  return new Group();
}

// In type-id order, as TGroupClass counts.
constexpr std::array<TTrendGroup* (*)(), kGroupClassCount> kFactories = {
    Make<TTransport>, Make<TWalkman>,   Make<TWalkmanGB>, Make<TArrow>,    Make<TTram>,
    Make<TCall>,      Make<TArrowGB>,   Make<TReverse2>,  Make<TReverse3>, Make<TLedLight>,
};

}  // namespace

std::unique_ptr<TTrendGroup> NewTrendGroup(TGroupClass cls) {
  return std::unique_ptr<TTrendGroup>(kFactories[static_cast<std::size_t>(cls)]());
}

TTrendGroup::TTrendGroup(TGroupClass cls) : class_(cls) {
  for (int kind = 0; kind < kTrendKindCount; ++kind) {
    if (TrendMask() & TrendKindBit(kind)) trends_.Add(new TTrend(*this, kind));
  }
}

TTrendGroup::~TTrendGroup() {
  for (int slot = 0; slot < kSlotCount; ++slot) SetOutput(slot, nullptr);
}

std::unique_ptr<TTrendGroup> TTrendGroup::Create() const { return NewTrendGroup(class_); }

TTrend* TTrendGroup::TrendOfKind(int kind) const {
  for (int i = 0; i < trends_.Count(); ++i) {
    if (trends_.Items(i)->Kind() == kind) return trends_.Items(i);
  }
  return nullptr;
}

TControllerOutput* TTrendGroup::SlotOutput(int slot) const {
  return IsSlot(slot) ? slots_[static_cast<std::size_t>(slot)] : nullptr;
}

bool TTrendGroup::HoldsOutput(const TControllerOutput& output) const {
  for (const TControllerOutput* held : slots_) {
    if (held == &output) return true;
  }
  return false;
}

int TTrendGroup::SlotOf(const TControllerOutput& output) const {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (slots_[static_cast<std::size_t>(slot)] == &output) return slot;
  }
  throw ETrendGroupError("Incorrect output!");
}

void TTrendGroup::SetOutput(int slot, TControllerOutput* output) {
  if (!IsSlot(slot)) return;
  TControllerOutput*& held = slots_[static_cast<std::size_t>(slot)];
  if (held == output) return;
  TControllerOutput* old = held;
  held = output;
  // The old output is free again unless another slot of this group still
  // uses it, or another group has claimed it meanwhile.
  if (old != nullptr && old->Group() == this && !HoldsOutput(*old)) old->SetGroup(nullptr);
  if (output != nullptr) output->SetGroup(this);
}

void TTrendGroup::ForgetOutput(const TControllerOutput& output) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (slots_[static_cast<std::size_t>(slot)] == &output) {
      SetOutput(slot, nullptr);
      DropControlOn(slot);
    }
  }
}

void TTrendGroup::DropControlOn(int slot) {
  for (int i = 0; i < trends_.Count(); ++i) {
    TTrend& trend = *trends_.Items(i);
    if (slot == osRed) trend.SetRedControl(false);
    if (slot == trend.KindInfo().GreenLampSlot) trend.SetGreenControl(false);
  }
}

}  // namespace lir
