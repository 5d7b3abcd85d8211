// Reading a birth date from the text a person typed.
//
// The accepted form is day, month and year in this order, separated by a
// full stop or a blank (with any number of further blanks). The month is a
// number or an Estonian month name, its abbreviation, or any text beginning
// with one of them, in any letter case; a full name may be typed with plain
// a, o and u for its Estonian letters ("marts"). The year is written in full and may
// be zero or negative. Only the first 255 characters of the input count.
//
// ParseDateText fills a BirthDate or fails; it uses TableText for the month
// table. ComposeDateError writes the date error box's caption and message.
#ifndef OMBRIX_DATE_BIRTH_DATE_H
#define OMBRIX_DATE_BIRTH_DATE_H

#include <cstdint>

struct BirthDate {
  int32_t day;    // 1-31, not compared with the month's length
  int32_t month;  // 1-12
  int32_t year;   // -9999 to 99999
};

// Length of the working texts of the parser, NUL included.
constexpr int kDateTextSize = 256;

// Parses text (code page 1257, NUL-terminated) into date. Returns 0, or -1
// when the text is no date; after -1, date may hold partial values.
int ParseDateText(const char* text, BirthDate* date);

// caption := the error box's caption; ReportText := its two message lines
// separated by CR LF. Uses TableText and ScratchLine on the way.
void ComposeDateError(char* caption, int captionSize);

#endif
