#include "model/Phase.h"

#include <algorithm>

#include "common/Format.h"
#include "model/PhaseList.h"
#include "model/PhaseNumbers.h"
#include "model/PhaseStorage.h"
#include "model/Project.h"

namespace lir {

void CheckPhaseState(int state) {
  if (!IsPhaseState(state)) throw EPhaseError(sformat("Incorrect phase state %d", state));
}

void CheckPhaseNumber(int number) {
  if (!TPhaseNumbers::Fits(number)) throw EPhaseError(sformat("Incorrect phase number %d", number));
}

void TPhaseTrendState::SetState(int state) {
  CheckPhaseState(state);
  state_ = static_cast<TPhaseState>(state);
}

TPhase::TPhase(TPhaseList& owner, int number) : owner_(&owner), number_(static_cast<std::uint8_t>(number)) {
  CheckPhaseNumber(number);
  states_.SetAllowDuplicates(false);
  tpromTimes_.SetSorted(true);
  tpromTimes_.SetDuplicates(TDuplicates::Ignore);
  tpromTimes_.SetMin(1);
  tpromTimes_.SetMax(255);
  SyncStates();
  nextPhase_ = Storage().StartAllRed();
}

TPhaseStg& TPhase::Storage() const { return owner_->Storage(); }

TPhaseTrendState* TPhase::FindState(const TTrend& trend) const {
  for (int i = 0; i < states_.Count(); ++i) {
    if (&states_.Items(i)->Trend() == &trend) return states_.Items(i);
  }
  return nullptr;
}

TPhaseTrendState& TPhase::StateOf(const TTrend& trend) const {
  TPhaseTrendState* state = FindState(trend);
  if (state == nullptr) throw EPhaseError("Trend not found in states of phase.");
  return *state;
}

TPhaseState TPhase::GetState(const TTrend& trend) const { return StateOf(trend).State(); }

void TPhase::SetState(const TTrend& trend, int state) {
  CheckPhaseState(state);
  TPhaseTrendState& entry = StateOf(trend);
  if (entry.State() == state) return;
  entry.SetState(state);
  Storage().RecomputeAll();
}

void TPhase::ToggleState(const TTrend& trend) {
  const TPhaseState current = GetState(trend);
  SetState(trend, trend.Group().NextState(current));
}

void TPhase::SetPhaseType(int type) {
  if (type < ptNormal || type > ptAllRed) throw EPhaseError(sformat("Incorrect phase type %d", type));
  if (type == type_) return;
  type_ = static_cast<TPhaseType>(type);
  SetAllStates(NewGroupState());
  Storage().RecomputeAll();
}

TPhaseState TPhase::NewGroupState() const {
  switch (type_) {
    case ptYellowFlashing:
      return psYellowFlashing;
    case ptOff:
      return psOff;
    default:
      return psRed;
  }
}

void TPhase::SetMinDuration(int value) {
  if (value < 0 || value > 255) throw EPhaseError(sformat("Incorrect minimum duration %d", value));
  if (value == minDuration_) return;
  minDuration_ = static_cast<std::uint8_t>(value);
  for (int i = 0; i < durations_.Count(); ++i) {
    if (durations_.Get(i) < value) durations_.Put(i, value);
  }
  Storage().RecomputeAll();
}

void TPhase::SetDuration(int cycle, int value) { durations_.Put(cycle, std::max(value, int{minDuration_})); }

int TPhase::TransitionLength() const {
  return tpromTimes_.Count() > 0 ? tpromTimes_.Get(tpromTimes_.Count() - 1) : 0;
}

void TPhase::SetSkipStep(int step, bool value) {
  if (step < 0 || step >= kSkipStepCount) return;
  const std::uint32_t bit = 1u << step;
  skipSteps_ = value ? skipSteps_ | bit : skipSteps_ & ~bit;
}

bool TPhase::IsSkipStep(int step) const {
  return step >= 0 && step < kSkipStepCount && (skipSteps_ >> step & 1u) != 0;
}

void TPhase::TrimSkipSteps() {
  // Steps 0..n exist for n change moments; a mark on the last transition step
  // is as valid as any other.
  const int kept = std::min(tpromTimes_.Count() + 1, kSkipStepCount);
  skipSteps_ &= (1u << kept) - 1u;
}

void TPhase::SetNumber(int number) {
  CheckPhaseNumber(number);
  number_ = static_cast<std::uint8_t>(number);
  // The call lists' boundary phases copy the work phases' numbers.
  Storage().RefreshStartPhases();
}

std::string TPhase::Caption() const {
  return number_ == TPhaseNumbers::kAllRed ? std::string("КК") : sformat("Ф%d", number_);
}

void TPhase::Assign(const TObject* source) {
  const auto* phase = dynamic_cast<const TPhase*>(source);
  if (phase == nullptr) {
    throw EConvertError(sformat("Не могу значение %s присвоить %s", ClassNameOf(source), ClassName()));
  }
  if (phase == this) return;
  type_ = phase->type_;
  minDuration_ = phase->minDuration_;
  states_.Clear();
  for (int i = 0; i < phase->states_.Count(); ++i) {
    const TPhaseTrendState& state = *phase->states_.Items(i);
    states_.Add(new TPhaseTrendState(state.Trend(), state.State()));
  }
  tpromTimes_.Assign(&phase->tpromTimes_);
  skipSteps_ = phase->skipSteps_;
  durations_.Assign(&phase->durations_);
  number_ = phase->number_;
  nextPhase_ = phase->nextPhase_;
}

void TPhase::AddStatesOf(const TTrendGroup& group) {
  const TPhaseState state = NewGroupState();
  for (int t = 0; t < group.Trends().Count(); ++t) {
    TTrend& trend = *group.Trends().Items(t);
    if (FindState(trend) == nullptr) states_.Add(new TPhaseTrendState(trend, state));
  }
}

void TPhase::RemoveStatesOf(const TTrendGroup& group) {
  for (int i = states_.Count() - 1; i >= 0; --i) {
    if (&states_.Items(i)->Trend().Group() == &group) states_.Delete(i);
  }
}

void TPhase::SyncStates() {
  TObjList<TPhaseTrendState> kept(true);
  kept.SetAllowDuplicates(false);
  const TObjList<TTrendGroup>& groups = Storage().Project().Groups();
  for (int g = 0; g < groups.Count(); ++g) {
    const auto& trends = groups.Items(g)->Trends();
    for (int t = 0; t < trends.Count(); ++t) {
      TTrend& trend = *trends.Items(t);
      const TPhaseTrendState* old = FindState(trend);
      kept.Add(new TPhaseTrendState(trend, old != nullptr ? old->State() : psRed));
    }
  }
  states_.Clear();
  while (kept.Count() > 0) states_.Add(kept.Extract(kept.First()));
}

void TPhase::SetAllStates(TPhaseState state) {
  for (int i = 0; i < states_.Count(); ++i) states_.Items(i)->SetState(state);
}

void TPhase::MakeAllRed(int allRedTime) {
  type_ = ptAllRed;
  minDuration_ = static_cast<std::uint8_t>(allRedTime);
  number_ = TPhaseNumbers::kAllRed;
  SyncStates();
  SetAllStates(psRed);
}

void TPhase::FitDurations(int count) {
  while (durations_.Count() < count) durations_.Add(minDuration_);
  while (durations_.Count() > count) durations_.Delete(durations_.Count() - 1);
}

void TPhase::InsertDuration(int cycle) { durations_.Insert(cycle, minDuration_); }

void TPhase::EraseDuration(int cycle) { durations_.Delete(cycle); }

}  // namespace lir
