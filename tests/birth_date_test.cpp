// Every form of date text a person may type, with the date it gives or the
// error; inputs are code page 1257 (\xC4 is "Ä").
#include <gtest/gtest.h>

#include <string>

#include "date/birth_date.h"
#include "date/month_field.h"
#include "tables/buffers.h"

namespace {

constexpr int kError = -99;

struct Case {
  const char* input;
  int day, month, year;  // day kError: the text is rejected
};

std::string Describe(const char* input) {
  BirthDate date = {};
  if (ParseDateText(input, &date) != 0) return "error";
  return std::to_string(date.day) + "." + std::to_string(date.month) + "." +
         std::to_string(date.year);
}

TEST(ParseDateText, AcceptsAndRejectsWhatAPersonTypes) {
  const Case cases[] = {
      {"27. Oktoober 1980", 27, 10, 1980},
      {"27.10.1980", 27, 10, 1980},
      {"27 10 1980", 27, 10, 1980},
      {"1.5.1990", 1, 5, 1990},
      {"5 mai 1990", 5, 5, 1990},
      {"5 M\xC4RTS 1990", 5, 3, 1990},
      {"5 m\xE4rts 1990", 5, 3, 1990},
      {"5 marts 1990", 5, 3, 1990},  // the full name without its Estonian letter
      {"5 MARTSIL 1990", 5, 3, 1990},
      {"5. Marts. 1990", 5, 3, 1990},
      {"5 mart 1990", 5, 5, 1990},  // no full name: May's abbreviation "ma"
      {"5 mar 1990", 5, 5, 1990},
      {"5 ma 1990", 5, 5, 1990},
      {"5 m\xE4 1990", 5, 3, 1990},
      {"5 sept 1990", 5, 9, 1990},
      {"27. okt. 1980", 27, 10, 1980},
      {"27 oktoobril 1980", 27, 10, 1980},
      {"5 jaan 1990", 5, 1, 1990},
      {"5 jun 1990", kError, 0, 0},
      {"5 juuli 1990", 5, 7, 1990},
      {"5 juuni 1990", 5, 6, 1990},
      {"5 DETSEMBER 1990", 5, 12, 1990},
      {"12.05.1999", 12, 5, 1999},
      {"27/10/1980", kError, 0, 0},
      {"27-10-1980", kError, 0, 0},
      {"31. veebruar 2001", 31, 2, 2001},
      {"0.5.1990", kError, 0, 0},
      {"32.5.1990", kError, 0, 0},
      {"-5.5.1990", kError, 0, 0},
      {"5.0.1990", kError, 0, 0},
      {"5.13.1990", kError, 0, 0},
      {"5.-1.1990", kError, 0, 0},
      {"5.mai1990", kError, 0, 0},
      {"5 mai", kError, 0, 0},
      {"5 mai ", kError, 0, 0},
      {"5 mai 0", 5, 5, 0},
      {"5 mai -0", 5, 5, 0},
      {"5 mai +0", kError, 0, 0},
      {"5 mai -44", 5, 5, -44},
      {"5 mai 123456", 5, 5, 12345},
      {"5 mai 1990abc", 5, 5, 1990},
      {"5 mai 80", 5, 5, 80},
      {"5 mai -9999", 5, 5, -9999},
      {"123. mai 1990", 12, 5, 1990},
      {"5 . mai 1990", kError, 0, 0},
      {"   27.10.1980", 27, 10, 1980},
      {"\t27.10.1980", 2, 10, 1980},  // the TAB is one of the day's two characters
      {"27.   10.   1980", 27, 10, 1980},
      {"", kError, 0, 0},
      {"27", kError, 0, 0},
      {"27.", kError, 0, 0},
  };
  for (const Case& c : cases) {
    std::string expected = c.day == kError ? "error"
                                           : std::to_string(c.day) + "." + std::to_string(c.month) +
                                                 "." + std::to_string(c.year);
    EXPECT_EQ(Describe(c.input), expected) << c.input;
  }
}

TEST(ParseDateText, ReadsOnlyThe255CharactersOfTheInput) {
  std::string padded = "27 10 " + std::string(249, ' ') + "1980";
  EXPECT_EQ(Describe(padded.c_str()), "error");  // the year lies beyond character 255
  std::string fits = "27 10 " + std::string(245, ' ') + "1980";
  EXPECT_EQ(Describe(fits.c_str()), "27.10.1980");
}

TEST(MonthField, ReadsTheMonthTable) {
  char dest[64];
  ASSERT_EQ(MonthField(dest, sizeof dest, 10, 1), 0);
  EXPECT_STREQ(dest, "oktoober");
  ASSERT_EQ(MonthField(dest, sizeof dest, 6, 2), 0);
  EXPECT_STREQ(dest, "juun");
  ASSERT_EQ(MonthField(dest, sizeof dest, 1, 3), 0);
  EXPECT_STREQ(dest, "jaanuaril\r\n2");
  EXPECT_EQ(MonthField(dest, sizeof dest, 12, 3), -1);
  EXPECT_EQ(MonthField(dest, sizeof dest, 13, 1), -1);
}

TEST(ComposeDateError, ShowsTheTwoLinesOfTheErrorTable) {
  char caption[kDateTextSize] = "";
  ComposeDateError(caption, sizeof caption);
  EXPECT_STREQ(caption, "Viga");
  EXPECT_STREQ(ReportText,
               "Kontrolli kuup\xE4\x65va, ma ei suuda sealt vajalikku v\xE4lja lugeda.\r\n"
               "Kuup\xE4\x65v peab olema kirjutatud:   Kuup\xE4\x65v Kuu Aasta   "
               "(aasta t\xE4ies pikkuses).");
}

}  // namespace
