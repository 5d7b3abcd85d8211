// The sections of the report, in the order ComposeReport appends them, and
// what they share. Each reads only the birth date and appends to ReportText.
//
// The numbers of each section are exposed as plain functions of the date, so
// that each can be checked on its own; the Append functions compose them.
#ifndef OMBRIX_REPORT_SECTIONS_H
#define OMBRIX_REPORT_SECTIONS_H

#include <cstdint>

#include "date/birth_date.h"

// Holds the month name of the header, then the keys the sections form.
constexpr int kKeyTextSize = 256;
extern char KeyText[kKeyTextSize];

// Loads the meaning table and appends the meaning of number at position
// (1-4, or 0 for a table labelled by the number alone): apogee and cycle
// meanings are labelled 100 × position + number, challenge and gift meanings
// by the number alone. A number the table has no meaning for appends
// nothing; only years of 0 and below give one.
void AppendMeaning(int tableId, int position, int32_t number);

int32_t RootNumber(BirthDate date);
int32_t LifePathNumber(BirthDate date);
int32_t LifePathDigit(BirthDate date);

void AppendHeader(BirthDate date);
void AppendRootNumber(BirthDate date);
void AppendBirthDay(BirthDate date);
void AppendLifePath(BirthDate date);

// Age at which apogee k (1-3) ends; the fourth lasts from the end of the
// third to the end of life.
int32_t ApogeeEndAge(BirthDate date, int k);
// The age the line of apogee k (1-4) names: its end age, and for the fourth
// the end of the third, from where it lasts.
int32_t ApogeeLineAge(BirthDate date, int k);
// Number of apogee k (1-4): 1-9 or 11 for years of 1 and above.
int32_t ApogeeNumber(BirthDate date, int k);
void AppendApogees(BirthDate date);

// Challenge k (1-4): the first and second minor, the main and the
// additional challenge; 0-8 for years of 1 and above.
int32_t ChallengeNumber(BirthDate date, int k);
void AppendChallenges(BirthDate date);

// Days 10, 12-21 and 23-31 have a birthday gift, 1-8; other days have 0.
int32_t BirthdayGiftNumber(BirthDate date);
void AppendBirthdayGift(BirthDate date);

// The second cycle starts on 1 January of this year, the third on 1 May
// 28 years later.
int32_t SecondCycleStartYear(BirthDate date);
int32_t ThirdCycleStartYear(BirthDate date);
int32_t FirstCycleNumber(BirthDate date);
int32_t SecondCycleNumber(BirthDate date);
int32_t ThirdCycleNumber(BirthDate date);
void AppendCycles(BirthDate date);

// Which digits occur in the date and its grid sum, and which lines of the
// three-by-three grid are complete. Index 0 of digitPresent says that any
// digit (or a zero or minus sign) occurs, index 0 of linePresent that any
// line is complete. Lines 1-3 are the shown rows 1 4 7, 2 5 8 and 3 6 9,
// lines 4-6 its columns 1 2 3, 4 5 6 and 7 8 9.
struct GridFlags {
  bool digitPresent[10];
  bool linePresent[7];
};

// Marks every character of n in decimal: a digit its own flag, a minus sign
// flag 0.
void MarkDigits(int32_t n, GridFlags* flags);
void MarkGrid(BirthDate date, GridFlags* flags);
// The grid as shown: three rows of cells, a digit or a star each.
void BuildGridText(const GridFlags* flags, char* dest, int destSize);
void AppendGrid(BirthDate date);

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
void AppendPreviousLife(BirthDate date);

#endif
