#pragma once
// The model's general-purpose lists: object lists that admit one class
// (TSafeObjList, typed as TObjList<T>) and bounded integer lists (TIntList).

#include "model/IntList.h"
#include "model/ObjList.h"
#include "model/SafeObjList.h"
