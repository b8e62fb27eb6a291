#include "common/ObjectBase.h"

#include "common/Format.h"

namespace lir {

void ThrowListIndexError(int index) { throw EListError(sformat("List index out of bounds (%d)", index)); }

}  // namespace lir
