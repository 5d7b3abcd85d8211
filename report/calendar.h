// Calendar arithmetic of the cycles: leap years and day counts between two
// dates of the proleptic Gregorian calendar, for any signed year.
#ifndef OMBRIX_REPORT_CALENDAR_H
#define OMBRIX_REPORT_CALENDAR_H

#include <cstdint>

// A multiple of 100 is a leap year when it is a multiple of 400, any other
// year when it is a multiple of 4; negative years alike (-4 and -400 are).
bool IsLeapYear(int32_t year);

// Days from the first date to the second, negative when the second comes
// first. Months must be 1-12; days are not checked against their month and
// count on past its end (30 February is 2 March of a common year).
int32_t DaysBetween(int32_t year1, int32_t month1, int32_t day1, int32_t year2, int32_t month2,
                    int32_t day2);

#endif
