#include "report/report.h"

#include "report/apogees.h"
#include "report/birthday_gift.h"
#include "report/challenges.h"
#include "report/core_sections.h"
#include "report/cycles.h"
#include "report/grid.h"
#include "report/previous_life.h"
#include "tables/buffers.h"

char KeyText[kKeyTextSize];

void ComposeReport(BirthDate date) {
  ReportText[0] = '\0';
  AppendHeader(date);
  AppendRootNumber(date);
  AppendBirthDay(date);
  AppendLifePath(date);
  AppendApogees(date);
  AppendChallenges(date);
  AppendBirthdayGift(date);
  AppendCycles(date);
  AppendGrid(date);
  AppendPreviousLife(date);
}
