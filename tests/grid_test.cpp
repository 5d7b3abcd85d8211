// The birth-number grid: which digits and lines a date marks, and the grid
// as the report shows it.
#include <gtest/gtest.h>

#include <string>

#include "report/grid.h"

namespace {

// The present digits 0-9 and complete lines 0-6 as texts, as "01789".
std::string Present(const bool* flags, int count) {
  std::string present;
  for (int i = 0; i < count; ++i) {
    if (flags[i]) present += static_cast<char>('0' + i);
  }
  return present;
}

TEST(Grid, MarksDigitsAndLines) {
  struct Case {
    BirthDate date;
    const char* digits;
    const char* lines;
  } cases[] = {
      {{27, 10, 1980}, "012789", "06"},         // 2 7, 1 0, 1 9 8 0, sum 19, reduced 1
      {{1, 1, 1850}, "01578", ""},              // sum 7; no line, so no flag 0 either
      {{8, 7, 1953}, "0123456789", "0123456"},  // sum 24 marks 2 and 4, reduced 6
      {{9, 9, 0}, "0189", ""},                  // year 0: sum 18, reduced 9
      {{1, 1, -1980}, "01789", "06"},           // sum -1978 marks its digits, reduced none
      {{1, 1, -5}, "0135", ""},                 // sum -3 marks 3 and, by its sign, 0
  };
  for (const Case& c : cases) {
    GridFlags flags;
    MarkGrid(c.date, &flags);
    EXPECT_EQ(Present(flags.digitPresent, 10), c.digits) << c.date.day << "." << c.date.year;
    EXPECT_EQ(Present(flags.linePresent, 7), c.lines) << c.date.day << "." << c.date.year;
  }
}

TEST(Grid, MarkDigitsCountsAMinusAsZero) {
  struct Case {
    int32_t n;
    const char* digits;
  } cases[] = {{1980, "0189"}, {10, "01"}, {7, "7"}, {-7, "07"}, {0, "0"}};
  for (const Case& c : cases) {
    GridFlags flags = {};
    MarkDigits(c.n, &flags);
    EXPECT_EQ(Present(flags.digitPresent, 10), c.digits) << c.n;
  }
}

TEST(Grid, ShowsDigitsAndStarsRowByRow) {
  struct Case {
    BirthDate date;
    const char* text;
  } cases[] = {
      {{27, 10, 1980}, "\r\n\t 1\t *\t 7\r\n\r\n\t 2\t *\t 8\r\n\r\n\t *\t *\t 9\r\n\r\n"},
      {{8, 7, 1953}, "\r\n\t 1\t 4\t 7\r\n\r\n\t 2\t 5\t 8\r\n\r\n\t 3\t 6\t 9\r\n\r\n"},
  };
  for (const Case& c : cases) {
    GridFlags flags;
    MarkGrid(c.date, &flags);
    char text[128];
    BuildGridText(&flags, text, sizeof text);
    EXPECT_STREQ(text, c.text) << c.date.day;
  }
  GridFlags none = {};
  char text[128];
  BuildGridText(&none, text, sizeof text);
  EXPECT_STREQ(text, "\r\n\t *\t *\t *\r\n\r\n\t *\t *\t *\r\n\r\n\t *\t *\t *\r\n\r\n");
}

}  // namespace
