#pragma once
// Signal groups and their trends, for the parts of the program that work with
// all of them: phases, transition intervals, files and images.

#include "model/SignalStates.h"
#include "model/Trend.h"
#include "model/TrendEvents.h"
#include "model/TrendGroup.h"
#include "model/TrendKinds.h"
