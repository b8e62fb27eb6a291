#pragma once
// A controller of the project: an instance of a model with its physical outputs
// and pedestrian-call inputs, one per model output and input, in model order.

#include "common/ObjectBase.h"
#include "model/ObjList.h"

namespace lir {

class TLIRModel;
class TLIRModelInput;
class TLIRModelOutput;
class TController;
class TTrendGroup;

class TControllerOutput : public TObject {
  LIR_CLASS(TControllerOutput, TObject)

 public:
  TControllerOutput(TController& controller, TLIRModelOutput& modelOutput)
      : controller_(&controller), modelOutput_(&modelOutput) {}
  // Empties the slots of the group that uses it.
  ~TControllerOutput() override;

  TController& Controller() const { return *controller_; }
  TLIRModelOutput& ModelOutput() const { return *modelOutput_; }
  // The signal group whose slot uses this output, or null.
  // Kept by TTrendGroup::SetOutput.
  TTrendGroup* Group() const { return group_; }
  void SetGroup(TTrendGroup* group) { group_ = group; }

 private:
  TController* controller_;
  TLIRModelOutput* modelOutput_;
  TTrendGroup* group_ = nullptr;
};

class TControllerInput : public TObject {
  LIR_CLASS(TControllerInput, TObject)

 public:
  TControllerInput(TController& controller, TLIRModelInput& modelInput)
      : controller_(&controller), modelInput_(&modelInput) {}

  TController& Controller() const { return *controller_; }
  TLIRModelInput& ModelInput() const { return *modelInput_; }

 private:
  TController* controller_;
  TLIRModelInput* modelInput_;
};

class TController : public TObject {
  LIR_CLASS(TController, TObject)

 public:
  explicit TController(TLIRModel& model);

  TLIRModel& Model() const { return *model_; }
  const TObjList<TControllerOutput>& Outputs() const { return outputs_; }
  const TObjList<TControllerInput>& Inputs() const { return inputs_; }

 private:
  TLIRModel* model_;
  TObjList<TControllerOutput> outputs_{true};
  TObjList<TControllerInput> inputs_{true};
};

}  // namespace lir
