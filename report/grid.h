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
// flags := the digits of day, month and year, of the grid sum (their plain
// one-digit reductions added up) and of that sum reduced, then the complete
// lines. A negative reduced sum, from a year below 0, marks only its digits.
void MarkGrid(BirthDate date, GridFlags* flags);

// dest := the grid as shown: "\r\n", then three rows of three cells, each a
// TAB, a blank and the digit or a star, each row ended by an empty line.
void BuildGridText(const GridFlags* flags, char* dest, int destSize);

// Appends the grid's heading, the grid, the readings of its complete lines
// and the meanings of its present digits.
void AppendGrid(BirthDate date);

#endif
