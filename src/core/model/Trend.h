#pragma once
// TTrend: one signal of a signal group, the unit that phases and transition
// intervals speak about. It has a kind (TrendKinds.h), the times of its
// transition signals, its lamp-monitoring switches and, for "smart" traffic
// lights, the addresses it serves. Its lamps are the slots of its group.

#include <array>
#include <cstdint>

#include "common/ObjectBase.h"
#include "model/TrendKinds.h"

namespace lir {

class TControllerOutput;
class TTrendGroup;

class TTrend : public TObject {
  LIR_CLASS(TTrend, TObject)

 public:
  using TTimes = std::array<std::uint8_t, kSignalStateCount>;
  static constexpr int kSmartAddressCount = 7;

  // All times 0; the monitoring switches as the kind allows. Throws
  // std::out_of_range for a number that is no kind.
  TTrend(TTrendGroup& group, int kind);

  TTrendGroup& Group() const { return *group_; }
  int Kind() const { return kind_; }
  const TTrendKindInfo& KindInfo() const { return *info_; }
  bool HasState(int state) const { return IsSignalState(state) && (info_->States & SignalStateBit(state)) != 0; }
  bool UsesSlot(int slot) const { return IsSlot(slot) && (info_->Slots & SlotBit(slot)) != 0; }

  // Seconds before the end of a transition interval at which the state
  // begins. A state the kind cannot show borrows from the state that would
  // follow it (green blinking → yellow → advance red, red with yellow →
  // advance green); all others answer 0.
  int GetTime(int state) const { return TimeOf(times_, state); }
  int GetUnivTime(int state) const { return TimeOf(univTimes_, state); }
  // Values are kept within 0..255. The times of states 1..4 and of 6..8 stay
  // non-increasing chains: a new value pushes its neighbours along instead of
  // crossing them. Ignored for a state the kind cannot show.
  void SetTime(int state, int value) { StoreTime(times_, state, value); }
  void SetUnivTime(int state, int value) { StoreTime(univTimes_, state, value); }
  // As stored, without borrowing.
  const TTimes& Times() const { return times_; }
  const TTimes& UnivTimes() const { return univTimes_; }

  bool RedControl() const { return redControl_; }
  bool GreenControl() const { return greenControl_; }
  // On only when asked and the lamp's slot holds an output that can monitor
  // that colour (red: slot к; green: the kind's green-lamp slot).
  void SetRedControl(bool value);
  void SetGreenControl(bool value);

  // "Smart" traffic lights: only vehicle and pedestrian kinds take part.
  bool Smart() const { return smart_; }
  void SetSmart(bool value);
  // Addresses 1..7.
  bool SmartAddress(int address) const;
  void SetSmartAddress(int address, bool value);
  // Bit 0 Smart, bit k address k: the byte the image and the file keep.
  std::uint8_t SmartBits() const;

  // The group's output in the slot, when the kind uses that slot.
  TControllerOutput* Output(int slot) const;
  // Links the output (or none) to the slot of the group. Ignored for a slot
  // the kind does not use or that already holds the output. Emptying a slot
  // turns off the monitoring that watched its lamp.
  void AssignOutput(int slot, TControllerOutput* output);
  // The editor's way to link an output: a street light has a single lamp, so
  // its slots are emptied first; the slot's monitoring switch then follows
  // what the new output can do.
  void LinkOutput(int slot, TControllerOutput* output);
  // Sets the monitoring switch that watches the slot's lamp to what the
  // kind and the slot's output allow.
  void UpdateControl(int slot);

 private:
  int TimeOf(const TTimes& times, int state) const;
  void StoreTime(TTimes& times, int state, int value);
  bool SlotCanMonitor(int slot, int element) const;

  TTrendGroup* group_;
  int kind_;
  const TTrendKindInfo* info_;
  TTimes times_{};
  TTimes univTimes_{};
  bool redControl_;
  bool greenControl_;
  bool smart_ = false;
  std::array<bool, kSmartAddressCount> smartAddresses_{};
};

}  // namespace lir
