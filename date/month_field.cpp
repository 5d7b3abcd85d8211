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

int32_t MatchMonthName(const char* text) {
  int textLength = static_cast<int>(std::strlen(text));
  char candidate[kDateTextSize];
  for (int32_t month = 1; month <= 12; ++month) {
    for (int n = 1; MonthField(candidate, sizeof candidate, month, n) == 0; ++n) {
      int length = static_cast<int>(std::strlen(candidate));
      // A text shorter than the candidate cannot begin with it.
      if (length <= textLength && EqualIgnoringCase(text, candidate, length)) return month;
    }
  }
  return 0;
}
