#pragma once
// TPhase: one phase of the intersection. It fixes a phase state for every
// trend of every signal group and carries its number, its minimum duration,
// its duration in each work cycle, the change moments of its transition into
// the next phase and the steps marked "Пропускать во всех циклах, кроме
// особого". A phase lives in a phase list (PhaseList.h) of the project's
// phase storage; every change that alters transitions has the storage
// recompute them.

#include <cstdint>
#include <stdexcept>
#include <string>

#include "common/ObjectBase.h"
#include "model/IntList.h"
#include "model/ObjList.h"
#include "model/SignalStates.h"

namespace lir {

class TPhaseList;
class TPhaseStg;
class TTrend;
class TTrendGroup;

// A phase was asked about something it does not hold or refused a value.
class EPhaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws EPhaseError "Incorrect phase state %d" for a number outside 0..5.
void CheckPhaseState(int state);
// Throws EPhaseError "Incorrect phase number %d" for a number outside the
// used-number set (0..39).
void CheckPhaseNumber(int number);

class TPhaseTrendState : public TObject {
  LIR_CLASS(TPhaseTrendState, TObject)

  TPhaseTrendState(TTrend& trend, TPhaseState state) : trend_(&trend), state_(state) {}

  TTrend& Trend() const { return *trend_; }
  TPhaseState State() const { return state_; }
  // Refuses a number that is no phase state.
  void SetState(int state);

 private:
  TTrend* trend_;
  TPhaseState state_;
};

enum TPhaseType : std::uint8_t {
  ptNormal = 0,
  ptYellowFlashing = 1,  // ЖМ mask: the whole phase flashes yellow
  ptOff = 2,             // ОС mask: the whole phase is off
  ptAllRed = 3,          // КК: the entry phase of a call list under the extended year plan
};

class TPhase : public TObject {
  LIR_CLASS(TPhase, TObject)

  static constexpr int kSkipStepCount = 8;

  TPhaseList& Owner() const { return *owner_; }

  TPhaseType PhaseType() const { return type_; }
  // Every state becomes red (normal, all red), yellow flashing or off; the
  // owner list and both call lists follow. Refuses a type outside 0..3.
  void SetPhaseType(int type);

  // "Tmin", seconds.
  int MinDuration() const { return minDuration_; }
  // Raises every duration to at least the new value. Refuses values outside 0..255.
  void SetMinDuration(int value);

  // One state per trend of every signal group.
  const TObjList<TPhaseTrendState>& States() const { return states_; }
  // Both throw EPhaseError "Trend not found in states of phase." for a trend
  // without a state.
  TPhaseState GetState(const TTrend& trend) const;
  void SetState(const TTrend& trend, int state);
  // The state a click in a phase grid gives: the group's next state.
  void ToggleState(const TTrend& trend);

  // The main part's duration in each work cycle, by cycle index.
  const TIntList& Durations() const { return durations_; }
  // Stores at least MinDuration. Throws EIntegerListError for a cycle the
  // phase has no duration for.
  void SetDuration(int cycle, int value);

  // The change moments of the transition into the next phase, ascending; the
  // largest is its length. The storage's transition calculator fills them.
  const TIntList& TPromTimes() const { return tpromTimes_; }
  TIntList& TPromTimes() { return tpromTimes_; }
  int TransitionLength() const;

  // Bit k: step k (0 the main part, 1.. the transition steps).
  std::uint32_t SkipSteps() const { return skipSteps_; }
  // Steps outside 0..7 are ignored.
  void SetSkipStep(int step, bool value);
  bool IsSkipStep(int step) const;

  // The phase after a special phase; null for none.
  TPhase* NextPhase() const { return nextPhase_; }
  void SetNextPhase(TPhase* phase) { nextPhase_ = phase; }

  int Number() const { return number_; }
  // Uniqueness is the number menu's duty. Refuses a number outside 0..39.
  void SetNumber(int number);
  // "КК" for number 0, else "Ф" and the number.
  std::string Caption() const;

  // Copies everything a phase holds, states as new objects. Anything but a
  // phase is an EConvertError "Не могу значение %s присвоить %s".
  void Assign(const TObject* source);

 private:
  friend class TPhaseList;
  friend class TPhaseStg;

  // States red for every trend of the project, the start-up КК phase as the
  // next phase.
  TPhase(TPhaseList& owner, int number);

  TPhaseTrendState* FindState(const TTrend& trend) const;
  TPhaseTrendState& StateOf(const TTrend& trend) const;
  TPhaseStg& Storage() const;
  // The state a new group's trends get here.
  TPhaseState NewGroupState() const;
  void AddStatesOf(const TTrendGroup& group);
  void RemoveStatesOf(const TTrendGroup& group);
  // One state per existing trend, in group order: what the phase held is kept,
  // trends without a state get red, states of vanished trends go.
  void SyncStates();
  void SetAllStates(TPhaseState state);
  // An all-red entry phase of a call list.
  void MakeAllRed(int allRedTime);
  // Appends MinDuration or drops from the end until there are `count` entries.
  void FitDurations(int count);
  void InsertDuration(int cycle);
  void EraseDuration(int cycle);
  // Keeps the marks of the main part and of the transition steps there are.
  void TrimSkipSteps();

  TPhaseList* owner_;
  TPhaseType type_ = ptNormal;
  std::uint8_t minDuration_ = 1;
  TObjList<TPhaseTrendState> states_{true};
  TIntList durations_;
  TIntList tpromTimes_;
  std::uint32_t skipSteps_ = 0;
  TPhase* nextPhase_ = nullptr;
  std::uint8_t number_;
};

}  // namespace lir
