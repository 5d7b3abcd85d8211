// The first sections of the report: the date line, the root-number text,
// the meaning of the birth day and the life-path text.
#ifndef OMBRIX_REPORT_CORE_SECTIONS_H
#define OMBRIX_REPORT_CORE_SECTIONS_H

#include <cstdint>

#include "date/birth_date.h"

// The birth day reduced to one digit, 1-9 for every day: its digit sum is
// taken at least once, so 29 gives 11 and then 2, never a master number.
int32_t RootNumber(BirthDate date);

// Day, month and year, each reduced to one digit (the year's minus sign adds
// nothing), added up and reduced keeping the master numbers: 1-9, 11 or 22
// for every date, so year -1980 gives what 1980 gives.
int32_t LifePathNumber(BirthDate date);

// The life path brought to one digit, 11 as 2 and 22 as 4: 1-9. It is never
// printed; the apogees' ages rest on it.
int32_t LifePathDigit(BirthDate date);

// Appends "\r\n", the day, a full stop, the month's full name as the month
// table spells it, the year, and three CR LFs ("27. oktoober 1980").
void AppendHeader(BirthDate date);

// Appends the whole table of the root number, then an empty line.
void AppendRootNumber(BirthDate date);

// Appends the birth-day heading and the row of the day (1-31).
void AppendBirthDay(BirthDate date);

// Appends the whole table of the life path (one of 1-9, 11 and 22).
void AppendLifePath(BirthDate date);

#endif
