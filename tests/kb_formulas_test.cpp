// A report reads as one book: none of the house formulas comes back a third
// time in one report, and no table that a report prints names a calendar
// year that lies ahead of its reader's birth (the presumed years of the
// previous life end at 1875; a birth year can be any year from 1 on).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "tables/catalogue.h"
#include "tables/letter_case.h"
#include "tests/support.h"
#include "text/code_page.h"

namespace {

constexpr int kLatestYearATableMayName = 1875;
constexpr int kMostUsesInOneReport = 2;

// A formula (UTF-8) is a row of word patterns, blank-separated: a word
// matches exactly, "stem*" any word that begins with the stem, "*ending" any
// word that ends so, "a|b" either, and "..." any words between, in the same
// sentence; " / " joins word orders that count as one formula. Words are
// compared in lower case.
constexpr const char* kHouseFormulas[] = {
    "selle numbriga inim*",
    "muutub|muutuvad|muutuda|muutuks|muutuma|muutunud ... *ks",
    "tuleb õppida / õppida tuleb",
    "kergesti",
    "sageli",
    "ülesanne on",
    "õppetun*",
    "kibe*",
    "negatiivsel teel",
    "teine äärmus*",
    "tasakaal tuleb siis",
    "samm-sammult",
    "loob enda ümber",
    "kindel|kindla|kindlat alus*",
};

bool IsWordCharacter(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0xC0 ||
         c == '-';
}

bool EndsSentence(char c) {
  return c == '.' || c == ';' || c == ':' || c == '!' || c == '?' || c == '\r' || c == '\n';
}

using Sentence = std::vector<std::string>;
// One pattern per word, each a list of alternatives.
using Patterns = std::vector<std::vector<std::string>>;

// The text's sentences as rows of lower-case words (code page 1257).
std::vector<Sentence> Sentences(const std::string& text) {
  std::vector<Sentence> sentences(1);
  std::string word;
  for (size_t i = 0; i <= text.size(); ++i) {
    char c = i < text.size() ? text[i] : '\n';
    if (IsWordCharacter(c)) {
      word += static_cast<char>(LowerCaseLetter(static_cast<unsigned char>(c)));
      continue;
    }
    if (!word.empty() && word != "-") sentences.back().push_back(word);
    word.clear();
    if (EndsSentence(c) && !sentences.back().empty()) sentences.emplace_back();
  }
  return sentences;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1) {
    parts.push_back(text.substr(start, at - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

bool WordMatches(const std::string& word, const std::vector<std::string>& alternatives) {
  for (const std::string& one : alternatives) {
    if (one.back() == '*') {
      if (word.compare(0, one.size() - 1, one, 0, one.size() - 1) == 0) return true;
    } else if (one.front() == '*') {
      size_t n = one.size() - 1;
      if (word.size() >= n && word.compare(word.size() - n, n, one, 1, n) == 0) return true;
    } else if (word == one) {
      return true;
    }
  }
  return false;
}

// Whether the patterns from p on match the words from w on.
bool MatchesFrom(const Sentence& words, size_t w, const Patterns& patterns, size_t p) {
  if (p == patterns.size()) return true;
  if (patterns[p].front() == "...") {
    for (size_t skip = w; skip < words.size(); ++skip) {
      if (MatchesFrom(words, skip, patterns, p + 1)) return true;
    }
    return false;
  }
  return w < words.size() && WordMatches(words[w], patterns[p]) &&
         MatchesFrom(words, w + 1, patterns, p + 1);
}

// The formula's word orders, each as its patterns.
std::vector<Patterns> Compiled(const char* formula) {
  std::vector<Patterns> orders(1);
  for (const std::string& word : Split(CodePageFromUtf8(formula), ' ')) {
    if (word == "/") {
      orders.emplace_back();
    } else {
      orders.back().push_back(Split(word, '|'));
    }
  }
  return orders;
}

// How many times the formula begins in the sentences.
int Uses(const std::vector<Sentence>& sentences, const std::vector<Patterns>& formula) {
  int uses = 0;
  for (const Sentence& words : sentences) {
    for (size_t w = 0; w < words.size(); ++w) {
      for (const Patterns& order : formula) uses += MatchesFrom(words, w, order, 0);
    }
  }
  return uses;
}

// The dates of the spread: the editor's cases, the ends of the year range,
// then a seeded draw of every day 1-31 in turn, in a month that has it in
// every year (29 February is among the cases), in a year from 110 to 2024.
std::vector<std::string> SpreadOfDates(int count) {
  std::vector<std::string> dates = {
      "27.10.1980", "9.9.1993",  "22.9.1989", "11.2.1960", "2.1.1979",  "7.12.1999", "1.1.1850",
      "11.11.1925", "15.3.1925", "29.2.1988", "2.9.1980",  "22.2.1850", "1.1.110",   "31.12.2024"};
  const int monthLength[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::mt19937 draw(19);
  for (int i = 0; static_cast<int>(dates.size()) < count; ++i) {
    int day = 1 + i % 31;
    int month;
    do month = 1 + static_cast<int>(draw() % 12);
    while (monthLength[month - 1] < day);
    int year = 110 + static_cast<int>(draw() % (2024 - 110 + 1));
    dates.push_back(std::to_string(day) + "." + std::to_string(month) + "." + std::to_string(year));
  }
  return dates;
}

TEST(KbFormulas, NoneComesBackAThirdTimeInOneReport) {
  std::vector<std::vector<Patterns>> formulas;
  for (const char* formula : kHouseFormulas) formulas.push_back(Compiled(formula));
  int lifePath11 = 0, lifePath22 = 0, men = 0, women = 0;
  for (const std::string& date : SpreadOfDates(2400)) {
    std::string report = ComposedReport(date.c_str());
    ASSERT_NE(report, "(no date)") << date;
    lifePath11 += report.find("\r\nElutee number 11:") != std::string::npos;
    lifePath22 += report.find("\r\nElutee number 22:") != std::string::npos;
    men += report.find("\r\n\t\tMees\r\n") != std::string::npos;
    women += report.find("\r\n\t\tNaine\r\n") != std::string::npos;
    std::vector<Sentence> sentences = Sentences(report);
    for (size_t f = 0; f < formulas.size(); ++f) {
      int uses = Uses(sentences, formulas[f]);
      EXPECT_LE(uses, kMostUsesInOneReport)
          << "\"" << kHouseFormulas[f] << "\" " << uses << " times in the report of " << date;
    }
  }
  // The spread reaches both master life paths and both sexes.
  EXPECT_GT(lifePath11, 0);
  EXPECT_GT(lifePath22, 0);
  EXPECT_GT(men, 0);
  EXPECT_GT(women, 0);
}

// The count itself: words in lower case across punctuation, stems and
// endings, and a gap that stays inside one sentence.
TEST(KbFormulas, CountFindsWordsStemsAndGapsWithinASentence) {
  struct Case {
    const char* text;  // UTF-8
    const char* pattern;
    int uses;
  } cases[] = {
      {"Tuleb õppida. Vabadust tuleb õppida kasutama.", "tuleb õppida", 2},
      {"Tuleb. Õppida", "tuleb õppida", 0},
      {"Tuleb õppida, õppida tuleb", "tuleb õppida / õppida tuleb", 2},
      {"Selle numbriga inimene; selle numbriga inimese", "selle numbriga inim*", 2},
      {"Kibestunuks ja kibedaks", "kibe*", 2},
      {"Halvemal juhul muutub ta isekaks, upsakaks ja kannatamatuks.", "muutub|muutuda ... *ks", 1},
      {"Tema sõnaosavus võib muutuda tühjaks jutuks.", "muutub|muutuda ... *ks", 1},
      {"Ta muutub. Rahutuseks", "muutub ... *ks", 0},
      {"muutused ja muutusi", "muutub|muutuvad ... *ks", 0},
      {"ÕPPETUND", "õppetun*", 1},
      {"samm-sammult", "samm-sammult", 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Uses(Sentences(CodePageFromUtf8(c.text)), Compiled(c.pattern)), c.uses)
        << c.text << " / " << c.pattern;
  }
}

// Digits that stand together, read as one number.
std::vector<int64_t> Numbers(const std::string& text) {
  std::vector<int64_t> numbers;
  for (size_t i = 0; i < text.size();) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
      ++i;
      continue;
    }
    int64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
      value = std::min<int64_t>(value * 10 + (text[i] - '0'), 99999);
    }
    numbers.push_back(value);
  }
  return numbers;
}

// Only the introduction may name the years of today: it is shown before any
// date is typed, and its examples are dates to type.
TEST(KbYears, NoTableThatAReportPrintsNamesAYearAfter1875) {
  for (int id : kCatalogue) {
    if (id == kIntroductionTableId) continue;
    for (int64_t number : Numbers(TableBytes(id))) {
      EXPECT_LE(number, kLatestYearATableMayName) << "table " << id;
    }
  }
}

}  // namespace
