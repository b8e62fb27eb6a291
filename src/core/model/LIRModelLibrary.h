#pragma once
// Asking one controller model plug-in library for its model.

#include <string>

#include "model/LIRModelData.h"

namespace lir {

// Loads the library at path, asks it every question of the plug-in interface
// in the fixed order, and unloads it again on every path. Texts are converted
// from Windows-1251 at once; a null text answers as an empty one.
//
// Throws ELIRModelException with the reason on the first failure: the file is
// not an intact loadable library (the loader's own reason), the library is of
// an outdated or newer interface, an export is missing, or an output function
// answers an error code. Nothing of a refused library is kept.
TLIRModelData ReadModelLibrary(const std::string& path);

}  // namespace lir
