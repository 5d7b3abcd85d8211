#include "date/birth_date.h"

#include <cstring>

#include "date/month_field.h"
#include "tables/buffers.h"
#include "tables/catalogue.h"
#include "tables/text_table.h"

namespace {

bool IsConversionSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Decimal value of the first maxChars characters of text: leading white
// space, an optional sign, then digits up to the first non-digit; no digits
// give 0. Five characters at most, so nothing can overflow.
int32_t ConvertDecimal(const char* text, int maxChars) {
  int i = 0;
  while (i < maxChars && IsConversionSpace(text[i])) ++i;
  bool negative = false;
  if (i < maxChars && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int32_t value = 0;
  while (i < maxChars && text[i] >= '0' && text[i] <= '9') value = value * 10 + (text[i++] - '0');
  return negative ? -value : value;
}

bool HasSeparator(const char* text) {
  return std::strpbrk(text, ". ") != nullptr;
}

// Drops everything up to and including the first full stop or blank, then
// the blanks that follow it. Called only after HasSeparator.
void Cut(char* text) {
  char* rest = std::strpbrk(text, ". ") + 1;
  TrimLeadingBlanks(rest, text, kDateTextSize);
}

}  // namespace

int ParseDateText(const char* text, BirthDate* date) {
  char input[kDateTextSize];
  CopyBytes(input, sizeof input, text, BoundedLength(text, kDateTextSize - 1));
  char work[kDateTextSize];
  TrimLeadingBlanks(input, work, sizeof work);

  date->day = ConvertDecimal(work, 2);
  if (date->day < 1 || date->day > 31) return -1;
  if (!HasSeparator(work)) return -1;
  Cut(work);

  date->month = ConvertDecimal(work, 2);
  if (date->month == 0) {
    date->month = MatchMonthName(work);
    if (date->month == 0) return -1;
  } else if (date->month < 1 || date->month > 12) {
    return -1;
  }
  if (!HasSeparator(work)) return -1;
  Cut(work);

  date->year = ConvertDecimal(work, 5);
  if (date->year != 0) return 0;
  // A zero year must be written as one: "0..." or "-0...", not "+0" or "".
  if (work[0] == '0' || (work[0] == '-' && work[1] == '0')) return 0;
  return -1;
}

void ComposeDateError(char* caption, int captionSize) {
  LoadTextTable(TableText, kTextBufferSize, kDateErrorTableId);
  LineAfterKey(caption, captionSize, TableText, "\r\n0", " ");
  LineAfterKey(ReportText, kTextBufferSize, TableText, "\r\nKPV1", " ");
  LineAfterKey(ScratchLine, kTextBufferSize, TableText, "\r\nKPV2", " ");
  AppendText(ReportText, kTextBufferSize, "\r\n");
  AppendText(ReportText, kTextBufferSize, ScratchLine);
}
