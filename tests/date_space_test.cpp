// The whole date space: a seeded sample of dates of every year the input
// takes, -9999 to 99999, each typed as text, parsed and composed. What must
// hold for every report: the date reads back as typed, the text is
// terminated inside its buffer, no placeholder is left, and the
// previous-life reading is there.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "date/birth_date.h"
#include "date/month_field.h"
#include "report/report.h"
#include "tables/buffers.h"
#include "tests/support.h"

namespace {

// Types the date as a person might, in one of three forms.
std::string TypeDate(BirthDate date, int form) {
  std::string day = std::to_string(date.day), year = std::to_string(date.year);
  char name[64] = "";
  switch (form % 3) {
    case 0:
      return day + "." + std::to_string(date.month) + "." + year;
    case 1:
      MonthField(name, sizeof name, date.month, 1);
      return day + ". " + name + " " + year;
    default:
      MonthField(name, sizeof name, date.month, 2);
      return day + " " + name + ". " + year;
  }
}

class DateSpace {
 public:
  void Check(BirthDate date, int form) {
    std::string typed = TypeDate(date, form);
    BirthDate parsed = {};
    if (ParseDateText(typed.c_str(), &parsed) != 0 || parsed.day != date.day ||
        parsed.month != date.month || parsed.year != date.year) {
      return Fault(typed, "does not read back");
    }
    ComposeReport(parsed);
    const char* end = static_cast<const char*>(std::memchr(ReportText, '\0', kTextBufferSize));
    if (end == nullptr) return Fault(typed, "not terminated inside ReportText");
    if (std::memchr(ReportText, '%', static_cast<size_t>(end - ReportText))) {
      Fault(typed, "placeholder left");
    }
    if (std::strstr(ReportText, taskHeading_.c_str()) == nullptr) {
      Fault(typed, "no previous-life reading");
    }
  }
  int faults() const { return faults_; }

 private:
  void Fault(const std::string& typed, const char* what) {
    if (++faults_ <= 5) ADD_FAILURE() << typed << ": " << what;
  }
  const std::string taskHeading_ = "\r\n" + Row(7050, "0") + "\r\n";
  int faults_ = 0;
};

TEST(DateSpace, SeededSampleOfEveryYearTheInputTakes) {
  DateSpace space;
  std::mt19937 random(19801027);
  std::uniform_int_distribution<int32_t> years(-9999, 99999), months(1, 12), days(1, 31);
  for (int i = 0; i < 50000; ++i) space.Check({days(random), months(random), years(random)}, i);
  for (int32_t year : {-9999, -1000, -141, -140, -1, 0, 1, 1849, 1850, 1989, 1990, 99999}) {
    space.Check({31, 12, year}, 0);
  }
  EXPECT_EQ(space.faults(), 0);
}

}  // namespace
