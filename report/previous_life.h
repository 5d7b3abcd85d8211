// The previous-life reading. A chain of letter and number matrices leads
// from the birth year, month and day to a sex, a profession, a character
// trait, a birthplace, a presumed birth year and a task of this life.
//
// All deciding lookups are made before anything is appended: when the year
// letter stands in neither row of the month, or the birth day in no row of
// its type, the reading is left out whole.
#ifndef OMBRIX_REPORT_PREVIOUS_LIFE_H
#define OMBRIX_REPORT_PREVIOUS_LIFE_H

#include <cstdint>

#include "date/birth_date.h"

// The values that decide the previous-life reading, read from the letter and
// number matrices. Letters and the place number are texts of table fields.
constexpr int kFieldTextSize = 16;
struct PreviousLife {
  char yearLetter[kFieldTextSize];
  int32_t sex;           // 1 man, 2 woman
  int32_t letterColumn;  // 1-7
  char groupLetter[kFieldTextSize];
  char typeLetter[kFieldTextSize];
  int32_t dayColumn;  // 1-7
  char placeNumber[kFieldTextSize];
};

// The year moved into 1850-1989 by steps of 140 years.
int32_t FoldedYear(int32_t year);
// Fills life; -1 when the year letter or the birth day is not found, and
// then the reading is left out.
int DecidePreviousLife(BirthDate date, PreviousLife* life);
// The place number read as a decimal number.
int32_t PlaceNumberValue(const PreviousLife* life);
// 1 for an odd place number, 2 for an even one.
int32_t TraitVariant(const PreviousLife* life);
// 'A' for days 1-11, 'B' for 12-21, 'C' for 22-31.
char DayBand(int32_t day);

// The rows the reading shows, by their labels: the profession ("R5", group
// letter and letter column), the trait ("F1", type letter and trait variant)
// and the task ("C2", day band and day column); and the presumed birth year
// as its table holds it.
struct PreviousLifeRows {
  char profession[kFieldTextSize];
  char trait[kFieldTextSize];
  char pastBirthYear[kFieldTextSize];
  char task[kFieldTextSize];
};
// Fills rows from the deciding values; uses TableText for the year table.
void ChoosePreviousLifeRows(BirthDate date, const PreviousLife* life, PreviousLifeRows* rows);

// Appends the reading's six blocks, or nothing when DecidePreviousLife fails.
void AppendPreviousLife(BirthDate date);

#endif
