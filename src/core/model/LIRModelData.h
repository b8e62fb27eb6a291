#pragma once
// What a controller model plug-in answers, as plain values (texts in UTF-8).
// TLIRModel is built from it; tests and other parts of the program can build
// models from it without any plug-in file.

#include <cstdint>
#include <string>
#include <vector>

namespace lir {

struct TLIRModelOutputData {
  std::string Description;
  std::uint32_t Mask = 0;
  // The raw answer of GetOutputCtlOptions; see TLIRControlSet::FromCtlOptions.
  std::uint32_t CtlOptions = 0;
};

struct TLIRModelData {
  std::uint8_t Revision = 0;
  std::uint8_t Family = 0;
  std::int32_t InternalID = 0;
  std::uint32_t Flags = 0;
  std::int32_t MaxRAMSize = 0;
  std::string Description;
  std::string FamilyName;
  std::int32_t MaxWorkCycles = 0;
  std::int32_t MaxDayplanItems = 0;
  std::int32_t MaxYearplanItems = 0;
  std::vector<TLIRModelOutputData> Outputs;
  int InputCount = 0;
};

}  // namespace lir
