// The steps with which the report sections move looked-up lines into
// ReportText. Every lookup here reads TableText with the blank separator.
//
// After JoinKeyedLine or AppendFormattedLine, TableText no longer holds a
// table: a section loads its table again before the next lookup.
//
// A one-line entry with a number is FetchKeyedLine, then AppendFormattedLine
// with the number; a two-line entry is FetchKeyedLine of the first row,
// JoinKeyedLine of the second, then AppendFormattedLine with two numbers.
//
// A missed key leaves the destination of its lookup as it was; each step
// below says what it then appends.
#ifndef OMBRIX_TABLES_COMPOSITE_STEPS_H
#define OMBRIX_TABLES_COMPOSITE_STEPS_H

#include <cstdint>

// Appends text to ReportText; what does not fit in its 64 KiB is cut.
void AppendToReport(const char* text);

// Loads the table into TableText and appends all of it to ReportText; an
// unknown table appends nothing.
void AppendTableWhole(int tableId);

// Loads the table; appends "\r\n", its heading (AppendKeyedLine with the key
// "\r\n0") and "\r\n".
void BeginSection(int tableId);

// ScratchLine := the row of key, then appends ScratchLine; a missed key
// appends the line that ScratchLine held before.
void AppendKeyedLine(const char* key);

// AppendKeyedLine with the key "\r\n<n>".
void AppendNumberedLine(int32_t n);

// ScratchLine := the row of key, or what it held when the key is missed;
// appends nothing.
void FetchKeyedLine(const char* key);

// Moves the row of key to the start of TableText (the table is gone), then
// appends "\r\n" and that row to ScratchLine. A missed key changes neither
// buffer, so nothing is joined.
void JoinKeyedLine(const char* key);

// Formats ScratchLine with the numbers into TableText and appends the result.
void AppendFormattedLine(int32_t first);
void AppendFormattedLine(int32_t first, int32_t second);

#endif
