#pragma once
// Everything that depends on a trend's kind or a signal group's class, as
// constant tables: the output slots, the ten group classes, the thirteen trend
// kinds with their states, slots, monitoring and lamps, and the entries of the
// menu that adds a signal group. Phase states, transition intervals and the
// output masks of the configuration image are all read from here.

#include <array>
#include <cstdint>
#include <initializer_list>

#include "model/SignalStates.h"

namespace lir {

// The seven lamps a signal group can drive, one controller output each.
enum TOutputSlot : std::uint8_t {
  osRed = 0,
  osYellow = 1,
  osGreen = 2,
  osTramLeft = 3,
  osTramStraight = 4,
  osTramRight = 5,
  osTramLower = 6,
};
inline constexpr int kSlotCount = 7;

using TSlotSet = std::uint8_t;
constexpr TSlotSet SlotBit(int slot) { return static_cast<TSlotSet>(1u << slot); }
constexpr bool IsSlot(int slot) { return slot >= 0 && slot < kSlotCount; }

inline constexpr std::array<const char*, kSlotCount> kSlotLabels = {"к", "ж", "з", "л", "в", "п", "н"};
// The empty text for a number that is no slot.
const char* SlotLabel(int slot);

// The classes of signal groups; the numbers are their type ids.
enum class TGroupClass : std::uint8_t {
  Transport = 0,
  Walkman = 1,
  WalkmanGB = 2,
  Arrow = 3,
  Tram = 4,
  Call = 5,
  ArrowGB = 6,
  Reverse2 = 7,
  Reverse3 = 8,
  LedLight = 9,
};
inline constexpr int kGroupClassCount = 10;

// A set of trend kinds, bit n for kind n.
using TTrendKindSet = std::uint16_t;
constexpr TTrendKindSet TrendKindBit(int kind) { return static_cast<TTrendKindSet>(1u << kind); }

struct TGroupClassInfo {
  const char* Name;
  // The tag of the class's entry in the menu that adds a signal group.
  int MenuTag;
  // The kinds of the trends a new group of the class gets.
  TTrendKindSet TrendKinds;
  // Where a click in a phase grid moves a trend's phase state: each state of
  // the cycle goes to the next one, the last back to the first; states off
  // the cycle stay.
  std::array<TPhaseState, 4> PhaseCycle;
  int PhaseCycleLength;
};

inline constexpr std::array<TGroupClassInfo, kGroupClassCount> kGroupClasses = {{
    {"Транспортное", 0, TrendKindBit(0), {psGreen, psRed}, 2},
    {"Пешеходное", 10, TrendKindBit(1), {psGreen, psGreenBlinking, psRed}, 3},
    {"Пешеходное ЗМ", 20, TrendKindBit(2), {psGreenBlinking, psRed}, 2},
    {"Стрелка", 30, TrendKindBit(3), {psGreen, psGreenBlinking, psOff, psRed}, 4},
    {"Трамвай", 40, TrendKindBit(4) | TrendKindBit(5) | TrendKindBit(6) | TrendKindBit(7), {psGreen, psRed}, 2},
    {"ТВП", 50, TrendKindBit(8), {psGreen, psRed}, 2},
    {"Стрелка ЗМ", 35, TrendKindBit(9), {psGreenBlinking, psOff, psRed}, 3},
    {"Реверсивное", 60, TrendKindBit(10), {psGreen, psRed}, 2},
    {"Реверсивное с желтым", 65, TrendKindBit(11), {psGreen, psYellow, psRed}, 3},
    {"Светильник", 70, TrendKindBit(12), {psGreen, psRed}, 2},
}};

constexpr const TGroupClassInfo& GroupClassInfo(TGroupClass cls) {
  return kGroupClasses[static_cast<std::size_t>(cls)];
}
TPhaseState NextPhaseState(TGroupClass cls, TPhaseState state);

struct TTrendKindInfo {
  // Appended to the group number in the trend's name.
  const char* Suffix;
  TGroupClass Class;
  // The signal states the kind can show.
  TSignalStateSet States;
  // The slots the kind uses, and those automatic assignment fills.
  TSlotSet Slots;
  TSlotSet AutoSlots;
  // Whether the red and the green lamp can be monitored; also the initial
  // monitoring switches of a new trend.
  bool RedMonitor;
  bool GreenMonitor;
  // The slot of the lamp that green monitoring watches.
  TOutputSlot GreenLampSlot;
  // A row of the signal-group grid and of the image's trend table.
  bool Grid;
  // A row of the phase grids (its phase state can be edited).
  bool Phase;
  // The lamps on in each signal state; a blinking lamp is also on.
  std::array<TSlotSet, kSignalStateCount> Lit;
  std::array<TSlotSet, kSignalStateCount> Blinking;
};
inline constexpr int kTrendKindCount = 13;
constexpr bool IsTrendKind(int kind) { return kind >= 0 && kind < kTrendKindCount; }
// A tram group's stop signal: the three direction lamps together, derived
// from the directions and never shown in the grids.
inline constexpr int kTramStopKind = 7;
inline constexpr int kCallKind = 8;
// A street light drives a single lamp.
inline constexpr int kLedLightKind = 12;
// Only these kinds take part in "smart" traffic lights.
inline constexpr TTrendKindSet kSmartKinds = TrendKindBit(0) | TrendKindBit(1) | TrendKindBit(2);

namespace trend_tables {

constexpr TSignalStateSet States(std::initializer_list<int> states) {
  TSignalStateSet set = 0;
  for (int s : states) set |= SignalStateBit(s);
  return set;
}

// The lamps by the letters of their slots: к ж з л в п н, and none.
inline constexpr TSlotSet Kr = SlotBit(osRed), Zh = SlotBit(osYellow), Ze = SlotBit(osGreen),
                          Le = SlotBit(osTramLeft), Ve = SlotBit(osTramStraight), Pr = SlotBit(osTramRight),
                          Ni = SlotBit(osTramLower), Off = 0;

inline constexpr TSignalStateSet kAllStates = 0x0FFF;
inline constexpr TSignalStateSet kWalkmanStates = States({0, 1, 2, 4, 5, 6, 8, 9, 11});
inline constexpr TSignalStateSet kArrowStates = States({0, 1, 2, 4, 5, 6, 8, 11});
inline constexpr TSignalStateSet kTramStates = States({0, 1, 4, 5, 6, 8, 11});

using TLamps = std::array<TSlotSet, kSignalStateCount>;

// Lamps lit, by signal state:    0   1   2   3    4   5   6   7        8   9   10   11
inline constexpr TLamps kTransportLit = {Ze, Ze, Ze, Zh, Kr, Kr, Kr, Kr | Zh, Ze, Kr, Zh, Off};
inline constexpr TLamps kWalkmanLit = {Ze, Ze, Ze, Off, Kr, Kr, Kr, Off, Ze, Kr, Off, Off};
inline constexpr TLamps kArrowLit = {Ze, Ze, Ze, Off, Kr, Kr, Kr, Off, Ze, Off, Off, Off};
inline constexpr TLamps kArrowGBLit = {Ze, Ze, Ze, Off, Off, Off, Off, Off, Ze, Off, Off, Off};
inline constexpr TLamps kCallLit = {Ze, Ze, Ze, Zh, Off, Off, Off, Off, Off, Off, Off, Off};
inline constexpr TLamps kLedLightLit = {Ze, Ze, Off, Off, Off, Off, Off, Off, Ze, Off, Off, Off};
inline constexpr TSlotSet kLeft = Le | Ni, kStraight = Ve | Ni, kRight = Pr | Ni, kStop = Le | Ve | Pr;
inline constexpr TLamps kTramLeftLit = {kLeft, kLeft, Off, Off, Off, Off, Off, Off, kLeft, Off, Off, Off};
inline constexpr TLamps kTramStraightLit = {kStraight, kStraight, Off, Off, Off, Off, Off, Off, kStraight, Off, Off, Off};
inline constexpr TLamps kTramRightLit = {kRight, kRight, Off, Off, Off, Off, Off, Off, kRight, Off, Off, Off};
inline constexpr TLamps kTramStopLit = {kStop, kStop, Off, Off, Off, Off, Off, Off, kStop, kStop, Off, Off};

// Lamps blinking, by signal state.
inline constexpr TLamps kNoBlinking = {};
inline constexpr TLamps kTransportBlinking = {Off, Off, Ze, Off, Off, Off, Off, Off, Off, Off, Zh, Off};
inline constexpr TLamps kGreenBlinksInState2 = {Off, Off, Ze, Off, Off, Off, Off, Off, Off, Off, Off, Off};
// The "ЗМ" groups: their green always blinks.
inline constexpr TLamps kGreenAlwaysBlinks = {Ze, Ze, Ze, Off, Off, Off, Off, Off, Ze, Off, Off, Off};

}  // namespace trend_tables

inline constexpr std::array<TTrendKindInfo, kTrendKindCount> kTrendKinds = [] {
  using namespace trend_tables;
  using C = TGroupClass;
  return std::array<TTrendKindInfo, kTrendKindCount>{{
      {"Т", C::Transport, kAllStates, Kr | Zh | Ze, Kr | Zh | Ze, true, true, osGreen, true, true, kTransportLit,
       kTransportBlinking},
      {"П", C::Walkman, kWalkmanStates, Kr | Ze, Kr | Ze, false, true, osGreen, true, true, kWalkmanLit,
       kGreenBlinksInState2},
      {"Пм", C::WalkmanGB, kWalkmanStates, Kr | Ze, Kr | Ze, false, true, osGreen, true, true, kWalkmanLit,
       kGreenAlwaysBlinks},
      {"С", C::Arrow, kArrowStates, Kr | Ze, Ze, true, true, osGreen, true, true, kArrowLit, kGreenBlinksInState2},
      {"Тл", C::Tram, kTramStates, Le | Ni, Le | Ni, false, true, osTramLower, true, true, kTramLeftLit, kNoBlinking},
      {"Тв", C::Tram, kTramStates, Ve | Ni, Ve | Ni, false, true, osTramLower, true, true, kTramStraightLit,
       kNoBlinking},
      {"Тп", C::Tram, kTramStates, Pr | Ni, Pr | Ni, false, true, osTramLower, true, true, kTramRightLit, kNoBlinking},
      {"", C::Tram, kTramStates | SignalStateBit(9), Le | Ve | Pr, Le | Ve | Pr, false, false, osGreen, false, false,
       kTramStopLit, kNoBlinking},
      {"ТВП", C::Call, kTramStates, Zh | Ze, Zh | Ze, false, false, osGreen, true, false, kCallLit, kNoBlinking},
      {"См", C::ArrowGB, kArrowStates, Kr | Ze, Ze, true, true, osGreen, true, true, kArrowGBLit,
       kGreenAlwaysBlinks},
      {"Р", C::Reverse2, kTramStates, Kr | Ze, Kr | Ze, true, true, osGreen, true, true, kWalkmanLit, kNoBlinking},
      {"Рж", C::Reverse3, kTramStates | SignalStateBit(3), Kr | Zh | Ze, Kr | Zh | Ze, true, true, osGreen, true, true,
       kTransportLit, kNoBlinking},
      {"СВ", C::LedLight, kArrowStates, Ze, Ze, false, false, osGreen, true, true, kLedLightLit, kNoBlinking},
  }};
}();

// Throws std::out_of_range for a number that is no trend kind.
const TTrendKindInfo& TrendKindInfo(int kind);

// The menu that adds a signal group. Call groups are not offered: the
// pedestrian-call phase lists create and remove their own.
struct TAddGroupMenuEntry {
  const char* Caption;
  int MenuTag;
};
inline constexpr std::array<TAddGroupMenuEntry, 9> kAddGroupMenu = {{
    {"Транспортное", 0},
    {"Пешеходное", 10},
    {"Пешеходное ЗМ", 20},
    {"Стрелка", 30},
    {"Стрелка ЗМ", 35},
    {"Трамвайное", 40},
    {"Реверсивное", 60},
    {"Реверсивное с желтым", 65},
    {"Светильник", 70},
}};

// The class an entry of that menu creates: the class of the first trend kind
// whose class has the tag, the vehicle class for an unknown tag.
TGroupClass GroupClassOfMenuTag(int menuTag);

}  // namespace lir
