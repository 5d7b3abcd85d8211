// The keys and their order are what scripts rely on; the README and the
// manual page describe them.
#include "cli/reading_json.h"

#include "cli/json_text.h"
#include "report/apogees.h"
#include "report/birthday_gift.h"
#include "report/challenges.h"
#include "report/core_sections.h"
#include "report/cycles.h"
#include "report/grid.h"
#include "report/previous_life.h"
#include "text/code_page.h"

namespace {

using Members = std::vector<std::pair<const char*, std::string>>;

std::string Number(int32_t n) {
  return std::to_string(n);
}

// Table fields are code page 1257 text.
std::string FieldString(const char* field) {
  return JsonString(Utf8FromCodePage(field));
}

std::string DateJson(BirthDate date) {
  return JsonObject(
      {{"day", Number(date.day)}, {"month", Number(date.month)}, {"year", Number(date.year)}});
}

std::string ApogeesJson(BirthDate date) {
  std::vector<std::string> apogees;
  for (int k = 1; k <= 4; ++k) {
    apogees.push_back(JsonObject(
        {{"endAge", Number(ApogeeLineAge(date, k))}, {"number", Number(ApogeeNumber(date, k))}}));
  }
  return JsonList(apogees);
}

std::string ChallengesJson(BirthDate date) {
  std::vector<int32_t> challenges;
  for (int k = 1; k <= 4; ++k) challenges.push_back(ChallengeNumber(date, k));
  return JsonNumbers(challenges);
}

// Days without a birthday gift have the number 0.
std::string BirthdayGiftJson(BirthDate date) {
  int32_t gift = BirthdayGiftNumber(date);
  return gift == 0 ? "null" : Number(gift);
}

std::string CyclesJson(BirthDate date) {
  return JsonList({JsonObject({{"number", Number(FirstCycleNumber(date))}}),
                   JsonObject({{"startYear", Number(SecondCycleStartYear(date))},
                               {"number", Number(SecondCycleNumber(date))}}),
                   JsonObject({{"startYear", Number(ThirdCycleStartYear(date))},
                               {"number", Number(ThirdCycleNumber(date))}})});
}

std::string GridJson(BirthDate date) {
  GridFlags flags;
  MarkGrid(date, &flags);
  std::vector<int32_t> digits;
  for (int digit = 1; digit <= 9; ++digit) {
    if (flags.digitPresent[digit]) digits.push_back(digit);
  }
  std::vector<int32_t> lines;
  for (int line = 1; line <= 6; ++line) {
    if (flags.linePresent[line]) lines.push_back(line);
  }
  return JsonObject({{"digits", JsonNumbers(digits)}, {"lines", JsonNumbers(lines)}});
}

std::string PreviousLifeJson(BirthDate date) {
  PreviousLife life;
  if (DecidePreviousLife(date, &life) != 0) return "null";
  PreviousLifeRows rows;
  ChoosePreviousLifeRows(date, &life, &rows);
  return JsonObject({{"sex", Number(life.sex)},
                     {"profession", FieldString(rows.profession)},
                     {"trait", FieldString(rows.trait)},
                     {"place", Number(PlaceNumberValue(&life))},
                     {"pastBirthYear", FieldString(rows.pastBirthYear)},
                     {"task", FieldString(rows.task)}});
}

}  // namespace

std::string ReadingJson(BirthDate date) {
  return JsonObject({{"date", DateJson(date)},
                     {"rootNumber", Number(RootNumber(date))},
                     {"lifePathNumber", Number(LifePathNumber(date))},
                     {"apogees", ApogeesJson(date)},
                     {"challenges", ChallengesJson(date)},
                     {"birthdayGift", BirthdayGiftJson(date)},
                     {"cycles", CyclesJson(date)},
                     {"grid", GridJson(date)},
                     {"previousLife", PreviousLifeJson(date)}});
}
