// The month table: per month a field row of full name, abbreviation
// and locative, keyed by the month number alone, without CR LF. The locative
// carries no TAB behind it, so as a field it runs on into the next row; the
// December row's locative is not found at all.
#ifndef OMBRIX_DATE_MONTH_FIELD_H
#define OMBRIX_DATE_MONTH_FIELD_H

#include <cstdint>

// Loads the month table into TableText and reads field n of the month's row
// into dest. Returns 0, or -1 with dest unchanged.
int MonthField(char* dest, int destSize, int32_t month, int n);

// The month whose name or abbreviation begins text, letter case ignored for
// all code page 1257 letters; 0 when none does. Months are tried in order,
// each with its full name, then that name with plain a, o and u for ä, õ, ö
// and ü ("marts"), its abbreviation and its locative; the first match wins.
int32_t MatchMonthName(const char* text);

#endif
