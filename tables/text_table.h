// Text tables: loading a knowledge-base table and looking rows up by key.
//
// A table is single-byte text (code page 1257) with CR LF line ends and no
// NUL inside; once loaded it is followed by one NUL. A row is found by a key,
// usually CR LF and the row's label ("\r\n12"), by a plain case-sensitive
// substring search from the start of the text: the first occurrence wins and
// nothing checks what follows the key, so "\r\n1" also finds "\r\n12". The
// tables are written so that every row stands before the rows its key is a
// prefix of.
//
// Line rows are read with LineAfterKey: the label, maybe more non-blank
// characters ("0."), blanks, then the text up to the next CR LF; TABs after
// the blanks belong to the text. Field rows are read with FieldOfKeyedLine
// and ColumnOfValue: the label, then fields each introduced by a TAB, and a
// TAB after the last one. A field ends only at the next TAB, never at the
// line end.
//
// Lookups return -1 when the key, field or value is missing (a negative
// field number or skip count is missing, too) and then leave their
// destination as it was. No lookup checks what it finds beyond that, and none
// shows a message.
#ifndef OMBRIX_TABLES_TEXT_TABLE_H
#define OMBRIX_TABLES_TEXT_TABLE_H

// Copies the table with the given identifier and a NUL into dest; an unknown
// identifier gives an empty text.
void LoadTextTable(char* dest, int destSize, int tableId);

// Offset of the first occurrence of pattern's first length bytes in text, or
// -1. The terminating NUL of text never takes part in a match.
int FindText(const char* text, const char* pattern, int length);

// Number of blanks (0x20, not TABs) at the start of text.
int CountLeadingBlanks(const char* text);

// dest := source without its leading blanks; dest may be source itself.
void TrimLeadingBlanks(const char* source, char* dest, int destSize);

// dest := the text of the row found by key: behind the first separator
// character after the key (searched beyond the key's line, too) and the run
// of blanks there, up to the next CR LF. Returns 0, or -1 without key,
// separator or CR LF, with dest left as it was. dest may be the table's own
// buffer.
int LineAfterKey(char* dest, int destSize, const char* text, const char* key,
                 const char* separator);

// dest := field n (0 or more) of the row found by key; field 0 is the text
// between key and first TAB. Returns 0, or -1 with dest unchanged.
int FieldOfKeyedLine(char* dest, int destSize, const char* text, const char* key, int n);

// Number, counted from 1 after the skip (0 or more) skipped fields, of the
// first field of the row found by key that contains value as a substring; -1
// when none does.
// Only fields ended by a TAB inside the row are examined.
int ColumnOfValue(const char* text, const char* key, const char* value, int skip);

#endif
