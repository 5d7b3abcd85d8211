// The digit sum and the three reductions on which every number of the
// report rests. They differ in how they treat the master numbers 11 and 22
// and negative values, and the difference shows in the report.
#ifndef OMBRIX_REPORT_REDUCE_H
#define OMBRIX_REPORT_REDUCE_H

#include <cstdint>

#include "date/birth_date.h"

// Sum of the decimal digits of n; a minus sign adds nothing. Never negative.
int32_t DigitSum(int32_t n);

// Digit sums while the value is 10 or more; negative values stay unchanged.
int32_t ReduceNumber(int32_t n);

// As ReduceNumber, but stops at 11 and 22, also when reached on the way.
int32_t ReduceKeepingMasters(int32_t n);

// One digit sum first, then ReduceNumber: always 0-9.
int32_t ReduceAtLeastOnce(int32_t n);

// The two reduced parts of the date (ReduceNumber) that the first, second
// and fourth apogee and challenge join: day and month, day and year, month
// and year. The third joins the first two instead.
void JoinedParts(BirthDate date, int k, int32_t* first, int32_t* second);

#endif
