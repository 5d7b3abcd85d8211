// Whole reports: every section in order with its exact separators, built
// here from the rows of the knowledge base; and sweeps over many dates for
// what must hold in every report.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "date/month_field.h"
#include "report/report.h"
#include "report/sections.h"
#include "table_rows.h"
#include "tables/buffers.h"

namespace {

std::string Str(int32_t n) {
  return std::to_string(n);
}

// The numbers each meaning table has a row for; other numbers, which only
// years of 0 and below give, get no meaning.
bool IsDigitOrMaster(int32_t n) {
  return (n >= 1 && n <= 9) || n == 11 || n == 22;
}

std::string MeaningIf(bool covered, int table, int32_t label) {
  return covered ? Row(table, label) : "";
}

std::string ExpectedFirstSections(BirthDate date) {
  char month[64] = "";
  MonthField(month, sizeof month, date.month, 1);
  return "\r\n" + Str(date.day) + ". " + month + " " + Str(date.year) + "\r\n\r\n\r\n" +
         Table(10 * RootNumber(date)) + "\r\n\r\n" + Row(5, 0) + "\r\n" + Row(5, date.day) +
         "\r\n\r\n" + Table(1000 + 10 * LifePathNumber(date)) + "\r\n";
}

std::string ExpectedApogeesChallengesGift(BirthDate date) {
  std::string text = "\r\n" + Row(2000, 0) + "\r\n";
  for (int k = 1; k <= 4; ++k) {
    int32_t number = ApogeeNumber(date, k);
    std::string format = Row(2000, k) + "\r\n" + Row(2000, k + 5);
    text += Fill(format, {Str(ApogeeEndAge(date, k < 4 ? k : 3)), Str(number)}) + "\r\n" +
            MeaningIf(IsDigitOrMaster(number), 2005, 100 * k + number) + "\r\n\r\n";
  }
  text += "\r\n" + Row(3000, 0) + "\r\n";
  for (int k = 1; k <= 4; ++k) {
    int32_t number = ChallengeNumber(date, k);
    text += Fill(Row(3000, k), number) + "\r\n" +
            MeaningIf(number >= 0 && number <= 8, 3005, number) + "\r\n\r\n";
  }
  int32_t gift = BirthdayGiftNumber(date);
  if (gift != 0) text += "\r\n" + Fill(Row(4000, 0), gift) + "\r\n" + Row(4005, gift) + "\r\n\r\n";
  return text;
}

std::string ExpectedCycles(BirthDate date) {
  int32_t start = SecondCycleStartYear(date);
  int32_t numbers[] = {FirstCycleNumber(date), SecondCycleNumber(date), ThirdCycleNumber(date)};
  std::string lines[] = {Fill(Row(5000, 1), numbers[0]),
                         Fill(Row(5000, 2), {Str(start), Str(numbers[1])}),
                         Fill(Row(5000, 3), {Str(start + 28), Str(numbers[2])})};
  std::string text = "\r\n" + Row(5000, 0) + "\r\n";
  for (int k = 1; k <= 3; ++k) {
    int32_t n = numbers[k - 1];
    bool covered = (n >= 1 && n <= 9) || (k == 2 && IsDigitOrMaster(n));
    text += lines[k - 1] + "\r\n" + MeaningIf(covered, 5005, 100 * k + n) + "\r\n\r\n";
  }
  return text;
}

std::string ExpectedGrid(BirthDate date) {
  GridFlags flags;
  MarkGrid(date, &flags);
  std::string text = "\r\n" + Row(6000, 0) + "\r\n\r\n";
  for (int digit : {1, 4, 7, 2, 5, 8, 3, 6, 9}) {
    text += flags.digitPresent[digit] ? "\t " + Str(digit) : "\t *";
    if (digit >= 7) text += "\r\n\r\n";
  }
  if (flags.linePresent[0]) {
    text += Row(6000, 10) + "\r\n";
    for (int line = 1; line <= 6; ++line) {
      if (flags.linePresent[line]) text += Row(6000, 10 + line) + "\r\n\r\n";
    }
  }
  text += Row(6000, 20) + "\r\n";
  for (int digit = 1; digit <= 9; ++digit) {
    if (flags.digitPresent[digit]) text += Row(6000, 20 + digit) + "\r\n";
  }
  return text + "\r\n\r\n";
}

// The year of the birth month's row under the year letter's column.
std::string PastBirthYear(int32_t month, const std::string& letter) {
  std::vector<std::string> header = Fields(7040, "0");
  for (size_t column = 1; column < header.size(); ++column) {
    if (header[column] == letter) return Fields(7040, Str(month)).at(column);
  }
  return "<no column>";
}

std::string ExpectedPreviousLife(BirthDate date) {
  PreviousLife life;
  if (DecidePreviousLife(date, &life) != 0) return "<no reading>";
  std::string place = life.placeNumber;
  return Row(7000, "T") + "\r\n\r\n" + Row(7000, 0) + "\r\n" + Row(7000, life.sex) + "\r\n\r\n" +
         Row(7010, 0) + "\r\n" + Row(7010, life.groupLetter + Str(life.letterColumn)) + "\r\n\r\n" +
         Row(7020, 0) + "\r\n" + Row(7020, life.typeLetter + Str(TraitVariant(&life))) +
         "\r\n\r\n" + Fill(Row(7030, 0), {place}) + "\r\n" + Row(7030, place) + "\r\n\r\n" +
         Row(7040, "T1") + "\r\n" +
         Fill(Row(7040, "T2"), {PastBirthYear(date.month, life.yearLetter)}) + "\r\n\r\n" +
         Row(7050, 0) + "\r\n" +
         Row(7050, std::string(1, DayBand(date.day)) + Str(life.dayColumn)) + "\r\n\r\n";
}

std::string ExpectedReport(BirthDate date) {
  return ExpectedFirstSections(date) + ExpectedApogeesChallengesGift(date) + ExpectedCycles(date) +
         ExpectedGrid(date) + ExpectedPreviousLife(date);
}

TEST(WholeReport, DefaultDateHoldsEverySectionInOrder) {
  BirthDate date = {27, 10, 1980};
  ComposeReport(date);
  std::string report = ReportText;
  EXPECT_EQ(report, ExpectedReport(date));
  // The rows the worked example names, found in this order.
  const std::string pieces[] = {
      "\r\n27. oktoober 1980\r\n\r\n\r\n",
      "\r\nApogeed\r\n\tI apogee kestab s\xFCnnimomendist kuni 35. eluaastani.\r\n"
      "\tI apogee numbriks on 1\r\n" +
          Row(2005, 101) + "\r\n\r\n",
      Fill(Row(2000, 2) + "\r\n" + Row(2000, 7), {"44", "9"}) + "\r\n" + Row(2005, 209),
      Fill(Row(2000, 3) + "\r\n" + Row(2000, 8), {"53", "1"}) + "\r\n" + Row(2005, 301),
      Fill(Row(2000, 4) + "\r\n" + Row(2000, 9), {"53", "1"}) + "\r\n" + Row(2005, 401),
      "\r\nV\xE4ljakutsed\r\n" + Fill(Row(3000, 1), 8) + "\r\n" + Row(3005, 8),
      Fill(Row(3000, 2), 0) + "\r\n" + Row(3005, 0),
      Fill(Row(3000, 3), 8) + "\r\n" + Row(3005, 8),
      Fill(Row(3000, 4), 8) + "\r\n" + Row(3005, 8),
      "\r\nS\xFCnnip\xE4\x65vakingi nr: 5\r\n" + Row(4005, 5),
      "\r\nTs\xFCklid\r\n" + Fill(Row(5000, 1), 1) + "\r\n" + Row(5005, 101),
      Fill(Row(5000, 2), {"2007", "9"}) + "\r\n" + Row(5005, 209),
      Fill(Row(5000, 3), {"2035", "9"}) + "\r\n" + Row(5005, 309),
      "\r\nS\xFCnninumbrid\r\n\r\n\t 1\t *\t 7\r\n\r\n\t 2\t *\t 8\r\n\r\n\t *\t *\t 9\r\n\r\n",
      Row(6000, 16),
      Row(6000, 21),
      Row(6000, 22),
      Row(6000, 27),
      Row(6000, 28),
      Row(6000, 29),
      "Andmeid eelmise elu kohta\r\n\r\n\tSugu:\r\n\t\tMees\r\n\r\n",
      Row(7010, "R5"),
      Row(7020, "F1"),
      Fill(Row(7030, 0), {"43"}) + "\r\n" + Row(7030, 43),
      "\r\n\t\t925. a.\r\n\r\n",
      Row(7050, "C2") + "\r\n\r\n"};
  size_t at = 0;
  for (const std::string& piece : pieces) {
    size_t found = report.find(piece, at);
    ASSERT_NE(found, std::string::npos) << "missing or out of order: " << piece;
    at = found + piece.size();
  }
  EXPECT_EQ(at, report.size());
}

TEST(WholeReport, SampleDatesMatchTheirRows) {
  const BirthDate dates[] = {{2, 9, 1980},   {9, 9, 1993},  {2, 3, 1952},   {31, 10, 1980},
                             {1, 1, 1850},   {8, 7, 1953},  {22, 2, 1995},  {12, 11, 1990},
                             {31, 12, 1700}, {29, 2, 2000}, {11, 11, 2999}, {1, 1, 1}};
  for (BirthDate date : dates) {
    ComposeReport(date);
    EXPECT_EQ(std::string(ReportText), ExpectedReport(date)) << date.day << "." << date.year;
  }
}

// Years of 0 and below give numbers that no meaning covers; their meanings
// are left out, never replaced by a stale line or another entry's meaning.
TEST(WholeReport, NumbersWithoutMeaningLeaveOnlyTheirSeparators) {
  struct Case {
    BirthDate date;
    std::string item;  // the item's formatted line and what follows it
  } cases[] = {
      // Third cycle -91 would form the key of row 209, a second-cycle reading.
      {{1, 1, -91},
       Fill(Row(5000, 3), {Str(SecondCycleStartYear({1, 1, -91}) + 28), "-91"}) +
           "\r\n\r\n\r\n\r\n" + Row(6000, 0)},
      // Second apogee -91 would form the key of row 109, a first-apogee meaning.
      {{9, 1, -100},
       Fill(Row(2000, 2) + "\r\n" + Row(2000, 7), {Str(ApogeeEndAge({9, 1, -100}, 2)), "-91"}) +
           "\r\n\r\n\r\n"},
      // Year 0: second challenge 9, which the challenge meanings lack.
      {{9, 1, 0}, Fill(Row(3000, 2), 9) + "\r\n\r\n\r\n"},
  };
  for (const Case& c : cases) {
    ComposeReport(c.date);
    EXPECT_NE(std::string(ReportText).find(c.item), std::string::npos) << c.date.year;
    EXPECT_EQ(std::string(ReportText), ExpectedReport(c.date)) << c.date.year;
  }
}

// The number of reports in which a sweep found a fault, with the first few
// dates shown.
struct SweepFaults {
  int count = 0;
  void Add(BirthDate date, const char* what) {
    if (++count <= 5)
      ADD_FAILURE() << date.day << "." << date.month << "." << date.year << ": " << what;
  }
};

TEST(NonPositiveYearSweep, EveryDayOfYearsMinus400To0) {
  SweepFaults faults;
  for (int32_t year = -400; year <= 0; ++year) {
    for (int32_t month = 1; month <= 12; ++month) {
      for (int32_t day = 1; day <= 31; ++day) {
        BirthDate date = {day, month, year};
        ComposeReport(date);
        if (ReportText != ExpectedReport(date)) faults.Add(date, "differs from its rows");
      }
    }
  }
  EXPECT_EQ(faults.count, 0);
}

}  // namespace
