#pragma once
// TTrendGroup: a signal group (направление) of one of ten classes. It owns its
// trends, created with the group from the class's kinds, and the seven output
// slots that all its trends share. Everything that differs between the
// classes is in the tables of TrendKinds.h; the classes exist so that a group
// can be told apart by its type.

#include <array>
#include <memory>
#include <stdexcept>

#include "common/ObjectBase.h"
#include "model/ObjList.h"
#include "model/Trend.h"
#include "model/TrendKinds.h"

namespace lir {

class TControllerOutput;
class TTrendEvents;

// A group was asked about an output it does not hold.
class ETrendGroupError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

class TTrendGroup : public TObject {
  LIR_CLASS(TTrendGroup, TObject)

 public:
  // Releases the outputs of all slots.
  ~TTrendGroup() override;

  TGroupClass Class() const { return class_; }
  const TGroupClassInfo& ClassInfo() const { return GroupClassInfo(class_); }
  TTrendKindSet TrendMask() const { return ClassInfo().TrendKinds; }
  const char* GetName() const { return ClassInfo().Name; }
  int MenuTag() const { return ClassInfo().MenuTag; }
  int TypeId() const { return static_cast<int>(class_); }
  // Where a click in a phase grid moves a trend of this group.
  TPhaseState NextState(TPhaseState state) const { return NextPhaseState(class_, state); }
  // A new group of the same class.
  std::unique_ptr<TTrendGroup> Create() const;

  const TObjList<TTrend>& Trends() const { return trends_; }
  // Null when the group has no trend of that kind.
  TTrend* TrendOfKind(int kind) const;

  TControllerOutput* SlotOutput(int slot) const;
  bool HoldsOutput(const TControllerOutput& output) const;
  // The first slot holding the output; ETrendGroupError "Incorrect output!"
  // when none does.
  int SlotOf(const TControllerOutput& output) const;
  // Puts the output (or none) into the slot and keeps the outputs' group
  // links true. Prefer TTrend::AssignOutput, which also knows what the
  // trend's kind may use and switches monitoring off with the lamp.
  void SetOutput(int slot, TControllerOutput* output);
  // Empties every slot holding the output (the output is going away).
  void ForgetOutput(const TControllerOutput& output);
  // Turns off every trend's monitoring that watches the slot's lamp.
  void DropControlOn(int slot);

  // Where the trends report their time changes; none for a group outside a
  // project.
  TTrendEvents* Events() const { return events_; }
  void SetEvents(TTrendEvents* events) { events_ = events; }

 protected:
  explicit TTrendGroup(TGroupClass cls);

 private:
  TGroupClass class_;
  TObjList<TTrend> trends_{true};
  std::array<TControllerOutput*, kSlotCount> slots_{};
  TTrendEvents* events_ = nullptr;
};

class TTransport final : public TTrendGroup {
  LIR_CLASS(TTransport, TTrendGroup)
  TTransport() : TTrendGroup(TGroupClass::Transport) {}
};

class TWalkman final : public TTrendGroup {
  LIR_CLASS(TWalkman, TTrendGroup)
  TWalkman() : TTrendGroup(TGroupClass::Walkman) {}
};

class TWalkmanGB final : public TTrendGroup {
  LIR_CLASS(TWalkmanGB, TTrendGroup)
  TWalkmanGB() : TTrendGroup(TGroupClass::WalkmanGB) {}
};

class TArrow final : public TTrendGroup {
  LIR_CLASS(TArrow, TTrendGroup)
  TArrow() : TTrendGroup(TGroupClass::Arrow) {}
};

class TTram final : public TTrendGroup {
  LIR_CLASS(TTram, TTrendGroup)
  TTram() : TTrendGroup(TGroupClass::Tram) {}
};

// The group of a pedestrian-call (ТВП) phase list. The list that created it
// marks itself as the owner; while it does, the project does not remove the
// group by the ordinary way, since the list would keep pointing at it.
class TCall final : public TTrendGroup {
  LIR_CLASS(TCall, TTrendGroup)
  TCall() : TTrendGroup(TGroupClass::Call) {}

  const TObject* CallList() const { return callList_; }
  void SetCallList(const TObject* list) { callList_ = list; }

 private:
  const TObject* callList_ = nullptr;
};

class TArrowGB final : public TTrendGroup {
  LIR_CLASS(TArrowGB, TTrendGroup)
  TArrowGB() : TTrendGroup(TGroupClass::ArrowGB) {}
};

class TReverse2 final : public TTrendGroup {
  LIR_CLASS(TReverse2, TTrendGroup)
  TReverse2() : TTrendGroup(TGroupClass::Reverse2) {}
};

class TReverse3 final : public TTrendGroup {
  LIR_CLASS(TReverse3, TTrendGroup)
  TReverse3() : TTrendGroup(TGroupClass::Reverse3) {}
};

class TLedLight final : public TTrendGroup {
  LIR_CLASS(TLedLight, TTrendGroup)
  TLedLight() : TTrendGroup(TGroupClass::LedLight) {}
};

// A new group of the class, with its trends and empty slots.
std::unique_ptr<TTrendGroup> NewTrendGroup(TGroupClass cls);

}  // namespace lir
