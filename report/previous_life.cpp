#include "report/previous_life.h"

#include <cstdlib>

#include "report/report.h"
#include "tables/buffers.h"
#include "tables/catalogue.h"
#include "tables/composite_steps.h"
#include "tables/format_text.h"
#include "tables/text_table.h"

namespace {

constexpr int32_t kWindowStart = 1850;
constexpr int32_t kWindowYears = 140;

void FormKey(const char* format, const FormatArg* args, int count) {
  FormatText(KeyText, kKeyTextSize, format, args, count);
}

void FormNumberKey(const char* format, int32_t n) {
  FormatArg arg = NumberArg(n);
  FormKey(format, &arg, 1);
}

// KeyText := CR LF, the letter and the number, as "\r\nR5".
void FormLetterKey(const char* letter, int32_t n) {
  FormatArg args[] = {TextArg(letter), NumberArg(n)};
  FormKey("\r\n%s%li", args, 2);
}

// The man's row of the month holds the year letter, or else the woman's.
// KeyText keeps the key of the row found, for the lookups in that row.
int FindSexRow(int32_t month, PreviousLife* life) {
  life->sex = 1;
  FormNumberKey("\r\nM%li", month);
  life->letterColumn = ColumnOfValue(TableText, KeyText, life->yearLetter, 2);
  if (life->letterColumn != -1) return 0;
  life->sex = 2;
  FormNumberKey("\r\nN%li", month);
  life->letterColumn = ColumnOfValue(TableText, KeyText, life->yearLetter, 2);
  return life->letterColumn != -1 ? 0 : -1;
}

// The type's rows hold the days in ascending order, so a one-digit day is
// met before any two-digit day that contains it. KeyText keeps the key of
// the row found.
int FindDayRow(int32_t day, PreviousLife* life) {
  char value[16];
  FormatArg arg = NumberArg(day);
  FormatText(value, sizeof value, "%li", &arg, 1);
  for (int32_t row = 1; row <= 6; ++row) {
    FormLetterKey(life->typeLetter, row);
    int32_t column = ColumnOfValue(TableText, KeyText, value, 3);
    if (column != -1) {
      life->dayColumn = column;
      return 0;
    }
  }
  return -1;
}

void AppendSex(const PreviousLife* life) {
  LoadTextTable(TableText, kTextBufferSize, kSexTableId);
  AppendKeyedLine("\r\nT");
  AppendToReport("\r\n\r\n");
  AppendKeyedLine("\r\n0");
  AppendToReport("\r\n");
  AppendNumberedLine(life->sex);
  AppendToReport("\r\n\r\n");
}

// A block of a heading and the entry of the row labelled label.
void AppendEntry(int tableId, const char* label) {
  LoadTextTable(TableText, kTextBufferSize, tableId);
  AppendKeyedLine("\r\n0");
  AppendToReport("\r\n");
  FormatArg arg = TextArg(label);
  FormKey("\r\n%s", &arg, 1);
  AppendKeyedLine(KeyText);
  AppendToReport("\r\n\r\n");
}

// The label of an entry: a letter and a number, as "R5".
void FormatLabel(const char* letter, int32_t n, char* dest) {
  FormatArg args[] = {TextArg(letter), NumberArg(n)};
  FormatText(dest, kFieldTextSize, "%s%li", args, 2);
}

// The place table's texts hold no digits, so the bare place number first
// occurs as its own row's label; the heading is formatted into KeyText to
// keep the table loaded.
void AppendPlace(const PreviousLife* life) {
  LoadTextTable(TableText, kTextBufferSize, kPlaceTableId);
  FetchKeyedLine("\r\n0");
  FormatArg arg = TextArg(life->placeNumber);
  FormKey(ScratchLine, &arg, 1);
  AppendToReport(KeyText);
  AppendToReport("\r\n");
  AppendKeyedLine(life->placeNumber);
  AppendToReport("\r\n\r\n");
}

// The year stands in the birth month's row under the column of the year
// letter in the header row; the header's label "0" is the first zero of the
// table. The year is kept as stored; a letter or month the table lacks (its
// column is -1, which no field has) gives an empty year.
void FindPastBirthYear(const PreviousLife* life, int32_t month, char* dest) {
  dest[0] = '\0';
  LoadTextTable(TableText, kTextBufferSize, kPastYearTableId);
  int yearColumn = ColumnOfValue(TableText, "0", life->yearLetter, 1);
  FormNumberKey("\r\n%li", month);
  FieldOfKeyedLine(dest, kFieldTextSize, TableText, KeyText, yearColumn);
}

void AppendPastBirthYear(const char* year) {
  LoadTextTable(TableText, kTextBufferSize, kPastYearTableId);
  AppendKeyedLine("\r\nT1");
  AppendToReport("\r\n");
  LineAfterKey(KeyText, kKeyTextSize, TableText, "\r\nT2", " ");
  FormatArg arg = TextArg(year);
  FormatText(TableText, kTextBufferSize, KeyText, &arg, 1);
  AppendToReport(TableText);
  AppendToReport("\r\n\r\n");
}

}  // namespace

int32_t FoldedYear(int32_t year) {
  // The same as adding or subtracting 140 until the year lies in the window.
  int64_t offset = (static_cast<int64_t>(year) - kWindowStart) % kWindowYears;
  if (offset < 0) offset += kWindowYears;
  return kWindowStart + static_cast<int32_t>(offset);
}

int DecidePreviousLife(BirthDate date, PreviousLife* life) {
  *life = {};
  int32_t foldedYear = FoldedYear(date.year);
  LoadTextTable(TableText, kTextBufferSize, kYearLetterTableId);
  FormNumberKey("\r\n%li", foldedYear / 10);
  FieldOfKeyedLine(life->yearLetter, kFieldTextSize, TableText, KeyText, foldedYear % 10 + 1);

  LoadTextTable(TableText, kTextBufferSize, kMonthRowTableId);
  if (FindSexRow(date.month, life) != 0) return -1;
  FieldOfKeyedLine(life->groupLetter, kFieldTextSize, TableText, KeyText, 1);
  FieldOfKeyedLine(life->typeLetter, kFieldTextSize, TableText, "TYYP", life->letterColumn + 1);

  LoadTextTable(TableText, kTextBufferSize, kDayTableId);
  if (FindDayRow(date.day, life) != 0) return -1;
  FieldOfKeyedLine(life->placeNumber, kFieldTextSize, TableText, KeyText, life->sex);
  return 0;
}

int32_t PlaceNumberValue(const PreviousLife* life) {
  return std::atoi(life->placeNumber);
}

int32_t TraitVariant(const PreviousLife* life) {
  return 2 - PlaceNumberValue(life) % 2;
}

char DayBand(int32_t day) {
  if (day <= 11) return 'A';
  if (day <= 21) return 'B';
  return 'C';
}

void ChoosePreviousLifeRows(BirthDate date, const PreviousLife* life, PreviousLifeRows* rows) {
  FormatLabel(life->groupLetter, life->letterColumn, rows->profession);
  FormatLabel(life->typeLetter, TraitVariant(life), rows->trait);
  FindPastBirthYear(life, date.month, rows->pastBirthYear);
  const char band[] = {DayBand(date.day), '\0'};
  FormatLabel(band, life->dayColumn, rows->task);
}

void AppendPreviousLife(BirthDate date) {
  PreviousLife life;
  if (DecidePreviousLife(date, &life) != 0) return;
  PreviousLifeRows rows;
  ChoosePreviousLifeRows(date, &life, &rows);
  AppendSex(&life);
  AppendEntry(kProfessionTableId, rows.profession);
  AppendEntry(kTraitTableId, rows.trait);
  AppendPlace(&life);
  AppendPastBirthYear(rows.pastBirthYear);
  AppendEntry(kTaskTableId, rows.task);
}
