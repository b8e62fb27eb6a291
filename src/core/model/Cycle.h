#pragma once
// Work cycles. A work cycle is a TProgram: a named, reference-counted object
// that day-plan items link to (the fixed ЖМ and ОС programs too). Under the
// extended year plan a program holds its own sequence of phases with their
// durations (TProgramPhase items); otherwise its items stay empty and the
// phases keep one duration per cycle themselves.

#include <cstdint>

#include "model/LinkedObjs.h"

namespace lir {

class TPhase;
class TProgram;

class TCycleBase : public TLinkedObject {
  LIR_CLASS(TCycleBase, TLinkedObject)

  explicit TCycleBase(std::string name = {}, const TLinkedObjItemClass* itemClass = nullptr)
      : TLinkedObject(std::move(name), itemClass) {}
};

class TCycle : public TCycleBase {
  LIR_CLASS(TCycle, TCycleBase)

  explicit TCycle(std::string name = {}, const TLinkedObjItemClass* itemClass = nullptr)
      : TCycleBase(std::move(name), itemClass) {}
};

// One position of a program. It keeps its program as a pointer of its own:
// the 4-byte record of a linked item cannot hold an address.
class TProgramPhase : public TLinkedObjItem {
  LIR_CLASS(TProgramPhase, TLinkedObjItem)

  TProgramPhase() = default;

  TProgram* Program() const { return program_; }
  TPhase* Phase() const { return phase_; }
  void SetPhase(TPhase* phase) { phase_ = phase; }
  // Seconds of the phase's main part at this position.
  int Duration() const { return duration_; }
  void SetDuration(int value);

  // Copies the phase and the duration too; the program stays.
  void Assign(const TLinkedObjItem& source) override;

 private:
  friend class TProgram;

  TProgram* program_ = nullptr;
  TPhase* phase_ = nullptr;
  std::uint16_t duration_ = 1;
};

class TProgram : public TCycle {
  LIR_CLASS(TProgram, TCycle)

  explicit TProgram(std::string name = {});

  // "Смещ.": the shift of the cycle in seconds (extended year plan).
  int Offset() const { return offset_; }
  void SetOffset(int value) { offset_ = static_cast<std::int16_t>(value); }

  TProgramPhase* Phase(int index) const { return static_cast<TProgramPhase*>(Item(index)); }
  // A new position after `index` (-1: at the front; the last position or
  // beyond: at the end).
  TProgramPhase* AddPhase(int index, TPhase& phase, int duration);
  void AppendPhase(TPhase& phase, int duration) { AddPhase(Count() - 1, phase, duration); }
  // A position without a phase, for readers that set it right after; every
  // position of a program in use runs a phase.
  TLinkedObjItem* AddItem(int index, const void* data, TLinkedObject* link) override;
  void Clear();

  // Copies the offset as well when the source is a program.
  void Assign(const TLinkedObject* source) override;

 private:
  void Adopt();

  std::int16_t offset_ = 0;
};

}  // namespace lir
