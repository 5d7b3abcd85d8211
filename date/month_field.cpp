#include "date/month_field.h"

#include <cstring>

#include "date/birth_date.h"
#include "tables/buffers.h"
#include "tables/catalogue.h"
#include "tables/format_text.h"
#include "tables/letter_case.h"
#include "tables/text_table.h"

int MonthField(char* dest, int destSize, int32_t month, int n) {
  LoadTextTable(TableText, kTextBufferSize, kMonthTableId);
  char key[16];
  FormatArg arg = NumberArg(month);
  FormatText(key, sizeof key, "%li", &arg, 1);
  return FieldOfKeyedLine(dest, destSize, TableText, key, n);
}

static bool EqualIgnoringCase(const char* a, const char* b, int length) {
  for (int i = 0; i < length; ++i) {
    if (LowerCaseLetter(static_cast<unsigned char>(a[i])) !=
        LowerCaseLetter(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// Whether text begins with candidate, letter case ignored; a text shorter
// than the candidate cannot.
static bool BeginsWith(const char* text, int textLength, const char* candidate) {
  int length = static_cast<int>(std::strlen(candidate));
  return length <= textLength && EqualIgnoringCase(text, candidate, length);
}

// Writes a, o, o and u for the lower-case ä, õ, ö and ü of code page 1257,
// as a keyboard without Estonian letters types them; true when one changed.
static bool ToPlainLetters(char* text) {
  bool changed = false;
  for (char* c = text; *c != '\0'; ++c) {
    char plain = *c == '\xE4' ? 'a' : *c == '\xF5' || *c == '\xF6' ? 'o' : *c == '\xFC' ? 'u' : *c;
    changed = changed || plain != *c;
    *c = plain;
  }
  return changed;
}

int32_t MatchMonthName(const char* text) {
  int textLength = static_cast<int>(std::strlen(text));
  char candidate[kDateTextSize];
  for (int32_t month = 1; month <= 12; ++month) {
    for (int n = 1; MonthField(candidate, sizeof candidate, month, n) == 0; ++n) {
      if (BeginsWith(text, textLength, candidate)) return month;
      // The full name typed with plain letters ("marts") is that month, too:
      // tried before any later month's abbreviation ("ma") can take it.
      if (n == 1 && ToPlainLetters(candidate) && BeginsWith(text, textLength, candidate)) {
        return month;
      }
    }
  }
  return 0;
}
