#include "report/challenges.h"

#include "report/meaning.h"
#include "report/reduce.h"
#include "tables/buffers.h"
#include "tables/catalogue.h"
#include "tables/composite_steps.h"
#include "tables/text_table.h"

namespace {

constexpr const char* kChallengeKeys[] = {"\r\n1", "\r\n2", "\r\n3", "\r\n4"};

int32_t Distance(int32_t a, int32_t b) {
  return a > b ? a - b : b - a;
}

}  // namespace

int32_t ChallengeNumber(BirthDate date, int k) {
  if (k == 3) {
    return ReduceKeepingMasters(
        Distance(ReduceNumber(ChallengeNumber(date, 1)), ReduceNumber(ChallengeNumber(date, 2))));
  }
  int32_t first, second;
  JoinedParts(date, k, &first, &second);
  return ReduceKeepingMasters(Distance(first, second));
}

void AppendChallenges(BirthDate date) {
  BeginSection(kChallengeTableId);
  for (int k = 1; k <= 4; ++k) {
    if (k > 1) LoadTextTable(TableText, kTextBufferSize, kChallengeTableId);
    FetchKeyedLine(kChallengeKeys[k - 1]);
    AppendFormattedLine(ChallengeNumber(date, k));
    AppendToReport("\r\n");
    AppendMeaning(kChallengeMeaningTableId, 0, ChallengeNumber(date, k));
    AppendToReport("\r\n\r\n");
  }
}
