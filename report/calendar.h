// Calendar arithmetic of the cycles: leap years and day counts between two
// dates of the proleptic Gregorian calendar, for any signed year.
#ifndef OMBRIX_REPORT_CALENDAR_H
#define OMBRIX_REPORT_CALENDAR_H

#include <cstdint>

// A multiple of 100 is a leap year when it is a multiple of 400, any other
// year when it is a multiple of 4; negative years alike (-4 and -400 are).
bool IsLeapYear(int32_t year);

// Days from the first date to the second. Forward, when the second date is
// later, every day counts, each 29 February between them included, but a
// first date of 29 February counts as 1 March (29 February 2000 to 1 March
// 2001 gives 365). Backward no leap day counts: the result is minus the days
// between the dates less the 29 Februaries among them, as if every year had
// 365 days (2001-01-01 back to 2000-01-01 gives -365); the cycles count
// backward only for some negative years. Months must be 1-12; days are not
// checked against their month and count on past its end (30 February is
// 2 March of a common year).
int32_t DaysBetween(int32_t year1, int32_t month1, int32_t day1, int32_t year2, int32_t month2,
                    int32_t day2);

#endif
