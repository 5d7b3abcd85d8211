#include "report/core_sections.h"

#include "date/month_field.h"
#include "report/reduce.h"
#include "report/report.h"
#include "tables/buffers.h"
#include "tables/catalogue.h"
#include "tables/composite_steps.h"
#include "tables/format_text.h"
#include "tables/text_table.h"

int32_t RootNumber(BirthDate date) {
  return ReduceAtLeastOnce(date.day);
}

int32_t LifePathNumber(BirthDate date) {
  return ReduceKeepingMasters(ReduceAtLeastOnce(date.day) + ReduceAtLeastOnce(date.month) +
                              ReduceAtLeastOnce(date.year));
}

int32_t LifePathDigit(BirthDate date) {
  return ReduceAtLeastOnce(LifePathNumber(date));
}

void AppendHeader(BirthDate date) {
  MonthField(KeyText, kKeyTextSize, date.month, 1);
  FormatArg args[] = {NumberArg(date.day), TextArg(KeyText), NumberArg(date.year)};
  FormatText(TableText, kTextBufferSize, "\r\n%li. %s %li\r\n\r\n\r\n", args, 3);
  AppendToReport(TableText);
}

void AppendRootNumber(BirthDate date) {
  AppendTableWhole(RootTableId(RootNumber(date)));
  AppendToReport("\r\n\r\n");
}

void AppendBirthDay(BirthDate date) {
  LoadTextTable(TableText, kTextBufferSize, kBirthDayTableId);
  AppendKeyedLine("\r\n0");
  AppendToReport("\r\n");
  AppendNumberedLine(date.day);
  AppendToReport("\r\n\r\n");
}

void AppendLifePath(BirthDate date) {
  AppendTableWhole(LifePathTableId(LifePathNumber(date)));
  AppendToReport("\r\n");
}
