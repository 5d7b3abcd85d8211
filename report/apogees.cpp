#include "report/apogees.h"

#include "report/core_sections.h"
#include "report/meaning.h"
#include "report/reduce.h"
#include "tables/buffers.h"
#include "tables/catalogue.h"
#include "tables/composite_steps.h"
#include "tables/text_table.h"

namespace {

// Per apogee: the row of its period line (with the age) and of its number line.
constexpr const char* kPeriodKeys[] = {"\r\n1", "\r\n2", "\r\n3", "\r\n4"};
constexpr const char* kNumberKeys[] = {"\r\n6", "\r\n7", "\r\n8", "\r\n9"};

}  // namespace

int32_t ApogeeEndAge(BirthDate date, int k) {
  return 27 + 9 * k - LifePathDigit(date);
}

int32_t ApogeeLineAge(BirthDate date, int k) {
  return ApogeeEndAge(date, k < 4 ? k : 3);
}

int32_t ApogeeNumber(BirthDate date, int k) {
  if (k == 3) {
    // The first two enter as one digit each: an 11 counts as 2.
    return ReduceKeepingMasters(ReduceNumber(ApogeeNumber(date, 1)) +
                                ReduceNumber(ApogeeNumber(date, 2)));
  }
  int32_t first, second;
  JoinedParts(date, k, &first, &second);
  return ReduceKeepingMasters(first + second);
}

void AppendApogees(BirthDate date) {
  BeginSection(kApogeeTableId);
  for (int k = 1; k <= 4; ++k) {
    if (k > 1) LoadTextTable(TableText, kTextBufferSize, kApogeeTableId);
    FetchKeyedLine(kPeriodKeys[k - 1]);
    JoinKeyedLine(kNumberKeys[k - 1]);
    AppendFormattedLine(ApogeeLineAge(date, k), ApogeeNumber(date, k));
    AppendToReport("\r\n");
    AppendMeaning(kApogeeMeaningTableId, k, ApogeeNumber(date, k));
    AppendToReport("\r\n\r\n");
  }
}
