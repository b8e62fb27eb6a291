#pragma once
// The project of a main controller: what one intersection is made of. The main
// window holds one; creating, opening and New replace it as a whole.

#include <cstdint>
#include <memory>
#include <string>

#include "model/Controller.h"
#include "model/ObjList.h"
#include "model/ProjectOptions.h"

namespace lir {

class TProject {
 public:
  static constexpr const char* kDefaultName = "Новый перекресток";
  static constexpr int kMaxControllers = 3;
  static constexpr int kDefaultAllRedTime = 3;

  explicit TProject(int allRedTime = kDefaultAllRedTime);

  // Back to an empty project: no controllers, the default name and options,
  // system number 1 and the given all-red duration. The object stays the same,
  // so whatever holds a reference to it (readers, pages) keeps working.
  void Reset(int allRedTime);

  std::string Name = kDefaultName;
  TProjectOptions Options = kNewProjectOptions;
  std::uint8_t AllRedTime;       // seconds
  std::uint8_t SystemNumber = 1;  // management-system number, 1..2

  bool HasOption(TProjectOption option) const { return (Options & option) != 0; }
  void SetOption(TProjectOption option, bool on);

  const TObjList<TController>& Controllers() const { return controllers_; }
  int ControllerCount() const { return controllers_.Count(); }
  // The first controller's model decides what the project may use; null
  // while the project has no controller.
  TLIRModel* FirstModel() const;
  TController& AddController(TLIRModel& model);

 private:
  TObjList<TController> controllers_{true};
};

}  // namespace lir
