// The deciding values of the previous-life reading, read through the letter
// and number matrices.
#include <gtest/gtest.h>

#include <string>

#include "report/previous_life.h"
#include "report/report.h"
#include "tables/buffers.h"

namespace {

TEST(PreviousLife, FoldsTheYearInto1850To1989) {
  struct Case {
    int32_t year, folded;
  } cases[] = {{1980, 1980}, {1990, 1850}, {2000, 1860}, {1700, 1980},  {1850, 1850}, {1989, 1989},
               {1849, 1989}, {0, 1960},    {-140, 1960}, {-9999, 1901}, {99999, 1859}};
  for (const Case& c : cases) EXPECT_EQ(FoldedYear(c.year), c.folded) << c.year;
}

TEST(PreviousLife, DecidingValues) {
  struct Case {
    BirthDate date;
    const char* yearLetter;
    int32_t sex, letterColumn;
    const char* group;
    const char* type;
    int32_t dayColumn;
    const char* place;
    int32_t traitVariant;
    char band;
    const char* pastYearLine;
  } cases[] = {
      {{27, 10, 1980}, "F", 1, 5, "R", "F", 2, "43", 1, 'C', "\t\t925. a."},
      {{22, 2, 1995}, "H", 2, 5, "T", "F", 4, "3", 1, 'C', "\t\t1750. a."},  // N row
      {{1, 1, 1850}, "P", 1, 4, "T", "S", 2, "74", 2, 'A', "\t\t975. a."},
      {{12, 11, 1990}, "P", 1, 3, "T", "X", 2, "30", 2, 'B', "\t\t1775. a."},
      {{31, 12, 1700}, "F", 1, 4, "U", "S", 4, "26", 2, 'C', "\t\t825. a."},
      {{1, 10, 1864}, "D", 1, 1, "R", "D", 6, "5", 1, 'A', "\t\t1100. a."},  // not the 10 of D3
      {{1, 8, 1880}, "E", 1, 7, "S", "W", 7, "73", 1, 'A', "\t\t110. a."},   // printed as stored
      {{11, 3, -5}, "I", 1, 6, "S", "Y", 6, "27", 1, 'A', "\t\t725. a."},    // folds to 1955
  };
  for (const Case& c : cases) {
    PreviousLife life;
    ASSERT_EQ(DecidePreviousLife(c.date, &life), 0) << c.date.day << "." << c.date.year;
    EXPECT_STREQ(life.yearLetter, c.yearLetter) << c.date.year;
    EXPECT_EQ(life.sex, c.sex) << c.date.year;
    EXPECT_EQ(life.letterColumn, c.letterColumn) << c.date.year;
    EXPECT_STREQ(life.groupLetter, c.group) << c.date.year;
    EXPECT_STREQ(life.typeLetter, c.type) << c.date.year;
    EXPECT_EQ(life.dayColumn, c.dayColumn) << c.date.year;
    EXPECT_STREQ(life.placeNumber, c.place) << c.date.year;
    EXPECT_EQ(TraitVariant(&life), c.traitVariant) << c.date.year;
    EXPECT_EQ(DayBand(c.date.day), c.band) << c.date.day;
    ComposeReport(c.date);
    std::string block = std::string("\r\n") + c.pastYearLine + "\r\n\r\n";
    EXPECT_NE(std::string(ReportText).find(block), std::string::npos) << c.date.year;
  }
}

TEST(PreviousLife, DayBands) {
  struct Case {
    int32_t day;
    char band;
  } cases[] = {{1, 'A'}, {11, 'A'}, {12, 'B'}, {21, 'B'}, {22, 'C'}, {31, 'C'}};
  for (const Case& c : cases) EXPECT_EQ(DayBand(c.day), c.band) << c.day;
}

}  // namespace
