// The birth-number grid: which digits 1-9 occur in the date and its grid
// sum, shown as three rows of digits and stars, with the readings of the
// complete lines and the meanings of the present digits.
#ifndef OMBRIX_REPORT_GRID_H
#define OMBRIX_REPORT_GRID_H

#include <cstdint>

#include "date/birth_date.h"

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

#endif
