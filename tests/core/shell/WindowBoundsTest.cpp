#include "shell/WindowBounds.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>

namespace lir {

std::ostream& operator<<(std::ostream& out, const TWindowRect& r) {
  return out << '{' << r.left << ',' << r.top << ',' << r.width << ',' << r.height << '}';
}

namespace {

struct FitCase {
  const char* what;
  TWindowRect stored;
  TWindowRect workArea;
  TWindowRect expected;
};

const TWindowRect kScreen = {0, 0, 1920, 1040};
const TWindowRect kFallback = {10, 20, 800, 600};

class FitWindowBoundsTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitWindowBoundsTest, FitsIntoTheWorkArea) {
  const FitCase& c = GetParam();
  EXPECT_EQ(fitWindowBounds(c.stored, c.workArea, kFallback), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FitWindowBoundsTest,
    ::testing::Values(
        FitCase{"left -50, wider than the screen", {-50, 100, 3000, 600}, kScreen,
                {0, 100, 1920, 600}},
        FitCase{"inside stays", {100, 50, 800, 600}, kScreen, {100, 50, 800, 600}},
        FitCase{"zero left and top stay", {0, 0, 800, 600}, kScreen, {0, 0, 800, 600}},
        FitCase{"past the right edge moves left", {1500, 0, 800, 600}, kScreen,
                {1120, 0, 800, 600}},
        FitCase{"past the bottom moves up", {0, 900, 800, 600}, kScreen, {0, 440, 800, 600}},
        FitCase{"taller than the screen", {0, 300, 800, 5000}, kScreen, {0, 0, 800, 1040}},
        FitCase{"above the top", {5, -700, 800, 600}, kScreen, {5, 0, 800, 600}},
        FitCase{"exactly the work area", {0, 0, 1920, 1040}, kScreen, {0, 0, 1920, 1040}},
        FitCase{"no size takes the fallback size", {100, 100, 0, -5}, kScreen,
                {100, 100, 800, 600}},
        FitCase{"absurd values do not overflow", {INT_MAX, INT_MIN, INT_MAX, INT_MAX}, kScreen,
                {0, 0, 1920, 1040}},
        FitCase{"far right, far down", {INT_MAX, INT_MAX, 800, 600}, kScreen,
                {1120, 440, 800, 600}},
        FitCase{"work area beside a panel on the left", {-50, 0, 3000, 600},
                {64, 0, 1856, 1080}, {64, 0, 1856, 600}},
        FitCase{"work area on a second screen", {3000, 100, 800, 600},
                {1920, 0, 1280, 1024}, {2400, 100, 800, 600}}),
    [](const auto& info) { return std::to_string(info.index); });

TEST(ClampTimeLineHeightTest, AtMostTheFormHeightLessAThird) {
  struct Case {
    int height;
    int formHeight;
    int expected;
  };
  const Case cases[] = {
      {500, 600, 400}, {300, 600, 300}, {401, 601, 401}, {402, 601, 401}, {403, 602, 402},
      {-5, 600, 0},    {100, 0, 0},     {100, -30, 0},   {INT_MAX, INT_MAX, INT_MAX - INT_MAX / 3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(clampTimeLineHeight(c.height, c.formHeight), c.expected)
        << c.height << " in " << c.formHeight;
  }
}

}  // namespace
}  // namespace lir
