// The knowledge base as the report reads it: every table present, every key
// the report forms for years 1 and above (for the meanings: every number it
// computes) finding its own row first, the fixed rows exact, and
// placeholders only where their rows need them.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "report/apogees.h"
#include "report/birthday_gift.h"
#include "report/challenges.h"
#include "report/cycles.h"
#include "tables/catalogue.h"
#include "tables/embedded_tables.h"
#include "tables/text_table.h"
#include "tests/kb_fixed_rows.h"
#include "tests/support.h"
#include "text/code_page.h"

namespace {

std::string Line(int id, const std::string& key) {
  char dest[4096] = "<missing>";
  LineAfterKey(dest, sizeof dest, TableBytes(id).c_str(), key.c_str(), " ");
  return dest;
}

std::string Field(int id, const std::string& key, int n) {
  char dest[256] = "";
  return FieldOfKeyedLine(dest, sizeof dest, TableBytes(id).c_str(), key.c_str(), n) == 0
             ? dest
             : "<none>";
}

std::vector<std::string> Numbers(int from, int to, const std::string& prefix = "") {
  std::vector<std::string> labels;
  for (int n = from; n <= to; ++n) labels.push_back(prefix + std::to_string(n));
  return labels;
}

// Every label that the report looks up with a CR LF key, per table.
std::map<int, std::vector<std::string>> KeyedLabels() {
  std::map<int, std::vector<std::string>> labels;
  labels[kBirthDayTableId] = Numbers(0, 31);
  labels[kApogeeTableId] = {"0", "1", "2", "3", "4", "6", "7", "8", "9"};
  labels[kChallengeTableId] = Numbers(0, 4);
  labels[kGiftTableId] = {"0"};
  labels[kCycleTableId] = Numbers(0, 3);
  // The meanings: the labels of the numbers that the report computes. The
  // numbers rest on day, month and the year's one-digit reduction, so years
  // 1 to 9 give every number of every year from 1 on.
  for (int32_t year = 1; year <= 9; ++year) {
    for (int32_t month = 1; month <= 12; ++month) {
      for (int32_t day = 1; day <= 31; ++day) {
        BirthDate date = {day, month, year};
        for (int k = 1; k <= 4; ++k) {
          labels[kApogeeMeaningTableId].push_back(std::to_string(100 * k + ApogeeNumber(date, k)));
          labels[kChallengeMeaningTableId].push_back(std::to_string(ChallengeNumber(date, k)));
        }
        if (BirthdayGiftNumber(date) != 0) {
          labels[kGiftMeaningTableId].push_back(std::to_string(BirthdayGiftNumber(date)));
        }
        labels[kCycleMeaningTableId].push_back(std::to_string(100 + FirstCycleNumber(date)));
        labels[kCycleMeaningTableId].push_back(std::to_string(200 + SecondCycleNumber(date)));
        labels[kCycleMeaningTableId].push_back(std::to_string(300 + ThirdCycleNumber(date)));
      }
    }
  }
  labels[kGridTableId] = {"0"};
  for (const std::string& n : Numbers(10, 16)) labels[kGridTableId].push_back(n);
  for (const std::string& n : Numbers(20, 29)) labels[kGridTableId].push_back(n);
  labels[kSexTableId] = {"T", "0", "1", "2"};
  labels[kYearLetterTableId] = Numbers(185, 198);
  labels[kMonthRowTableId] = Numbers(1, 12, "M");
  for (const std::string& n : Numbers(1, 12, "N")) labels[kMonthRowTableId].push_back(n);
  for (const char* type : {"D", "Q", "X", "S", "F", "Y", "W"}) {
    for (const std::string& n : Numbers(1, 6, type)) labels[kDayTableId].push_back(n);
    labels[kTraitTableId].push_back(std::string(type) + "1");
    labels[kTraitTableId].push_back(std::string(type) + "2");
  }
  labels[kProfessionTableId] = {"0"};
  for (const char* group : {"R", "S", "T", "U"}) {
    for (const std::string& n : Numbers(1, 7, group)) labels[kProfessionTableId].push_back(n);
  }
  labels[kTraitTableId].insert(labels[kTraitTableId].begin(), "0");
  labels[kPlaceTableId] = {"0"};
  labels[kPastYearTableId] = {"T1", "T2"};
  for (const std::string& n : Numbers(1, 12)) labels[kPastYearTableId].push_back(n);
  labels[kTaskTableId] = {"0"};
  for (const char* band : {"A", "B", "C"}) {
    for (const std::string& n : Numbers(1, 7, band)) labels[kTaskTableId].push_back(n);
  }
  labels[kDateErrorTableId] = {"0", "KPV1", "KPV2"};
  return labels;
}

bool IsLabelCharacter(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

TEST(KnowledgeBase, CatalogueNumbersTheTablesBySection) {
  EXPECT_EQ(RootTableId(1), 10);
  EXPECT_EQ(RootTableId(9), 90);
  EXPECT_EQ(LifePathTableId(1), 1010);
  EXPECT_EQ(LifePathTableId(11), 1110);
  EXPECT_EQ(LifePathTableId(22), 1220);
  std::set<int> ids(std::begin(kCatalogue), std::end(kCatalogue));
  EXPECT_EQ(ids.size(), 42u);
  EXPECT_EQ(*ids.begin(), 5);
  EXPECT_EQ(*ids.rbegin(), 32000);
}

TEST(KnowledgeBase, HasAll42Tables) {
  ASSERT_EQ(kCatalogueSize, 42);
  EXPECT_EQ(kEmbeddedTableCount, 42);
  // A report stays the length a reader expects: the tables stay about the
  // size they were written at.
  size_t total = 0;
  for (int id : kCatalogue) {
    std::string text = TableBytes(id);
    bool month = id == kMonthTableId;
    total += text.size();
    EXPECT_FALSE(text.empty()) << id;
    EXPECT_LE(text.size(), 6000u) << id;
    EXPECT_EQ(text.substr(0, month ? 3 : 2), month ? "\t\r\n" : "\r\n") << id;
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << id;
    EXPECT_EQ(text.find('\0'), std::string::npos) << id;
  }
  EXPECT_GE(total, 38000u);
  EXPECT_LE(total, 48000u);
}

TEST(KnowledgeBase, EveryKeyFindsItsOwnRowFirst) {
  for (const auto& [id, labels] : KeyedLabels()) {
    std::string text = TableBytes(id);
    for (const std::string& label : labels) {
      std::string key = "\r\n" + label;
      size_t at = text.find(key);
      ASSERT_NE(at, std::string::npos) << id << " " << label;
      EXPECT_FALSE(IsLabelCharacter(text[at + key.size()])) << id << " " << label;
    }
  }
}

TEST(KnowledgeBase, BareKeysFindTheirRowLabels) {
  std::string places = TableBytes(7030);
  for (int n = 1; n <= 74; ++n) {
    std::string key = std::to_string(n);
    size_t at = places.find(key);
    ASSERT_NE(at, std::string::npos) << n;
    EXPECT_EQ(places.substr(at - 2, 2), "\r\n") << n;
    EXPECT_EQ(places[at + key.size()], ' ') << n;
    EXPECT_NE(Line(7030, key), "<missing>") << n;
  }
  std::string months = TableBytes(32000);
  for (int n = 1; n <= 12; ++n) {
    std::string key = std::to_string(n);
    EXPECT_EQ(months.substr(months.find(key) + key.size(), 1), "\t") << n;
  }
  std::string years = TableBytes(7040);
  EXPECT_EQ(years.substr(years.find("0"), 3), "0\tA");
  std::string types = TableBytes(7002);
  EXPECT_EQ(types.substr(types.find("TYYP") - 2, 9), "\r\nTYYP\t\tD");
}

TEST(KnowledgeBase, FixedRowsAreExact) {
  for (const FixedRow& row : kFixedRows) {
    EXPECT_EQ(Utf8FromCodePage(Line(row.table, row.key)), row.text) << row.table << row.key;
  }
  EXPECT_EQ(TableBytes(31000).size(), 163u);
  EXPECT_EQ(TableBytes(32000).size(), 282u);
  EXPECT_EQ(Utf8FromCodePage(TableBytes(8000)).rfind("\r\nSissejuhatus\r\n\r\n\r\n\r\n\t", 0), 0u);
  for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22}) {
    std::string text = Utf8FromCodePage(TableBytes(1000 + 10 * n));
    std::string heading = "\r\nElutee number " + std::to_string(n) + ":\r\n\tPositiivne variant - ";
    EXPECT_EQ(text.rfind(heading, 0), 0u) << n;
    EXPECT_NE(text.find("\r\n\tNegatiivne variant\r\n\t"), std::string::npos) << n;
  }
  for (const char* key : {"\r\n1", "\r\n2", "\r\n3"}) {
    EXPECT_EQ(Line(3000, key).substr(Line(3000, key).size() - 19), "Selle number on %li") << key;
  }
  EXPECT_EQ(Line(3000, "\r\n4").substr(Line(3000, "\r\n4").size() - 20), "Selle number on %li ");
  EXPECT_EQ(Line(6000, "\r\n11").rfind("\t\tKui s\xFCnninumbrites on 1, 4, 7, siis", 0), 0u);
}

TEST(KnowledgeBase, PlaceholdersOnlyWhereTheirRowsNeedThem) {
  // table, key, "%li" count, "%s" count; every other "%" is a fault.
  struct Row {
    int table;
    const char* key;
    int numbers, texts;
  } rows[] = {
      {2000, "\r\n1", 1, 0}, {2000, "\r\n2", 1, 0},  {2000, "\r\n3", 1, 0}, {2000, "\r\n4", 1, 0},
      {2000, "\r\n6", 1, 0}, {2000, "\r\n7", 1, 0},  {2000, "\r\n8", 1, 0}, {2000, "\r\n9", 1, 0},
      {3000, "\r\n1", 1, 0}, {3000, "\r\n2", 1, 0},  {3000, "\r\n3", 1, 0}, {3000, "\r\n4", 1, 0},
      {4000, "\r\n0", 1, 0}, {5000, "\r\n1", 1, 0},  {5000, "\r\n2", 2, 0}, {5000, "\r\n3", 2, 0},
      {7030, "\r\n0", 0, 1}, {7040, "\r\nT2", 0, 1},
  };
  auto count = [](const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
  };
  std::map<int, int> percents;
  for (const Row& row : rows) {
    std::string line = Line(row.table, row.key);
    EXPECT_EQ(count(line, "%li"), row.numbers) << row.table << row.key;
    EXPECT_EQ(count(line, "%s"), row.texts) << row.table << row.key;
    percents[row.table] += row.numbers + row.texts;
  }
  for (int i = 0; i < kEmbeddedTableCount; ++i) {
    const EmbeddedTable& table = kEmbeddedTables[i];
    EXPECT_EQ(count(TableBytes(table.id), "%"), percents[table.id]) << table.id;
  }
}

TEST(KnowledgeBase, PreviousLifeMatricesAreComplete) {
  const std::string letters = "ABCDEFGHIKLMNP";
  for (int month = 1; month <= 12; ++month) {
    std::string found;
    for (const char* sex : {"M", "N"}) {
      for (int field = 2; field <= 8; ++field) {
        found += Field(7002, "\r\n" + std::string(sex) + std::to_string(month), field);
      }
    }
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, letters) << "month " << month;
  }
  for (const char* type : {"D", "Q", "X", "S", "F", "Y", "W"}) {
    std::multiset<int> days;
    for (int row = 1; row <= 6; ++row) {
      for (int field = 3; field <= 9; ++field) {
        std::string day = Field(7003, "\r\n" + std::string(type) + std::to_string(row), field);
        if (!day.empty()) days.insert(std::stoi(day));
      }
    }
    std::multiset<int> expected;
    for (int day = 1; day <= 31; ++day) expected.insert(day);
    EXPECT_EQ(days, expected) << "type " << type;
  }
  for (int decade = 185; decade <= 198; ++decade) {
    for (int field = 1; field <= 10; ++field) {
      std::string letter = Field(7001, "\r\n" + std::to_string(decade), field);
      EXPECT_EQ(letter.size(), 1u);
      EXPECT_NE(letters.find(letter), std::string::npos) << decade << " " << field;
    }
  }
  EXPECT_EQ(Field(7040, "\r\n8", 5), "110");
  EXPECT_EQ(Field(7040, "\r\n10", 6), "925");
}

TEST(KnowledgeBase, PlaceNamesHoldNoDigits) {
  std::string places = TableBytes(7030);
  for (int n = 1; n <= 74; ++n) {
    std::string line = Line(7030, std::to_string(n));
    EXPECT_EQ(line.find_first_of("0123456789"), std::string::npos) << n;
  }
  EXPECT_EQ(places.find("\r\n75 "), std::string::npos);
}

}  // namespace
