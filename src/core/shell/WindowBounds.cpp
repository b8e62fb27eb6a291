#include "shell/WindowBounds.h"

#include <algorithm>
#include <cstdint>

namespace lir {
namespace {

// One axis: the extent is limited to the available extent, then the start is
// kept between the area's start and the last start at which the window still
// ends inside the area.
void fitAxis(int storedStart, int storedExtent, int areaStart, int areaExtent, int fallbackExtent,
             int& start, int& extent) {
  const std::int64_t available = std::max(areaExtent, 0);
  std::int64_t size = storedExtent > 0 ? storedExtent : fallbackExtent;
  size = std::clamp<std::int64_t>(size, 0, available);
  const std::int64_t lowest = areaStart;
  const std::int64_t highest = lowest + available - size;
  start = static_cast<int>(std::clamp<std::int64_t>(storedStart, lowest, highest));
  extent = static_cast<int>(size);
}

}  // namespace

TWindowRect fitWindowBounds(const TWindowRect& stored, const TWindowRect& workArea,
                            const TWindowRect& fallback) {
  TWindowRect fitted;
  fitAxis(stored.left, stored.width, workArea.left, workArea.width, fallback.width, fitted.left,
          fitted.width);
  fitAxis(stored.top, stored.height, workArea.top, workArea.height, fallback.height, fitted.top,
          fitted.height);
  return fitted;
}

int clampTimeLineHeight(int height, int formHeight) {
  const int limit = std::max(formHeight - formHeight / 3, 0);
  return std::clamp(height, 0, limit);
}

}  // namespace lir
