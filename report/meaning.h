// The meaning of a number, looked up in a meaning table of the knowledge
// base; shared by the apogees, challenges, birthday gift and cycles.
#ifndef OMBRIX_REPORT_MEANING_H
#define OMBRIX_REPORT_MEANING_H

#include <cstdint>

// Loads the meaning table and appends the meaning of number at position
// (1-4, or 0 for a table labelled by the number alone): apogee and cycle
// meanings are labelled 100 × position + number, challenge and gift meanings
// by the number alone. A number without its own row in the table appends
// nothing; only years of 0 and below give one.
void AppendMeaning(int tableId, int position, int32_t number);

#endif
