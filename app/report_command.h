// The OK command: reading the date input and putting the report of that date
// into the report view.
#ifndef OMBRIX_APP_REPORT_COMMAND_H
#define OMBRIX_APP_REPORT_COMMAND_H

#include <cstdint>

// Reads the date input (at most 255 characters) into day, month and year.
// Returns 0, or -1 after the date error box has been shown and closed; after
// -1 the values may be partial. Uses the three text buffers for the message.
int ParseBirthDate(int32_t* day, int32_t* month, int32_t* year);

// Parses the date and, when it is one, composes its report and makes it the
// text of the report view; a rejected date leaves the view as it was.
void BuildReport();

#endif
