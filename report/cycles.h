// The cycles: three periods of life, the second starting on 1 January of a
// year chosen near the date 28 years and 4 months after birth, the third
// 28 years later on 1 May; each with its number and reading.
#ifndef OMBRIX_REPORT_CYCLES_H
#define OMBRIX_REPORT_CYCLES_H

#include <cstdint>

#include "date/birth_date.h"

// The year on whose 1 January the second cycle starts: of the two candidate
// years around the date 28 years and 4 months after birth, the one whose
// 1 January lies nearer to that date; a tie takes the later.
int32_t SecondCycleStartYear(BirthDate date);

// The year on whose 1 May the third cycle starts: 28 years after the second.
int32_t ThirdCycleStartYear(BirthDate date);

// The birth month reduced plainly to one digit, 1-9: November's 11 gives 2,
// unlike the second cycle's master numbers.
int32_t FirstCycleNumber(BirthDate date);

// The birth day reduced but kept at a master number: 1-9, 11 or 22 (days
// 11 and 29 give 11, day 22 gives 22); the only cycle that has them.
int32_t SecondCycleNumber(BirthDate date);

// The birth year reduced to one digit, 1-9 for years of 1 and above; a year
// of 0 or below comes back unchanged, a number that has no reading.
int32_t ThirdCycleNumber(BirthDate date);

// Appends the cycles' heading and, per cycle, its line and its reading.
void AppendCycles(BirthDate date);

#endif
