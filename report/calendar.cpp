#include "report/calendar.h"

namespace {

// Days of a common year before the first of each month, indexed 1-12.
constexpr int32_t kMonthStart[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

}  // namespace

bool IsLeapYear(int32_t year) {
  if (year % 100 == 0) return year % 400 == 0;
  return year % 4 == 0;
}

int32_t DaysBetween(int32_t year1, int32_t month1, int32_t day1, int32_t year2, int32_t month2,
                    int32_t day2) {
  int32_t days = (year2 - year1) * 365 + kMonthStart[month2] + day2 - kMonthStart[month1] - day1;
  // A first date of 29 February counts as 1 March: its leap day lies behind it.
  bool beforeLeapDay = month1 == 1 || (month1 == 2 && day1 <= 28);
  if (year1 < year2) {
    if (beforeLeapDay && IsLeapYear(year1)) ++days;
    for (int32_t year = year1 + 1; year < year2; ++year) {
      if (IsLeapYear(year)) ++days;
    }
    if (month2 >= 3 && IsLeapYear(year2)) ++days;
  } else if (year1 == year2) {
    if (beforeLeapDay && month2 >= 3 && IsLeapYear(year1)) ++days;
  }
  return days;
}
