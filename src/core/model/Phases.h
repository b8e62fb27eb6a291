#pragma once
// The phases of a project: phases, phase lists, their storage and numbering.

#include "model/Phase.h"
#include "model/PhaseEvents.h"
#include "model/PhaseList.h"
#include "model/PhaseNumbers.h"
#include "model/PhaseStorage.h"
#include "model/PhaseTransitions.h"
