#pragma once
// The numbers phases carry ("Ф1", "Ф16", ...) and the set of those in use.
// Numbers 1..12 and 16..31 are given to phases; 13..15 never are, since the
// number menu uses 14 for the ЖМ mask and 15 for the ОС mask; 0 marks the
// all-red (КК) phases; 32 is what a phase gets when no number was free. The
// configuration image keeps the set in 40 bits, so no number may reach 40.

#include <cstdint>

namespace lir {

class TPhaseNumbers {
 public:
  static constexpr int kAllRed = 0;
  static constexpr int kNoneFree = 32;
  static constexpr int kHighestGiven = 31;
  static constexpr int kBits = 40;

  // A number the used set can hold.
  static constexpr bool Fits(int number) { return number >= 0 && number < kBits; }
  static constexpr bool IsReserved(int number) { return number >= 13 && number <= 15; }
  // The number given after this one: 12 is followed by 16.
  static constexpr int NextGiven(int number) { return number + 1 == 13 ? 16 : number + 1; }

  TPhaseNumbers() { Reset(); }

  // Back to only the reserved numbers 13, 14 and 15.
  void Reset();
  // Throws EPhaseError "Incorrect phase number %d" for a number that does not fit.
  void Mark(int number);
  bool Used(int number) const { return Fits(number) && (bits_ >> number & 1u) != 0; }
  // The lowest of 1..31 not in use, or kNoneFree.
  int FirstFree() const;
  std::uint64_t Bits() const { return bits_; }

 private:
  std::uint64_t bits_ = 0;
};

}  // namespace lir
