// The sections of the report, in the order ComposeReport appends them, and
// what they share. Each reads only the birth date and appends to ReportText.
#ifndef OMBRIX_REPORT_SECTIONS_H
#define OMBRIX_REPORT_SECTIONS_H

#include <cstdint>

#include "date/birth_date.h"

// Holds the month name of the header, then the keys the sections form.
constexpr int kKeyTextSize = 256;
extern char KeyText[kKeyTextSize];

int32_t RootNumber(BirthDate date);
int32_t LifePathNumber(BirthDate date);
int32_t LifePathDigit(BirthDate date);

void AppendHeader(BirthDate date);
void AppendRootNumber(BirthDate date);
void AppendBirthDay(BirthDate date);
void AppendLifePath(BirthDate date);

#endif
