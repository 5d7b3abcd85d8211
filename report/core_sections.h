// The first sections of the report: the date line, the root-number text,
// the meaning of the birth day and the life-path text.
#ifndef OMBRIX_REPORT_CORE_SECTIONS_H
#define OMBRIX_REPORT_CORE_SECTIONS_H

#include <cstdint>

#include "date/birth_date.h"

int32_t RootNumber(BirthDate date);
int32_t LifePathNumber(BirthDate date);
int32_t LifePathDigit(BirthDate date);

void AppendHeader(BirthDate date);
void AppendRootNumber(BirthDate date);
void AppendBirthDay(BirthDate date);
void AppendLifePath(BirthDate date);

#endif
