#include "common/DayTime.h"

#include <array>
#include <cmath>
#include <stdexcept>

#include "common/Format.h"

namespace lir {
namespace {

constexpr std::array<int, 12> kDaysInMonth2000 = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr long long kMillisecondsPerDay = 86'400'000;
// Far above any stored value; keeps value * kMillisecondsPerDay inside 64 bits.
constexpr double kLargestDayValue = 1e9;

}  // namespace

std::optional<HourMinute> splitMinutes(int minutesOfDay) {
  if (minutesOfDay < 0 || minutesOfDay > kLastMinuteOfDay) return std::nullopt;
  return HourMinute{minutesOfDay / 60, minutesOfDay % 60};
}

std::optional<int> dayIndexOf(int day, int month) {
  if (month < 1 || month > 12) return std::nullopt;
  if (day < 1 || day > kDaysInMonth2000[month - 1]) return std::nullopt;
  int index = day - 1;
  for (int m = 1; m < month; ++m) index += kDaysInMonth2000[m - 1];
  return index;
}

std::optional<int> dayIndexOf(DayMonth date) { return dayIndexOf(date.day, date.month); }

std::optional<DayMonth> dayMonthOf(int dayIndex) {
  if (dayIndex < 0 || dayIndex >= kDaysInReferenceYear) return std::nullopt;
  int month = 1;
  while (dayIndex >= kDaysInMonth2000[month - 1]) {
    dayIndex -= kDaysInMonth2000[month - 1];
    ++month;
  }
  return DayMonth{dayIndex + 1, month};
}

double dateValueOf(int dayIndex) {
  if (dayIndex < 0 || dayIndex >= kDaysInReferenceYear) {
    throw std::out_of_range(sformat("Day index %d is outside the year", dayIndex));
  }
  return kDateValueOfReferenceYear + dayIndex;
}

std::optional<int> dayIndexOfDateValue(double dateValue) {
  if (!std::isfinite(dateValue)) return std::nullopt;
  // The whole days are the part before the point, a time of day the part after
  // it; testing the range before converting keeps huge values from overflowing.
  const double day = std::floor(dateValue);
  if (day < kDateValueOfReferenceYear || day >= kDateValueOfReferenceYear + kDaysInReferenceYear) {
    return std::nullopt;
  }
  return static_cast<int>(day) - kDateValueOfReferenceYear;
}

double dayFractionOf(int minutesOfDay) {
  const auto hm = splitMinutes(minutesOfDay);
  if (!hm) throw std::out_of_range(sformat("Time %d is outside the day", minutesOfDay));
  return hm->hour / 24.0 + hm->minute / 1440.0;
}

std::optional<int> minutesOfDayFraction(double value) {
  if (!std::isfinite(value) || value < 0 || value >= kLargestDayValue) return std::nullopt;
  const long long ms = std::llround(value * static_cast<double>(kMillisecondsPerDay));
  return static_cast<int>((ms % kMillisecondsPerDay) / 60'000);
}

}  // namespace lir
