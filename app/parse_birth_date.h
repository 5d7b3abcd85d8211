// Reading the date input of the main dialog, with the date error box for a
// text that is no date.
#ifndef OMBRIX_APP_PARSE_BIRTH_DATE_H
#define OMBRIX_APP_PARSE_BIRTH_DATE_H

#include <cstdint>

// Reads the date input (at most 255 characters) into day, month and year.
// Returns 0, or -1 after the date error box has been shown and closed; after
// -1 the values may be partial. Uses the three text buffers for the message.
int ParseBirthDate(int32_t* day, int32_t* month, int32_t* year);

#endif
