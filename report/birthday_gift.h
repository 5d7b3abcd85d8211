// The birthday gift: the distance of the two digits of a two-digit birth
// day other than 11 and 22, with its meaning.
#ifndef OMBRIX_REPORT_BIRTHDAY_GIFT_H
#define OMBRIX_REPORT_BIRTHDAY_GIFT_H

#include <cstdint>

#include "date/birth_date.h"

// The distance of the day's two digits, unreduced: days 10, 12-21 and
// 23-31 have a birthday gift, 1-8; other days have 0, and then the section
// appends nothing.
int32_t BirthdayGiftNumber(BirthDate date);

// Appends the gift's line and meaning, for a day that has one.
void AppendBirthdayGift(BirthDate date);

#endif
