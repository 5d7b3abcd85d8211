// Composing the report of a birth date.
//
// ComposeReport empties ReportText and appends the report's sections in
// their fixed order: header, root number, birth day, life path, apogees,
// challenges, birthday gift, cycles, birth-number grid and previous life.
// Every number depends on the date alone; all words come from the knowledge
// base. It allocates nothing: it works in the three text buffers and the
// key text below.
#ifndef OMBRIX_REPORT_REPORT_H
#define OMBRIX_REPORT_REPORT_H

#include "date/birth_date.h"

// Holds in turn the month name of the header, the keys the sections form,
// the previous life's place line with its number filled in and the format
// of its presumed birth year: texts needed while TableText and ScratchLine
// hold something else.
constexpr int kKeyTextSize = 256;
extern char KeyText[kKeyTextSize];

void ComposeReport(BirthDate date);

#endif
