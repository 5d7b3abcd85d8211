// Text between the program (code page 1257, CR LF line ends) and the widgets
// (Unicode, LF line ends), converted by the one converter of the program.
#ifndef OMBRIX_PLATFORM_QT_TEXT_CONVERSION_H
#define OMBRIX_PLATFORM_QT_TEXT_CONVERSION_H

#include <QString>
#include <string>

// The Unicode text of a NUL-terminated code page 1257 text; nullptr gives "".
QString FromCodePage(const char* text);

// The code page 1257 bytes of a text; characters the code page lacks become "?".
std::string ToCodePage(const QString& text);

// The text as code page 1257 carries it, which is all a text control holds:
// composed where a letter and its accent make one that the code page has
// ("o" and a combining tilde: "õ"), every other character the code page
// lacks as "?", every NUL left out.
QString LimitedToCodePage(const QString& text);

// Every line break becomes LF: CR LF, CR alone, and the line and paragraph
// separators (U+2028, U+2029), which the code page lacks.
QString WithLfLineEnds(const QString& text);

#endif
