// The numbers of the apogees, challenges, birthday gift and cycles.
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "report/apogees.h"
#include "report/birthday_gift.h"
#include "report/calendar.h"
#include "report/challenges.h"
#include "report/cycles.h"

namespace {

TEST(Apogees, AgesAndNumbers) {
  struct Case {
    BirthDate date;
    int32_t ages[3];
    int32_t apogees[4];
  } cases[] = {
      {{27, 10, 1980}, {35, 44, 53}, {1, 9, 1, 1}},
      {{2, 9, 1980}, {34, 43, 52}, {11, 11, 4, 9}},  // 11 stops; P3 takes them as 2 + 2
      {{2, 1, 1979}, {34, 43, 52}, {3, 1, 4, 9}},    // life path 11 counts as 2
      {{9, 9, 1993}, {32, 41, 50}, {9, 4, 4, 4}},    // life path 22 counts as 4
      {{1, 9, 2000}, {33, 42, 51}, {1, 3, 4, 11}},
  };
  for (const Case& c : cases) {
    for (int k = 1; k <= 3; ++k) {
      EXPECT_EQ(ApogeeEndAge(c.date, k), c.ages[k - 1]) << c.date.day << "." << c.date.month;
    }
    for (int k = 1; k <= 4; ++k) {
      EXPECT_EQ(ApogeeNumber(c.date, k), c.apogees[k - 1]) << c.date.day << "." << c.date.month;
    }
  }
}

TEST(Challenges, AbsoluteDifferences) {
  struct Case {
    BirthDate date;
    int32_t challenges[4];
  } cases[] = {
      {{27, 10, 1980}, {8, 0, 8, 8}},
      {{2, 9, 1980}, {7, 7, 0, 0}},  // equal reduced terms give 0
      {{9, 9, 1993}, {0, 5, 5, 5}},
      {{9, 1, 0}, {8, 9, 1, 1}},  // year 0 gives the 9 that has no meaning
  };
  for (const Case& c : cases) {
    for (int k = 1; k <= 4; ++k) {
      EXPECT_EQ(ChallengeNumber(c.date, k), c.challenges[k - 1])
          << c.date.day << "." << c.date.month << " k=" << k;
    }
  }
}

TEST(BirthdayGift, OnlyTwoDigitDaysOtherThan11And22) {
  struct Case {
    int32_t day, gift;
  } cases[] = {{27, 5}, {10, 1}, {12, 1}, {19, 8}, {20, 2}, {21, 1}, {23, 1},
               {30, 3}, {31, 2}, {11, 0}, {22, 0}, {9, 0},  {2, 0},  {1, 0}};
  for (const Case& c : cases) EXPECT_EQ(BirthdayGiftNumber({c.day, 10, 1980}), c.gift) << c.day;
}

TEST(Cycles, Numbers) {
  struct Case {
    BirthDate date;
    int32_t first, second, third;
  } cases[] = {
      {{27, 10, 1980}, 1, 9, 9}, {{11, 11, 1980}, 2, 11, 9}, {{22, 12, 1980}, 3, 22, 9},
      {{29, 1, 1980}, 1, 11, 9}, {{19, 1, 1980}, 1, 1, 9},   {{28, 1, 1980}, 1, 1, 9},
      {{2, 3, 1952}, 3, 2, 8},   {{1, 1, -91}, 1, 1, -91},  // reaches no reading
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FirstCycleNumber(c.date), c.first) << c.date.day << "." << c.date.month;
    EXPECT_EQ(SecondCycleNumber(c.date), c.second) << c.date.day << "." << c.date.month;
    EXPECT_EQ(ThirdCycleNumber(c.date), c.third) << c.date.day << "." << c.date.month;
  }
}

TEST(Cycles, SecondCycleStartsInTheNearerCandidateYear) {
  struct Case {
    BirthDate date;
    int32_t startYear;
  } cases[] = {
      {{27, 10, 1980}, 2007},  // candidates 2007 and 2016: 788 days before, 2499 after
      {{2, 3, 1952}, 1985},    // candidates 1976 and 1985: 1644 days each, the tie takes 1985
      {{31, 10, 1980}, 2012},  // 31 February 2009: 2253 days before, 1034 after
  };
  for (const Case& c : cases) EXPECT_EQ(SecondCycleStartYear(c.date), c.startYear);
}

TEST(Calendar, DaysBetween) {
  struct Case {
    int32_t y1, m1, d1, y2, m2, d2, days;
  } cases[] = {
      {1999, 12, 31, 2000, 1, 1, 1},
      {2000, 1, 1, 2000, 3, 1, 60},
      {2000, 2, 28, 2001, 3, 1, 367},
      {2000, 2, 29, 2001, 3, 1, 365},  // 29 February as 1 March
      {2007, 1, 1, 2009, 2, 27, 788},
      {2009, 2, 27, 2016, 1, 1, 2499},
      {1976, 1, 1, 1980, 7, 2, 1644},
      {1980, 7, 2, 1985, 1, 1, 1644},
      {2003, 1, 1, 2009, 2, 31, 2253},
      {2009, 2, 31, 2012, 1, 1, 1034},  // 31 February
      {2001, 12, 31, 2002, 2, 30, 61},
      {2000, 3, 1, 2000, 12, 31, 305},
      // 29 February counts as 1 March.
      {2000, 2, 29, 2000, 3, 1, 0},
      {-4, 1, 1, -3, 1, 1, 366},
      // The leap day of a later end year counts from 1 March on, not before.
      {2003, 1, 1, 2004, 2, 29, 424},
      {2003, 1, 1, 2004, 3, 1, 425},
      {-100, 1, 1, -99, 1, 1, 365},
      {1900, 1, 1, 2000, 1, 1, 36524},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DaysBetween(c.y1, c.m1, c.d1, c.y2, c.m2, c.d2), c.days)
        << c.y1 << "-" << c.m1 << "-" << c.d1 << " to " << c.y2 << "-" << c.m2 << "-" << c.d2;
  }
}

// Every pair of real dates within a few years, against the calendar of the
// standard library: forward spans are exact (a first date of 29 February
// counting as 1 March), backward spans leave out the 29 Februaries they
// cross.
TEST(Calendar, DaysBetweenAgainstTheStandardCalendar) {
  using namespace std::chrono;
  auto datesOf = [](int from, int to, int step) {
    std::vector<year_month_day> dates;
    for (sys_days d = sys_days(year(from) / January / 1); d < sys_days(year(to) / January / 1);
         d += days(step)) {
      dates.push_back(year_month_day(d));
    }
    return dates;
  };
  auto isLeapDay = [](year_month_day date) {
    return date.month() == February && date.day() == day(29);
  };
  // The 29 Februaries from the earlier date up to, not including, the later.
  auto leapDaysFrom = [](year_month_day earlier, year_month_day later) {
    int count = 0;
    for (year y = earlier.year(); y <= later.year(); ++y) {
      sys_days leapDay = sys_days(y / February / 29);
      if (y.is_leap() && leapDay >= sys_days(earlier) && leapDay < sys_days(later)) ++count;
    }
    return count;
  };
  auto show = [](year_month_day date) {
    return std::to_string(int(date.year())) + "-" + std::to_string(unsigned(date.month())) + "-" +
           std::to_string(unsigned(date.day()));
  };
  const std::vector<year_month_day> spans[] = {datesOf(1999, 2002, 1), datesOf(1899, 1902, 3),
                                               datesOf(-401, -398, 3), datesOf(-2, 2, 3)};
  int faults = 0;
  for (const std::vector<year_month_day>& dates : spans) {
    for (year_month_day first : dates) {
      for (year_month_day second : dates) {
        int32_t span = (sys_days(second) - sys_days(first)).count();
        int32_t expected = span;
        if (span > 0 && isLeapDay(first)) expected -= 1;
        if (span < 0) expected += leapDaysFrom(second, first);
        int32_t got = DaysBetween(int(first.year()), int(unsigned(first.month())),
                                  int(unsigned(first.day())), int(second.year()),
                                  int(unsigned(second.month())), int(unsigned(second.day())));
        if (got != expected && ++faults <= 5) {
          ADD_FAILURE() << show(first) << " to " << show(second) << ": " << got << ", expected "
                        << expected;
        }
      }
    }
  }
  EXPECT_EQ(faults, 0);
}

TEST(Calendar, IsLeapYear) {
  struct Case {
    int32_t year;
    bool leap;
  } cases[] = {{1900, false}, {2000, true},  {1996, true}, {1999, false}, {0, true},
               {-4, true},    {-100, false}, {-400, true}, {-1, false}};
  for (const Case& c : cases) EXPECT_EQ(IsLeapYear(c.year), c.leap) << c.year;
}

}  // namespace
