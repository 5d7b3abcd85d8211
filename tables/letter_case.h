// Letter case in code page 1257, for matching texts whatever their case.
#ifndef OMBRIX_TABLES_LETTER_CASE_H
#define OMBRIX_TABLES_LETTER_CASE_H

// Lower case of a code page 1257 byte: ASCII letters, the accented capitals
// C0-DE (D7 is the multiplication sign) and the three capitals A8, AA, AF;
// every other byte as it is.
unsigned char LowerCaseLetter(unsigned char c);

#endif
