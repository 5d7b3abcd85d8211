// The challenges: four numbers, each the difference of two reduced parts of
// the date, with its meaning.
#ifndef OMBRIX_REPORT_CHALLENGES_H
#define OMBRIX_REPORT_CHALLENGES_H

#include <cstdint>

#include "date/birth_date.h"

// Challenge k (1-4): the first and second minor, the main and the
// additional challenge; 0-8 for years of 1 and above.
int32_t ChallengeNumber(BirthDate date, int k);
void AppendChallenges(BirthDate date);

#endif
