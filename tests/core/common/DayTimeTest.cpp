#include "common/DayTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace lir {
namespace {

TEST(DayTimeTest, MinutesAndHours) {
  EXPECT_EQ(minutesOf(7, 30), 450);
  EXPECT_EQ(minutesOf(23, 59), 1439);
  EXPECT_EQ(splitMinutes(0), (HourMinute{0, 0}));
  EXPECT_EQ(splitMinutes(450), (HourMinute{7, 30}));
  EXPECT_EQ(splitMinutes(1439), (HourMinute{23, 59}));
  EXPECT_FALSE(splitMinutes(1440));
  EXPECT_FALSE(splitMinutes(-1));
}

TEST(DayTimeTest, DaysOfTheReferenceYear) {
  struct Case { int day, month, index; };
  for (const Case c : {Case{1, 1, 0}, Case{31, 1, 30}, Case{1, 2, 31}, Case{28, 2, 58},
                       Case{29, 2, 59}, Case{1, 3, 60}, Case{31, 12, 365}}) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(dayIndexOf(c.day, c.month), c.index);
    EXPECT_EQ(dayMonthOf(c.index), (DayMonth{c.day, c.month}));
    EXPECT_EQ(dateValueOf(c.index), 36526.0 + c.index);
    EXPECT_EQ(dayIndexOfDateValue(36526.0 + c.index), c.index);
  }
  for (int i = 0; i < 366; ++i) EXPECT_EQ(dayIndexOf(*dayMonthOf(i)), i);
}

TEST(DayTimeTest, DaysThatTheYearDoesNotHaveAreRefused) {
  struct Case { int day, month; };
  for (const Case c : {Case{30, 2}, Case{31, 4}, Case{0, 1}, Case{32, 1}, Case{1, 0},
                       Case{1, 13}, Case{-1, 5}}) {
    EXPECT_FALSE(dayIndexOf(c.day, c.month)) << c.day << "." << c.month;
  }
  EXPECT_FALSE(dayMonthOf(-1));
  EXPECT_FALSE(dayMonthOf(366));
  EXPECT_THROW(dateValueOf(366), std::out_of_range);
  EXPECT_THROW(dateValueOf(-1), std::out_of_range);
}

TEST(DayTimeTest, StoredDateValues) {
  EXPECT_EQ(dayIndexOfDateValue(36526.75), 0);   // a time of day is ignored
  EXPECT_EQ(dayIndexOfDateValue(36891.999), 365);
  for (const double outside : {36525.0, 36525.5, 36892.0, 0.0, -36526.0, 1e300, -1e300,
                               std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity()}) {
    EXPECT_FALSE(dayIndexOfDateValue(outside)) << outside;
  }
}

TEST(DayTimeTest, DayFractionsOfStoredStartTimes) {
  EXPECT_EQ(dayFractionOf(0), 0.0);
  EXPECT_EQ(dayFractionOf(minutesOf(12, 0)), 0.5);
  EXPECT_DOUBLE_EQ(dayFractionOf(minutesOf(7, 30)), 7 / 24.0 + 30 / 1440.0);
  EXPECT_THROW(dayFractionOf(1440), std::out_of_range);
  // Every minute survives the trip, also with a whole day added as a flag.
  for (int m = 0; m < kMinutesPerDay; ++m) {
    EXPECT_EQ(minutesOfDayFraction(dayFractionOf(m)), m);
    EXPECT_EQ(minutesOfDayFraction(1.0 + dayFractionOf(m)), m);
  }
  // Values just below a minute read as that minute, not the one before.
  EXPECT_EQ(minutesOfDayFraction(1 / 24.0 - 1e-12), 60);
  EXPECT_EQ(minutesOfDayFraction(0.9999999999999), 0);  // rounds into the next day
  for (const double bad : {-0.5, 1e300, std::numeric_limits<double>::quiet_NaN(),
                           -std::numeric_limits<double>::infinity()}) {
    EXPECT_FALSE(minutesOfDayFraction(bad)) << bad;
  }
}

}  // namespace
}  // namespace lir
