// The cycles: three periods of life, the second starting on 1 January of a
// year chosen near the date 28 years and 4 months after birth, the third
// 28 years later on 1 May; each with its number and reading.
#ifndef OMBRIX_REPORT_CYCLES_H
#define OMBRIX_REPORT_CYCLES_H

#include <cstdint>

#include "date/birth_date.h"

// The second cycle starts on 1 January of this year, the third on 1 May
// 28 years later.
int32_t SecondCycleStartYear(BirthDate date);
int32_t ThirdCycleStartYear(BirthDate date);
int32_t FirstCycleNumber(BirthDate date);
int32_t SecondCycleNumber(BirthDate date);
int32_t ThirdCycleNumber(BirthDate date);
void AppendCycles(BirthDate date);

#endif
