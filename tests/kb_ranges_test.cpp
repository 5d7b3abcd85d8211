// Rows that can meet a whole range of numbers read right across all of it:
// an apogee's meaning under every age its apogee can end at, and a
// birthplace or trade of the previous life beside every presumed year.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tables/letter_case.h"
#include "tests/support.h"
#include "text/code_page.h"

namespace {

std::string LowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(LowerCaseLetter(static_cast<unsigned char>(c)));
  return text;
}

// The words of the list (UTF-8, lower case) that the code page text holds,
// whatever their case.
std::vector<std::string> WordsIn(const std::string& text, const std::vector<const char*>& words) {
  std::string lower = LowerCase(text);
  std::vector<std::string> found;
  for (const char* word : words) {
    if (lower.find(CodePageFromUtf8(word)) != std::string::npos) found.push_back(word);
  }
  return found;
}

// Each apogee ends at an age that the life path sets: the first at 27 to 35,
// the second at 36 to 44, the third at 45 to 53, and the fourth runs from
// there to the end. Any number can fall in any apogee, so no row of a block
// may name a stage of life that misses part of its span.
struct ApogeeBlock {
  int block;
  std::vector<const char*> notTheseAges;
};

const ApogeeBlock kApogeeBlocks[] = {
    {1,
     {"keskea", "keskiga", "keskpai", "täiskasvanu", "teine pool", "teisel poolel", "hilisem",
      "vanadu", "küpses eas"}},
    {2,
     {"noor", "lapsepõl", "elu algu", "täiskasvanuea algu", "kolmekümne", "neljakümne", "keskea",
      "keskiga", "keskpai", "teine pool", "teisel poolel", "hilisem", "vanadu"}},
    {3,
     {"noor", "lapsepõl", "elu algu", "täiskasvanuea algu", "kolmekümne", "neljakümne", "viiekümne",
      "teine pool", "teisel poolel", "hilisem", "vanadu"}},
    {4,
     {"noor", "lapsepõl", "elu algu", "täiskasvanu", "kolmekümne", "neljakümne", "viiekümne",
      "keskea", "keskiga", "keskpai", "parimates aastates"}},
};

TEST(KbRanges, ApogeeMeaningsFitEveryAgeOfTheirApogee) {
  for (const ApogeeBlock& block : kApogeeBlocks) {
    for (int number : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22}) {
      int label = 100 * block.block + number;
      std::string row = Row(2005, label);
      ASSERT_NE(row, "<no row>") << label;
      for (const std::string& word : WordsIn(row, block.notTheseAges)) {
        ADD_FAILURE() << label << " names \"" << word << "\" in \"" << Utf8FromCodePage(row)
                      << "\"";
      }
    }
  }
}

TEST(KbRanges, AgeWordsAreFoundWhateverTheirCase) {
  std::string row = CodePageFromUtf8("\t- Noore TÄISKASVANUNA ja keskeas");
  EXPECT_EQ(WordsIn(row, {"noor", "täiskasvanu", "elu algu", "keskea"}),
            (std::vector<std::string>{"noor", "täiskasvanu", "keskea"}));
}

// One entry of tables/kb/earliest-years.list.
struct EarliestYear {
  int table;
  int year;
  std::string text;  // UTF-8
  std::string reason;
  bool used = false;
};

std::vector<EarliestYear> EarliestYears() {
  std::istringstream file(FileBytes(OMBRIX_SOURCE_DIR "/tables/kb/earliest-years.list"));
  std::vector<EarliestYear> entries;
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    std::istringstream parts(line);
    for (std::string field; std::getline(parts, field, '\t');) fields.push_back(field);
    EXPECT_EQ(fields.size(), 4u) << line;
    if (fields.size() != 4) continue;
    entries.push_back({std::stoi(fields[0]), std::stoi(fields[1]), fields[2], fields[3]});
  }
  return entries;
}

// The earliest year that table 7040 can print beside a place and a trade.
int EarliestPresumedYear() {
  int earliest = 1 << 30;
  for (int month = 1; month <= 12; ++month) {
    std::vector<std::string> fields = Fields(7040, std::to_string(month));
    EXPECT_EQ(fields.size(), 15u) << month;
    for (size_t k = 1; k < fields.size(); ++k) earliest = std::min(earliest, std::stoi(fields[k]));
  }
  return earliest;
}

std::vector<std::pair<int, std::string>> PlaceAndTradeRows() {
  std::vector<std::pair<int, std::string>> rows;
  for (int n = 1; n <= 74; ++n) rows.emplace_back(7030, std::to_string(n));
  for (const char* group : {"R", "S", "T", "U"}) {
    for (int n = 1; n <= 7; ++n) rows.emplace_back(7010, group + std::to_string(n));
  }
  return rows;
}

TEST(KbRanges, PlacesAndTradesFitTheEarliestPresumedYear) {
  // Row 8 of 7040 holds 110 (not 1100); a table read wrongly would give no
  // year and let every entry pass.
  int earliest = EarliestPresumedYear();
  EXPECT_EQ(earliest, 110);
  std::vector<EarliestYear> entries = EarliestYears();
  for (const auto& [table, label] : PlaceAndTradeRows()) {
    std::string row = Row(table, label);
    std::string text = Utf8FromCodePage(row.substr(row.find_first_not_of('\t')));
    auto entry = std::find_if(entries.begin(), entries.end(), [&](const EarliestYear& e) {
      return e.table == table && e.text == text && !e.used;
    });
    if (entry == entries.end()) {
      ADD_FAILURE() << table << " " << label << " \"" << text << "\" has no earliest year";
      continue;
    }
    entry->used = true;
    EXPECT_LE(entry->year, earliest) << table << " " << label << " \"" << text << "\"";
    EXPECT_GT(entry->reason.size(), 10u) << text;
    EXPECT_EQ(entry->reason.rfind("# ", 0), 0u) << text;
  }
  for (const EarliestYear& entry : entries) {
    EXPECT_TRUE(entry.used) << entry.table << " \"" << entry.text << "\" is in no row";
  }
}

}  // namespace
