#include "model/LIRModelOrder.h"

#include "common/Format.h"
#include "common/TextCase.h"
#include "model/LIRModels.h"

namespace lir {

std::string ModelSortKey(const TLIRModel& model) {
  return sformat("%.3d", static_cast<int>(model.Family()) - 1000) + upperCaseText(model.Description());
}

}  // namespace lir
