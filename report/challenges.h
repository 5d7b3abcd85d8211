// The challenges: four numbers, each the difference of two reduced parts of
// the date, with its meaning.
#ifndef OMBRIX_REPORT_CHALLENGES_H
#define OMBRIX_REPORT_CHALLENGES_H

#include <cstdint>

#include "date/birth_date.h"

// Challenge k (1-4): the first and second minor, the main and the
// additional challenge. The distance of the same two parts as the apogee's,
// reduced keeping the master numbers; the main one that of the first two.
// 0-8 for years of 1 and above; year 0 can give 9, a year below 0 also 11 or
// 22, and these have no meaning.
int32_t ChallengeNumber(BirthDate date, int k);

// Appends the challenges' heading and, per challenge, its line and meaning.
void AppendChallenges(BirthDate date);

#endif
