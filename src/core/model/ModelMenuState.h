#pragma once
// Which entries of the models menu may be chosen when a controller is added to
// an existing project. (For a new project every entry may be chosen.)

#include <cstdint>

namespace lir {

class TLIRModel;
class TProject;

// A family submenu: only the family of the project's first controller.
bool ModelFamilyEnabled(std::uint8_t family, const TProject& project);

// A model: any model while the project has no controller; otherwise one of the
// first controller's family, when both models allow several controllers, the
// first is no composite and the project has room for another controller.
bool ModelEntryEnabled(const TLIRModel& model, const TProject& project);

}  // namespace lir
