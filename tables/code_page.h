// Conversion between the program's code page 1257 and UTF-8, for the places
// where text leaves or enters the program: the command line, the terminal,
// the window's widgets and saved files. Not used while a report is composed.
#ifndef OMBRIX_TABLES_CODE_PAGE_H
#define OMBRIX_TABLES_CODE_PAGE_H

#include <string>

// UTF-8 of a code page 1257 text.
std::string Utf8FromCodePage(const std::string& text);

// Code page 1257 of a UTF-8 text; a character the code page lacks, and a
// byte that is not UTF-8, becomes "?".
std::string CodePageFromUtf8(const std::string& text);

#endif
