#include "report/report.h"

#include "report/sections.h"
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
