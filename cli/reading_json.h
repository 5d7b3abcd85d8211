// Every number of the reading of a birth date as one JSON object, for
// scripts: taken from the same functions the report is composed from.
#ifndef OMBRIX_CLI_READING_JSON_H
#define OMBRIX_CLI_READING_JSON_H

#include <string>

#include "date/birth_date.h"

// The object in UTF-8, without a line end. Uses the report's buffers.
std::string ReadingJson(BirthDate date);

#endif
