#include "model/Trend.h"

#include <algorithm>

#include "model/Controller.h"
#include "model/LIRModels.h"
#include "model/TrendEvents.h"
#include "model/TrendGroup.h"

namespace lir {

namespace {

// The two chains of transition times that may never cross: green to advance
// red, and extra red to advance green.
struct TTimeChain {
  int First;
  int Last;
};
constexpr std::array<TTimeChain, 2> kTimeChains = {{{ssExtraGreen, ssAdvanceRed}, {ssExtraRed, ssAdvanceGreen}}};

// A state the kind cannot show takes the time of the state after it.
constexpr TSignalStateSet kBorrowingStates =
    SignalStateBit(ssGreenBlinking) | SignalStateBit(ssYellow) | SignalStateBit(ssRedYellow);

}  // namespace

TTrend::TTrend(TTrendGroup& group, int kind)
    : group_(&group),
      kind_(kind),
      info_(&TrendKindInfo(kind)),
      redControl_(info_->RedMonitor),
      greenControl_(info_->GreenMonitor) {}

int TTrend::TimeOf(const TTimes& times, int state) const {
  if (HasState(state)) return times[static_cast<std::size_t>(state)];
  if (IsSignalState(state) && (kBorrowingStates & SignalStateBit(state)) != 0) return TimeOf(times, state + 1);
  return 0;
}

void TTrend::StoreTime(TTimes& times, int state, int value) {
  const auto v = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
  if (!HasState(state) || times[static_cast<std::size_t>(state)] == v) return;
  const auto chain = std::find_if(kTimeChains.begin(), kTimeChains.end(),
                                  [&](const TTimeChain& c) { return state >= c.First && state <= c.Last; });
  if (chain == kTimeChains.end()) {
    times[static_cast<std::size_t>(state)] = v;
  } else {
    // Earlier states begin no later than this one, later states no earlier.
    for (int s = state; s >= chain->First && times[static_cast<std::size_t>(s)] <= v; --s) {
      times[static_cast<std::size_t>(s)] = v;
    }
    for (int s = state; s <= chain->Last && times[static_cast<std::size_t>(s)] >= v; ++s) {
      times[static_cast<std::size_t>(s)] = v;
    }
  }
  if (group_->Events() != nullptr) group_->Events()->TimesChanged();
}

bool TTrend::SlotCanMonitor(int slot, int element) const {
  const TControllerOutput* output = group_->SlotOutput(slot);
  return output != nullptr && output->ModelOutput().Control().Contains(static_cast<TLIRControlElement>(element));
}

void TTrend::SetRedControl(bool value) { redControl_ = value && SlotCanMonitor(osRed, ceRedMonitoring); }

void TTrend::SetGreenControl(bool value) {
  greenControl_ = value && SlotCanMonitor(info_->GreenLampSlot, ceGreenMonitoring);
}

void TTrend::SetSmart(bool value) { smart_ = value && (kSmartKinds & TrendKindBit(kind_)) != 0; }

bool TTrend::SmartAddress(int address) const {
  return address >= 1 && address <= kSmartAddressCount && smartAddresses_[static_cast<std::size_t>(address - 1)];
}

void TTrend::SetSmartAddress(int address, bool value) {
  if (address < 1 || address > kSmartAddressCount || (kSmartKinds & TrendKindBit(kind_)) == 0) return;
  smartAddresses_[static_cast<std::size_t>(address - 1)] = value;
  // A trend serves smart traffic lights exactly when it has an address.
  smart_ = std::find(smartAddresses_.begin(), smartAddresses_.end(), true) != smartAddresses_.end();
}

std::uint8_t TTrend::SmartBits() const {
  unsigned bits = smart_ ? 1u : 0u;
  for (int a = 1; a <= kSmartAddressCount; ++a) {
    if (SmartAddress(a)) bits |= 1u << a;
  }
  return static_cast<std::uint8_t>(bits);
}

TControllerOutput* TTrend::Output(int slot) const { return UsesSlot(slot) ? group_->SlotOutput(slot) : nullptr; }

void TTrend::AssignOutput(int slot, TControllerOutput* output) {
  if (!UsesSlot(slot) || group_->SlotOutput(slot) == output) return;
  group_->SetOutput(slot, output);
  if (output == nullptr) group_->DropControlOn(slot);
}

void TTrend::LinkOutput(int slot, TControllerOutput* output) {
  if (kind_ == kLedLightKind) {
    for (int s = 0; s < kSlotCount; ++s) AssignOutput(s, nullptr);
  }
  AssignOutput(slot, output);
  UpdateControl(slot);
}

void TTrend::UpdateControl(int slot) {
  // A tram direction's green lamp is its lower lamp, watched whichever of its
  // lamps is linked.
  const bool tramDirection = info_->GreenLampSlot == osTramLower;
  if (slot == osRed) {
    SetRedControl(info_->RedMonitor && SlotCanMonitor(slot, ceRedMonitoring));
  } else if (slot == osGreen) {
    SetGreenControl(info_->GreenMonitor && SlotCanMonitor(slot, ceGreenMonitoring));
  } else if (tramDirection && IsSlot(slot)) {
    SetGreenControl(info_->GreenMonitor);
  }
}

}  // namespace lir
