#pragma once
// Questions about the file system that several parts ask; errors of the
// question itself (no permission to look) answer false.

#include <string>

namespace lir {

// Any entry: file, folder, device.
bool pathExists(const std::string& path);

// A regular file, or a link to one.
bool isRegularFile(const std::string& path);

}  // namespace lir
