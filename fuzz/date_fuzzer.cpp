// Any text a person can type or paste into the date input: the parser
// either rejects it or yields a date within its ranges, and the report of
// that date stays terminated inside its buffer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "date/birth_date.h"
#include "report/report.h"
#include "tables/buffers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static char text[100001];
  if (size >= sizeof text) size = sizeof text - 1;
  std::memcpy(text, data, size);
  text[size] = '\0';
  BirthDate date;
  if (ParseDateText(text, &date) != 0) {
    char caption[kDateTextSize];
    ComposeDateError(caption, sizeof caption);
    return 0;
  }
  if (date.day < 1 || date.day > 31 || date.month < 1 || date.month > 12 || date.year < -9999 ||
      date.year > 99999) {
    std::abort();
  }
  ComposeReport(date);
  if (BoundedLength(ReportText, kTextBufferSize) >= kTextBufferSize) std::abort();
  return 0;
}
