#include "date/month_field.h"

#include <cstring>

#include "date/birth_date.h"
#include "tables/buffers.h"
#include "tables/catalogue.h"
#include "tables/format_text.h"
#include "tables/text_table.h"

int MonthField(char* dest, int destSize, int32_t month, int n) {
  LoadTextTable(TableText, kTextBufferSize, kMonthTableId);
  char key[16];
  FormatArg arg = NumberArg(month);
  FormatText(key, sizeof key, "%li", &arg, 1);
  return FieldOfKeyedLine(dest, destSize, TableText, key, n);
}

// Lower case of a code page 1257 byte: ASCII letters, the accented capitals
// C0-DE (D7 is the multiplication sign) and the three capitals A8, AA, AF.
static unsigned char LowerCase(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
  if (c == 0xA8 || c == 0xAA || c == 0xAF) return static_cast<unsigned char>(c + 0x10);
  return c;
}

static bool EqualIgnoringCase(const char* a, const char* b, int length) {
  for (int i = 0; i < length; ++i) {
    if (LowerCase(static_cast<unsigned char>(a[i])) !=
        LowerCase(static_cast<unsigned char>(b[i]))) {
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
