// The numbers of the first sections and the bytes they append.
#include <gtest/gtest.h>

#include <string>

#include "report/core_sections.h"
#include "report/report.h"
#include "tables/buffers.h"
#include "tests/support.h"

namespace {

TEST(CoreNumbers, WorkedDates) {
  struct Case {
    BirthDate date;
    int32_t root, lifePath, lifePathDigit;
  } cases[] = {
      {{27, 10, 1980}, 9, 1, 1},
      // 29 gives 11, then 2: no master root number.
      {{29, 10, 1980}, 2, 3, 3},
      {{2, 1, 1979}, 2, 11, 2},
      {{9, 9, 1993}, 9, 22, 4},
      {{1, 1, 0}, 1, 2, 2},
      {{27, 10, -1980}, 9, 1, 1},  // the minus sign adds nothing
      {{1, 9, 1980}, 1, 1, 1},     // 1 + 9 + 9 = 19 reduces to 1
      {{1, 9, 0}, 1, 1, 1},        // 10 is no master number
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RootNumber(c.date), c.root) << c.date.day << "." << c.date.year;
    EXPECT_EQ(LifePathNumber(c.date), c.lifePath) << c.date.day << "." << c.date.year;
    EXPECT_EQ(LifePathDigit(c.date), c.lifePathDigit) << c.date.day << "." << c.date.year;
  }
}

// The report up to the end of the life-path table: header, root-number
// table, birth-day heading and row, life-path table.
std::string FirstSections(const char* header, int rootTable, const char* dayLine, int lifeTable) {
  return std::string(header) + TableBytes(rootTable) + "\r\n\r\n" +
         "S\xFCnnikuup\xE4\x65v annab lisaks j\xE4rgnevaid omadusi:" + "\r\n" + dayLine +
         "\r\n\r\n" + TableBytes(lifeTable) + "\r\n";
}

TEST(ComposeReport, BeginsWithTheFirstSectionsInOrder) {
  struct Case {
    BirthDate date;
    const char* header;
    int rootTable;
    int lifeTable;
  } cases[] = {
      {{27, 10, 1980}, "\r\n27. oktoober 1980\r\n\r\n\r\n", 90, 1010},
      {{2, 1, 1979}, "\r\n2. jaanuar 1979\r\n\r\n\r\n", 20, 1110},
      {{9, 9, 1993}, "\r\n9. september 1993\r\n\r\n\r\n", 90, 1220},
      {{1, 1, 0}, "\r\n1. jaanuar 0\r\n\r\n\r\n", 10, 1020},
      {{27, 10, -1980}, "\r\n27. oktoober -1980\r\n\r\n\r\n", 90, 1010},
  };
  for (const Case& c : cases) {
    ComposeReport(c.date);
    std::string dayKey = "\r\n" + std::to_string(c.date.day) + ".  ";
    std::string days = TableBytes(5);
    size_t row = days.find(dayKey);
    ASSERT_NE(row, std::string::npos);
    size_t text = row + dayKey.size();
    std::string dayLine = days.substr(text, days.find("\r\n", text) - text);
    std::string expected = FirstSections(c.header, c.rootTable, dayLine.c_str(), c.lifeTable);
    EXPECT_EQ(std::string(ReportText).substr(0, expected.size()), expected) << c.header;
  }
}

TEST(ComposeReport, Day27ReadsItsOwnRow) {
  ComposeReport({27, 10, 1980});
  EXPECT_NE(std::string(ReportText).find("\r\n\tTohutu energia ja vastutustunne.\r\n\r\n"),
            std::string::npos);
}

}  // namespace
