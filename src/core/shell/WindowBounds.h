#pragma once
// Placing the main window from stored values: pure functions, so the rules can
// be checked without a screen.

namespace lir {

struct TWindowRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const TWindowRect&) const = default;
};

// Fits stored bounds into the desktop work area: width and height at most the
// work area's, a window left of or above the work area moved onto it, and one
// that would reach past the right or bottom edge moved back so that it ends
// there. A stored width or height of zero or less is no size at all and the
// fallback's is used. Works in 64 bits, so absurd stored values cannot overflow.
TWindowRect fitWindowBounds(const TWindowRect& stored, const TWindowRect& workArea,
                            const TWindowRect& fallback);

// The timing-diagram box takes at most the form height less a third of it (whole
// pixels, rounded down), and never less than zero.
int clampTimeLineHeight(int height, int formHeight);

}  // namespace lir
