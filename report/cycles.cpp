#include "report/cycles.h"

#include "report/calendar.h"
#include "report/meaning.h"
#include "report/reduce.h"
#include "tables/buffers.h"
#include "tables/catalogue.h"
#include "tables/composite_steps.h"
#include "tables/text_table.h"

namespace {

// The length of the second cycle: 28 years and 4 months.
constexpr int32_t kCycleYears = 28;
constexpr int32_t kCycleMonths = 4;

// The cycle's meaning after its line, then the cycle table again, which the
// meaning's table took the place of.
void AppendCycleMeaning(int cycle, int32_t number) {
  AppendToReport("\r\n");
  AppendMeaning(kCycleMeaningTableId, cycle, number);
  AppendToReport("\r\n\r\n");
  LoadTextTable(TableText, kTextBufferSize, kCycleTableId);
}

}  // namespace

int32_t SecondCycleStartYear(BirthDate date) {
  // The nominal end of the first cycle keeps the birth day unchanged, even
  // where its month is shorter (31 October gives 31 February).
  int32_t month = date.month + kCycleMonths;
  int32_t year = date.year + kCycleYears;
  if (month > 12) {
    month -= 12;
    year += 1;
  }
  int32_t yearNumber =
      ReduceNumber(ReduceNumber(date.day) + ReduceNumber(date.month) + ReduceNumber(year));
  int32_t early = year - yearNumber + 1;
  int32_t late = year - yearNumber + 10;
  int32_t daysBefore = DaysBetween(early, 1, 1, year, month, date.day);
  int32_t daysAfter = DaysBetween(year, month, date.day, late, 1, 1);
  return daysBefore < daysAfter ? early : late;  // a tie goes to the later year
}

int32_t ThirdCycleStartYear(BirthDate date) {
  return SecondCycleStartYear(date) + kCycleYears;
}

int32_t FirstCycleNumber(BirthDate date) {
  return ReduceNumber(date.month);
}

int32_t SecondCycleNumber(BirthDate date) {
  return ReduceKeepingMasters(date.day);
}

int32_t ThirdCycleNumber(BirthDate date) {
  return ReduceNumber(date.year);
}

void AppendCycles(BirthDate date) {
  BeginSection(kCycleTableId);
  FetchKeyedLine("\r\n1");
  AppendFormattedLine(FirstCycleNumber(date));
  AppendCycleMeaning(1, FirstCycleNumber(date));
  FetchKeyedLine("\r\n2");
  AppendFormattedLine(SecondCycleStartYear(date), SecondCycleNumber(date));
  AppendCycleMeaning(2, SecondCycleNumber(date));
  FetchKeyedLine("\r\n3");
  AppendFormattedLine(ThirdCycleStartYear(date), ThirdCycleNumber(date));
  AppendCycleMeaning(3, ThirdCycleNumber(date));
}
