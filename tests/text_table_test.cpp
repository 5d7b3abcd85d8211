// Lookups over hand-made tables: the first occurrence wins, fields end only
// at a TAB, and a failed lookup leaves its destination alone.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tables/buffers.h"
#include "tables/composite_steps.h"
#include "tables/text_table.h"

namespace {

std::string LineOf(const char* text, const char* key) {
  char dest[256] = "unchanged";
  int result = LineAfterKey(dest, sizeof dest, text, key, " ");
  return result == 0 ? std::string(dest) : "-1:" + std::string(dest);
}

std::string FieldOf(const char* text, const char* key, int n) {
  char dest[256] = "unchanged";
  int result = FieldOfKeyedLine(dest, sizeof dest, text, key, n);
  return result == 0 ? std::string(dest) : "-1:" + std::string(dest);
}

TEST(LineAfterKey, FindsRowsByFirstOccurrence) {
  struct Case {
    const char* text;
    const char* key;
    const char* expected;
  } cases[] = {
      {"\r\n12 twelve\r\n1 one\r\n", "\r\n1", "twelve"},  // row 12 ahead of row 1
      {"\r\n1 one\r\n12 twelve\r\n", "\r\n1", "one"},
      {"\r\n1 one\r\n12 twelve\r\n", "\r\n12", "twelve"},
      {"\r\n0. Apogeed\r\n1. \tx\r\n", "\r\n0", "Apogeed"},
      {"\r\n101 \t- elu algul.\r\n", "\r\n101", "\t- elu algul."},
      {"\r\nKPV2 Kuup:   Kuu Aasta   (x).\r\n", "\r\nKPV2", "Kuup:   Kuu Aasta   (x)."},
      {"\r\n27.  \tTohutu energia.\r\n", "\r\n27", "\tTohutu energia."},
      {"\r\nX1\r\nnext line here\r\n", "\r\nX1", "line here"},  // blank searched beyond the line
      {"\r\nA last row without line end", "\r\nA", "-1:unchanged"},
      {"\r\nA\r\nnoblank\r\n", "\r\nA", "-1:unchanged"},
      {"\r\nA one\r\n", "\r\nB", "-1:unchanged"},
      {"", "\r\n0", "-1:unchanged"},
  };
  for (const Case& c : cases) EXPECT_EQ(LineOf(c.text, c.key), c.expected) << c.key;
}

TEST(LineAfterKey, MovesTheLineToTheStartOfItsOwnBuffer) {
  char buffer[64] = "\r\nA first\r\nB second row\r\n";
  LineAfterKey(buffer, sizeof buffer, buffer, "\r\nB", " ");
  EXPECT_STREQ(buffer, "second row");
}

TEST(LineAfterKey, CutsALineToItsDestination) {
  char dest[6];
  LineAfterKey(dest, sizeof dest, "\r\nA abcdefgh\r\n", "\r\nA", " ");
  EXPECT_STREQ(dest, "abcde");
}

TEST(FieldOfKeyedLine, EndsFieldsOnlyAtTabs) {
  const char* row = "\r\nM1\tT\tK\tH\tL\tP\tM\tN\tI\t\r\n";
  const char* months =
      "\t\r\n1\tjaanuar\tja\tjaanuaril\r\n2\tveebruar\tve\tveebruaril\r\n"
      "12\tdetsember\tde\tdetsembril\r\n";
  struct Case {
    const char* text;
    const char* key;
    int n;
    const char* expected;
  } cases[] = {
      {row, "\r\nM1", 0, ""},
      {row, "\r\nM1", 1, "T"},
      {row, "\r\nM1", 8, "I"},
      {row, "\r\nM1", 9, "-1:unchanged"},
      {row, "\r\nM1", -1, "-1:unchanged"},  // a negative field, not field 0
      {row, "\r\nM1", -9, "-1:unchanged"},
      {"\r\nA\tx\ty\t", "\r\nA", 0, ""},  // no line end: field 0 only
      {"\r\nA\tx\ty\t", "\r\nA", 1, "-1:unchanged"},
      {months, "1", 1, "jaanuar"},
      {months, "1", 3, "jaanuaril\r\n2"},  // runs over the line end to the next TAB
      {months, "12", 3, "-1:unchanged"},
      {months, "12", 4, "-1:unchanged"},
      {"\r\nA\t\tx\t\r\n", "\r\nA", 1, ""},  // an empty field
      {"", "\r\nM1", 0, "-1:unchanged"},
      {row, "\r\nM2", 1, "-1:unchanged"},
  };
  for (const Case& c : cases) EXPECT_EQ(FieldOf(c.text, c.key, c.n), c.expected) << c.key << c.n;
}

TEST(ColumnOfValue, CountsTheFirstFieldHoldingTheValue) {
  const char* d3 = "\r\nD3\t37\t36\t10\t11\t12\t13\t14\t15\t16\t\r\n";
  const char* noTrailingTab = "\r\nR\t\tA\tB\tC\r\nS\tx\t\r\n";
  struct Case {
    const char* text;
    const char* key;
    const char* value;
    int skip;
    int expected;
  } cases[] = {
      {d3, "\r\nD3", "1", 3, 1},  // "10" contains "1"
      {d3, "\r\nD3", "16", 3, 7},
      {d3, "\r\nD3", "37", 3, -1},  // only in a skipped field
      {d3, "\r\nD3", "37", 1, 1},
      {d3, "\r\nD3", "99", 3, -1},
      {d3, "\r\nD3", "1", 12, -1},   // more fields skipped than the row has
      {d3, "\r\nD3", "37", -1, -1},  // a negative skip
      {noTrailingTab, "\r\nR", "B", 2, 2},
      {noTrailingTab, "\r\nR", "C", 2, -1},  // last field without its TAB
      {"", "\r\nD3", "1", 3, -1},
      {d3, "\r\nQ3", "1", 3, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ColumnOfValue(c.text, c.key, c.value, c.skip), c.expected) << c.value << c.skip;
  }
}

TEST(TextTable, BlanksAndSearch) {
  EXPECT_EQ(CountLeadingBlanks("  \tx"), 2);
  EXPECT_EQ(CountLeadingBlanks(""), 0);
  char text[32] = "   a b ";
  TrimLeadingBlanks(text, text, sizeof text);
  EXPECT_STREQ(text, "a b ");
  EXPECT_EQ(FindText("abcabc", "ca", 2), 2);
  EXPECT_EQ(FindText("abc", "c\r", 2), -1);
  EXPECT_EQ(FindText("", "a", 1), -1);
  EXPECT_EQ(FindText("abc", "", 1), -1);  // the terminating NUL never matches
  EXPECT_EQ(FindText("aab", "ab", 2), 1);
}

TEST(TextTable, UnknownTableIsEmpty) {
  char dest[8] = "full";
  LoadTextTable(dest, sizeof dest, 4242);
  EXPECT_STREQ(dest, "");
}

// A two-line entry; without its second row, the first is formatted alone.
TEST(CompositeSteps, JoinAndFormatATwoLineEntry) {
  struct Case {
    const char* table;
    const char* format;
    const char* report;
  } cases[] = {
      {"\r\n1. \tends at %li.\r\n6. \tnumber %li\r\n", "\tends at %li.\r\n\tnumber %li",
       "\tends at 35.\r\n\tnumber 1"},
      {"\r\n1. \tends at %li.\r\n", "\tends at %li.", "\tends at 35."},
  };
  for (const Case& c : cases) {
    ReportText[0] = '\0';
    CopyBytes(TableText, kTextBufferSize, c.table, static_cast<int>(std::strlen(c.table)));
    FetchKeyedLine("\r\n1");
    JoinKeyedLine("\r\n6");
    EXPECT_STREQ(ScratchLine, c.format);
    AppendFormattedLine(35, 1);
    EXPECT_STREQ(ReportText, c.report);
  }
}

// Each step after a missed key: the lookup's destination stays as it was, so
// only what the step's own contract names is appended, never the table.
TEST(CompositeSteps, EachStepOnAMissedKey) {
  const std::string table = "\r\n1. \tends at %li.\r\n";
  struct Case {
    const char* step;
    void (*run)();
    const char* report;
    const char* scratch;
    bool tableKept;
  } cases[] = {
      {"AppendTableWhole", [] { AppendTableWhole(4242); }, "R:", "previous", false},
      {"BeginSection", [] { BeginSection(4242); }, "R:\r\nprevious\r\n", "previous", false},
      {"AppendKeyedLine", [] { AppendKeyedLine("\r\n7"); }, "R:previous", "previous", true},
      {"AppendNumberedLine", [] { AppendNumberedLine(7); }, "R:previous", "previous", true},
      {"FetchKeyedLine", [] { FetchKeyedLine("\r\n7"); }, "R:", "previous", true},
      {"JoinKeyedLine", [] { JoinKeyedLine("\r\n7"); }, "R:", "previous", true},
  };
  for (const Case& c : cases) {
    CopyBytes(TableText, kTextBufferSize, table.c_str(), static_cast<int>(table.size()));
    CopyBytes(ScratchLine, kTextBufferSize, "previous", 8);
    CopyBytes(ReportText, kTextBufferSize, "R:", 2);
    c.run();
    EXPECT_STREQ(ReportText, c.report) << c.step;
    EXPECT_STREQ(ScratchLine, c.scratch) << c.step;
    EXPECT_EQ(TableText == table, c.tableKept) << c.step;
  }
}

TEST(CompositeSteps, AppendsStopAtTheEndOfReportText) {
  ReportText[0] = '\0';
  std::string big(kTextBufferSize, 'x');
  AppendToReport(big.c_str());
  AppendToReport("more");
  EXPECT_EQ(BoundedLength(ReportText, kTextBufferSize), kTextBufferSize - 1);
}

}  // namespace
