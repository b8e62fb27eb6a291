#pragma once
// Automatic output assignment: a new signal group, and every group when a
// controller is added, gets free controller outputs for the slots its trends
// fill automatically, preferring outputs whose lamp monitoring suits the slot.

#include "model/ObjList.h"

namespace lir {

class TController;
class TControllerOutput;
class TTrendGroup;

// The first free output for the slot, by capability preference, then
// controller, then output order; null when there is none.
TControllerOutput* FindFreeOutput(const TObjList<TController>& controllers, int slot);

// Fills every still empty slot that the group's trends fill automatically,
// setting each slot's monitoring switch as the editor would.
void AssignFreeOutputs(TTrendGroup& group, const TObjList<TController>& controllers);

}  // namespace lir
