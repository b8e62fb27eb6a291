#include "model/TrendKinds.h"

#include <stdexcept>

#include "common/Format.h"

namespace lir {

const char* SlotLabel(int slot) { return IsSlot(slot) ? kSlotLabels[static_cast<std::size_t>(slot)] : ""; }

TPhaseState NextPhaseState(TGroupClass cls, TPhaseState state) {
  const TGroupClassInfo& info = GroupClassInfo(cls);
  for (int i = 0; i < info.PhaseCycleLength; ++i) {
    if (info.PhaseCycle[static_cast<std::size_t>(i)] == state) {
      return info.PhaseCycle[static_cast<std::size_t>((i + 1) % info.PhaseCycleLength)];
    }
  }
  return state;
}

const TTrendKindInfo& TrendKindInfo(int kind) {
  if (!IsTrendKind(kind)) throw std::out_of_range(sformat("Trend kind %d does not exist", kind));
  return kTrendKinds[static_cast<std::size_t>(kind)];
}

TGroupClass GroupClassOfMenuTag(int menuTag) {
  for (const TTrendKindInfo& kind : kTrendKinds) {
    if (GroupClassInfo(kind.Class).MenuTag == menuTag) return kind.Class;
  }
  return kTrendKinds[0].Class;
}

}  // namespace lir
