#pragma once
// Times of day and the dates of plans.
//
// A time of day is a count of minutes after midnight, 0..1439 (h * 60 + m).
// Plan dates live in the reference year 2000, a leap year so that 29 February
// exists: day index 0 is 1 January, 365 is 31 December. Project files keep a
// date as a day count from 30 December 1899 (so 1 January 2000 is 36526) and a
// time of day as a fraction of a day, both in 8-byte floats.
//
// Every conversion of outside data answers std::nullopt for a value it cannot
// place (a date outside 2000, 31 February, a minute past 23:59, a NaN) rather
// than clamping it into a plausible but wrong one: the reader decides what to
// report.

#include <optional>

namespace lir {

inline constexpr int kMinutesPerDay = 1440;
inline constexpr int kLastMinuteOfDay = 1439;
inline constexpr int kDaysInReferenceYear = 366;
// The stored date value of 1 January 2000.
inline constexpr int kDateValueOfReferenceYear = 36526;

constexpr int minutesOf(int hours, int minutes) { return hours * 60 + minutes; }

struct HourMinute {
  int hour = 0;
  int minute = 0;
  bool operator==(const HourMinute&) const = default;
};

// Hours and minutes of a time of day 0..1439; nullopt outside.
std::optional<HourMinute> splitMinutes(int minutesOfDay);

struct DayMonth {
  int day = 1;    // 1..31
  int month = 1;  // 1..12
  bool operator==(const DayMonth&) const = default;
};

// The day index in 2000 of a day and month; nullopt for a day the year 2000
// does not have.
std::optional<int> dayIndexOf(int day, int month);
std::optional<int> dayIndexOf(DayMonth date);
// Day and month of a day index 0..365; nullopt outside.
std::optional<DayMonth> dayMonthOf(int dayIndex);

// Stored date value of a day index 0..365; throws std::out_of_range outside
// (the model never holds such an index).
double dateValueOf(int dayIndex);
// The day index of a stored date value; any time-of-day fraction is ignored.
// nullopt for a value outside 2000 or not a number.
std::optional<int> dayIndexOfDateValue(double dateValue);

// A time of day 0..1439 as the day fraction hours/24 + minutes/1440, as project
// files store it; throws std::out_of_range outside.
double dayFractionOf(int minutesOfDay);
// The time of day (in minutes) held in the fractional part of a stored value;
// whole days before it are ignored (the caller reads them as flags). The value
// is rounded to the millisecond first, so 0.0416666 reads as 01:00 and not
// 00:59. nullopt for a negative, huge or non-number value.
std::optional<int> minutesOfDayFraction(double value);

}  // namespace lir
