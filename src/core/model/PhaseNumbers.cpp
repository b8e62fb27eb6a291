#include "model/PhaseNumbers.h"

#include "model/Phase.h"

namespace lir {

void TPhaseNumbers::Reset() {
  bits_ = 0;
  for (int n = 13; n <= 15; ++n) bits_ |= std::uint64_t{1} << n;
}

void TPhaseNumbers::Mark(int number) {
  CheckPhaseNumber(number);
  bits_ |= std::uint64_t{1} << number;
}

int TPhaseNumbers::FirstFree() const {
  for (int n = 1; n <= kHighestGiven; ++n) {
    if (!Used(n)) return n;
  }
  return kNoneFree;
}

}  // namespace lir
