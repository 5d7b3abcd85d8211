// No two tables that one report prints together share a run of five words,
// so a reader never meets the same sentence twice in one reading. A table
// may repeat its own frame; the fixed rows may share what they must.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "tables/catalogue.h"
#include "tables/letter_case.h"
#include "tests/kb_fixed_rows.h"
#include "tests/support.h"
#include "text/code_page.h"

namespace {

constexpr int kRunLength = 5;

std::vector<int> RootTables() {
  std::vector<int> ids;
  for (int n = 1; n <= 9; ++n) ids.push_back(RootTableId(n));
  return ids;
}

std::vector<int> LifePathTables() {
  std::vector<int> ids;
  for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22}) ids.push_back(LifePathTableId(n));
  return ids;
}

// One report prints one root-number table, one life-path table and rows of
// all the other tables but these: the introduction is shown only until the
// first report replaces it, the date errors in a message box of their own,
// and the matrices of the previous life never.
const std::set<int> kNotInAReport = {kIntroductionTableId, kDateErrorTableId, kMonthTableId,
                                     kYearLetterTableId,   kMonthRowTableId,  kDayTableId};

std::vector<int> SectionTables() {
  std::set<int> whole;
  for (const std::vector<int>& group : {RootTables(), LifePathTables()}) {
    whole.insert(group.begin(), group.end());
  }
  std::vector<int> ids;
  for (int id : kCatalogue) {
    if (!whole.count(id) && !kNotInAReport.count(id)) ids.push_back(id);
  }
  return ids;
}

const std::vector<int> kSectionTables = SectionTables();

bool IsWordCharacter(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0xC0;
}

// The table's text with its fixed rows cut out, so that no run spans them.
std::string FreeText(int id) {
  std::string text = TableBytes(id);
  for (const FixedRow& row : kFixedRows) {
    if (row.table != id) continue;
    std::string fixed = CodePageFromUtf8(row.text);
    size_t at = text.find(fixed);
    if (at == std::string::npos) continue;
    // Rebuilt by appending: GCC 12 mistakes an in-place replace for an overlapping copy.
    std::string cut = text.substr(0, at);
    cut.append("\n").append(text, at + fixed.size());
    text = cut;
  }
  return text;
}

// Every run of five words that stands within one line. Words are runs of
// letters and digits compared in lower case; blanks, punctuation and "%" only
// separate them.
std::set<std::string> Runs(int id) {
  std::set<std::string> runs;
  std::string text = FreeText(id);
  size_t line_start = 0;
  while (line_start < text.size()) {
    size_t line_end = text.find_first_of("\r\n", line_start);
    if (line_end == std::string::npos) line_end = text.size();
    std::vector<std::string> words;
    std::string word;
    for (size_t i = line_start; i <= line_end; ++i) {
      if (i < line_end && IsWordCharacter(text[i])) {
        word += static_cast<char>(LowerCaseLetter(static_cast<unsigned char>(text[i])));
      } else if (!word.empty()) {
        words.push_back(word);
        word.clear();
      }
    }
    for (size_t i = 0; i + kRunLength <= words.size(); ++i) {
      std::string run = words[i];
      for (int k = 1; k < kRunLength; ++k) run += " " + words[i + k];
      runs.insert(run);
    }
    line_start = line_end + 1;
  }
  return runs;
}

void ExpectNoRunInCommon(int first, int second) {
  std::set<std::string> theirs = Runs(second);
  std::string shared;
  for (const std::string& run : Runs(first)) {
    if (theirs.count(run) != 0) shared.append("\n  \"").append(Utf8FromCodePage(run)).append("\"");
  }
  EXPECT_TRUE(shared.empty()) << "tables " << first << " and " << second << " share:" << shared;
}

TEST(KbPhrases, RootAndLifePathTablesShareNoRun) {
  for (int root : RootTables()) {
    for (int path : LifePathTables()) ExpectNoRunInCommon(root, path);
  }
}

TEST(KbPhrases, RootAndLifePathTablesShareNoRunWithTheSections) {
  for (const std::vector<int>& group : {RootTables(), LifePathTables()}) {
    for (int whole : group) {
      for (int section : kSectionTables) ExpectNoRunInCommon(whole, section);
    }
  }
}

TEST(KbPhrases, SectionTablesShareNoRun) {
  for (size_t i = 0; i < kSectionTables.size(); ++i) {
    for (size_t j = i + 1; j < kSectionTables.size(); ++j) {
      ExpectNoRunInCommon(kSectionTables[i], kSectionTables[j]);
    }
  }
}

// The check itself: a run shared across tables is found in lower case and
// through punctuation, and a fixed row is left out.
TEST(KbPhrases, RunsAreWordsInLowerCase) {
  std::set<std::string> runs = Runs(5);
  EXPECT_EQ(runs.count(CodePageFromUtf8("sünnikuupäev annab lisaks järgnevaid omadusi")), 0u);
  EXPECT_FALSE(Runs(1010).empty());
  for (const std::string& run : Runs(1010)) {
    EXPECT_EQ(run.find_first_of(".,:;-%\tABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos) << run;
  }
}

}  // namespace
