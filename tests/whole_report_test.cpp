// Whole reports against the worked examples: each date's numbers, written
// out here, must select these rows and fill these formats, in this order and
// with these separators.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support.h"

namespace {

// Where the last piece ends when all are found in this order; 0 and a
// failure for the first one missing.
template <typename Pieces>
size_t EndOfPieces(const std::string& report, const Pieces& pieces) {
  size_t at = 0;
  for (const std::string& piece : pieces) {
    size_t found = report.find(piece, at);
    if (found == std::string::npos) {
      ADD_FAILURE() << "missing or out of order: " << piece;
      return 0;
    }
    at = found + piece.size();
  }
  return at;
}

// Apogee k with its end age and number, and that number's meaning.
std::string Apogee(int k, int age, int number) {
  return Fill(Row(2000, k) + "\r\n" + Row(2000, k + 5),
              {std::to_string(age), std::to_string(number)}) +
         "\r\n" + Row(2005, 100 * k + number);
}

std::string Challenge(int k, int number) {
  return Fill(Row(3000, k), number) + "\r\n" + Row(3005, number);
}

// Cycle 2 or 3 with its start year and number, and that number's reading.
std::string Cycle(int k, int startYear, int number) {
  return Fill(Row(5000, k), {std::to_string(startYear), std::to_string(number)}) + "\r\n" +
         Row(5005, 100 * k + number);
}

std::string PlaceBlock(const char* place) {
  return Fill(Row(7030, 0), {place}) + "\r\n" + Row(7030, place);
}

TEST(WholeReport, DefaultDateHoldsEverySectionInOrder) {
  std::string report = ComposedReport("27. Oktoober 1980");
  // The tables and rows the worked example names, in this order: root
  // number 9, day 27, life path 1; apogees ending at 35, 44 and 53 with the
  // numbers 1, 9, 1, 1; challenges 8, 0, 8, 8; gift 5; cycles 1, 9, 9 from
  // 2007 and 2035; the grid; the man, R5, F1, place 43, 925 and C2.
  const std::string pieces[] = {
      "\r\n27. oktoober 1980\r\n\r\n\r\n" + TableBytes(90) + "\r\n\r\n" + Row(5, 0) + "\r\n" +
          Row(5, 27) + "\r\n\r\n" + TableBytes(1010) + "\r\n",
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
  EXPECT_EQ(EndOfPieces(report, pieces), report.size());
}

TEST(WholeReport, WorkedExamplesReadTheirRows) {
  struct Example {
    const char* date;
    std::vector<std::string> pieces;
  } examples[] = {
      // Life paths 22 and 11 read their own tables; 22 counts as 4 for the ages.
      {"9.9.1993",
       {Row(5, 9) + "\r\n\r\n" + TableBytes(1220) + "\r\n", Apogee(1, 32, 9), Apogee(2, 41, 4)}},
      {"2.1.1979", {Row(5, 2) + "\r\n\r\n" + TableBytes(1110) + "\r\n\r\n" + Row(2000, 0)}},
      // Apogees stop at 11, the third takes them as 2 + 2; no gift for day 2.
      {"2.9.1980",
       {Apogee(1, 34, 11), Apogee(2, 43, 11), Apogee(3, 52, 4), Apogee(4, 52, 9), Challenge(1, 7),
        Challenge(2, 7), Challenge(3, 0), Challenge(4, 0) + "\r\n\r\n\r\n" + Row(5000, 0)}},
      // The days before and after tie at 1644, and the tie takes 1985.
      {"2.3.1952", {Cycle(2, 1985, 2), Cycle(3, 2013, 8)}},
      // 31 February 2009 lies nearer to 2012.
      {"31.10.1980", {Cycle(2, 2012, 4), Cycle(3, 2040, 9)}},
      // Month 11 gives the first cycle 2, day 11 the second cycle 11; no gift.
      {"11.11.1980",
       {"\r\n" + Row(5000, 0) + "\r\n" + Fill(Row(5000, 1), 2) + "\r\n" + Row(5005, 102),
        Row(5005, 211)}},
      // No complete line: the digit block follows the grid at once.
      {"1.1.1850",
       {"\r\n\t 1\t *\t 7\r\n\r\n\t *\t 5\t 8\r\n\r\n\t *\t *\t *\r\n\r\n" + Row(6000, 20) +
            "\r\n" + Row(6000, 21) + "\r\n" + Row(6000, 25) + "\r\n" + Row(6000, 27) + "\r\n" +
            Row(6000, 28) + "\r\n\r\n\r\n",
        Row(7000, 1), Row(7010, "T4"), Row(7020, "S2"), PlaceBlock("74"), "\t\t975. a.",
        Row(7050, "A2")}},
      // Every digit, so every line.
      {"8.7.1953",
       {Row(6000, 10) + "\r\n" + Row(6000, 11) + "\r\n\r\n" + Row(6000, 12) + "\r\n\r\n" +
            Row(6000, 13) + "\r\n\r\n" + Row(6000, 14) + "\r\n\r\n" + Row(6000, 15) + "\r\n\r\n" +
            Row(6000, 16) + "\r\n\r\n" + Row(6000, 20) + "\r\n" + Row(6000, 21),
        Row(6000, 29) + "\r\n\r\n\r\n"}},
      // The year letter stands in the woman's row.
      {"22.2.1995",
       {Row(7000, 2), Row(7010, "T5"), Row(7020, "F1"), PlaceBlock("3"), "\t\t1750. a.",
        Row(7050, "C4")}},
  };
  for (const Example& example : examples) {
    EXPECT_NE(EndOfPieces(ComposedReport(example.date), example.pieces), 0u) << example.date;
  }
}

// Years of 0 and below give numbers that no meaning covers; their meanings
// are left out, never replaced by a stale line or another entry's meaning.
TEST(WholeReport, NumbersWithoutMeaningLeaveOnlyTheirSeparators) {
  struct Case {
    const char* date;
    std::string item;  // the item's formatted line and what follows it
  } cases[] = {
      // Third cycle -91 would form the key of row 209, a second-cycle reading.
      {"1.1.-91", Fill(Row(5000, 3), {"27", "-91"}) + "\r\n\r\n\r\n\r\n" + Row(6000, 0)},
      // Second apogee -91 would form the key of row 109, a first-apogee meaning.
      {"9.1.-100", Fill(Row(2000, 2) + "\r\n" + Row(2000, 7), {"43", "-91"}) + "\r\n\r\n\r\n"},
      // Year 0: second challenge 9, which the challenge meanings lack.
      {"9.1.0", Fill(Row(3000, 2), 9) + "\r\n\r\n\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_NE(ComposedReport(c.date).find(c.item), std::string::npos) << c.date;
  }
}

}  // namespace
