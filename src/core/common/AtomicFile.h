#pragma once
// Saving a file: the bytes go to a temporary file in the target's folder, which
// is flushed and then renamed over the target. A save that fails at any point
// leaves the old file whole and removes the temporary file.

#include <cstdint>
#include <span>
#include <string>

namespace lir {

// Answers an empty text on success, else the system's reason (strerror text)
// for the step that failed.
std::string saveFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);
std::string saveFileAtomically(const std::string& path, const std::string& bytes);

// Reads a whole file; answers false with the system's reason in error.
bool readWholeFile(const std::string& path, std::string& bytes, std::string& error);

}  // namespace lir
