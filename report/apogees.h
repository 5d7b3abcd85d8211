// The apogees: four periods of life, each with the age at which it ends, its
// number and the meaning of that number in that period.
#ifndef OMBRIX_REPORT_APOGEES_H
#define OMBRIX_REPORT_APOGEES_H

#include <cstdint>

#include "date/birth_date.h"

// Age at which apogee k (1-3) ends: 36 less the life-path digit for the
// first (27-35), 9 years more for each next; the fourth lasts from the end of
// the third to the end of life.
int32_t ApogeeEndAge(BirthDate date, int k);

// The age the line of apogee k (1-4) names: its end age, and for the fourth
// the end of the third, from where it lasts.
int32_t ApogeeLineAge(BirthDate date, int k);

// Number of apogee k (1-4): two parts of the date, each reduced plainly to
// one digit, added and reduced keeping the master numbers; the third adds the
// first two, each as one digit. 1-9 or 11 for years of 1 and above; a year
// below 0 enters unreduced, and the numbers then mostly have no meaning.
int32_t ApogeeNumber(BirthDate date, int k);

// Appends the apogees' heading and, per apogee, its two lines and meaning.
void AppendApogees(BirthDate date);

#endif
