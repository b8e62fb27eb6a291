#include "model/Controller.h"

#include "model/LIRModels.h"
#include "model/TrendGroup.h"

namespace lir {

TControllerOutput::~TControllerOutput() {
  if (group_ != nullptr) group_->ForgetOutput(*this);
}

TController::TController(TLIRModel& model) : model_(&model) {
  for (const auto& output : model.Outputs()) outputs_.Add(new TControllerOutput(*this, *output));
  for (const auto& input : model.Inputs()) inputs_.Add(new TControllerInput(*this, *input));
}

}  // namespace lir
