#pragma once
// A guard in front of the system loader. The loader maps a library's
// segments straight from the file; when the file is shorter than its headers
// say (a copy that broke off, a file still being written), touching the
// missing part kills the process with SIGBUS instead of failing the load.

#include <string>

namespace lir {

// An empty text when the file may be handed to the loader: it is an intact
// shared object of this machine's word size, or no such object at all (the
// loader then refuses it with its own reason). Otherwise the reason why the
// file is refused.
std::string checkLibraryFileIntact(const std::string& path);

}  // namespace lir
