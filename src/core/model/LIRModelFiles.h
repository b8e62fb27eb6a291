#pragma once
// Finding the model plug-in files of a folder.

#include <string>
#include <vector>

namespace lir {

// The bare names of the plug-in files in folder: regular files (or links to
// them), hidden ones included, whose name ends in ".zml" in any letter case,
// since plug-ins are copied over from systems that ignore case. Sorted by
// name (byte order) so that every run loads them in the same order.
//
// Throws ELIRModelFolderException when the folder cannot be listed.
std::vector<std::string> ListModelLibraryFiles(const std::string& folder);

}  // namespace lir
