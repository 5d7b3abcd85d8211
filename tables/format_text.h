// Formatting with a format text that comes from the knowledge base.
//
// Table rows carry placeholders and serve as formats, so they must never
// reach printf. Only "%li" (a number) and "%s" (a text) are conversions, and
// "%%" prints "%". A conversion takes the next argument only when that
// argument is of its kind; otherwise, and when no argument is left, the
// conversion is copied as it stands. Anything else after a "%" is plain text.
// No format can read an argument that was not passed, and the result is cut
// to fit its destination.
#ifndef OMBRIX_TABLES_FORMAT_TEXT_H
#define OMBRIX_TABLES_FORMAT_TEXT_H

#include <cstdint>

struct FormatArg {
  const char* text;  // nullptr for a number
  int32_t number;
};

inline FormatArg NumberArg(int32_t number) {
  return {nullptr, number};
}
inline FormatArg TextArg(const char* text) {
  return {text, 0};
}

// dest := format with its conversions filled from args. dest must not
// overlap format or a text argument.
void FormatText(char* dest, int destSize, const char* format, const FormatArg* args, int argCount);

#endif
