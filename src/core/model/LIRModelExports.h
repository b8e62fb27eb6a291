#pragma once
// The interface between the configurator and a controller model plug-in
// (*.zml): the functions a plug-in exports with C linkage, with their exact
// types. The loader binds them through these types and the sample plug-ins
// check their own definitions against them, so both sides cannot drift apart.
//
// Texts answered by a plug-in are zero-terminated Windows-1251 bytes that stay
// valid until the library is unloaded; the loader copies them at once.

#include <cstdint>

namespace lir::zml {

// A plug-in must report at least this interface version...
inline constexpr std::uint32_t kMinZMLVersion = 2;
// ...and must not ask for a newer client than the one implemented here.
inline constexpr std::uint32_t kClientVersion = 1;

using GetZMLVersionFn = std::uint32_t (*)();
using GetLastClientVersionFn = std::uint32_t (*)();
using GetInternalIDFn = std::int32_t (*)();
using GetRevisionFn = std::uint8_t (*)();
using GetDescriptionAFn = const char* (*)();
using GetFamilyFn = std::uint8_t (*)();
using GetFamilyNameAFn = const char* (*)();
using GetFlagsFn = std::uint32_t (*)();
using GetMaxRAMSizeFn = std::int32_t (*)();
using GetMaxDayplanItemsCountFn = std::int32_t (*)();
using GetMaxYearplanItemsCountFn = std::int32_t (*)();
using GetMaxWorkCyclesCountFn = std::int32_t (*)();
// The per-output functions answer 0 on success, any other value is an error
// code; the out value is only read after success.
using GetOutputDescriptionAFn = std::int32_t (*)(std::int32_t index, const char** description);
using GetOutputMaskFn = std::int32_t (*)(std::int32_t index, std::uint32_t* mask);
using GetOutputCtlOptionsFn = std::int32_t (*)(std::int32_t index, std::uint32_t* options);
using GetOutputCountFn = std::uint8_t (*)();
using GetInputCountFn = std::uint8_t (*)();

// Exported only by libraries of the old interface; its presence refuses the
// library.
inline constexpr const char* kOutdatedMarker = "IsZML";

}  // namespace lir::zml
