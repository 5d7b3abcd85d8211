// The pieces of JSON text that the command line writes: strings with every
// character escaped that JSON requires, numbers in decimal, and lists.
#ifndef OMBRIX_CLI_JSON_TEXT_H
#define OMBRIX_CLI_JSON_TEXT_H

#include <cstdint>
#include <string>
#include <vector>

// A JSON string of a UTF-8 text, quotes included.
std::string JsonString(const std::string& utf8);

// "[1, 2, 3]"
std::string JsonNumbers(const std::vector<int32_t>& numbers);

// "[a, b]" of JSON values already written.
std::string JsonList(const std::vector<std::string>& values);

// "{"key": value, ...}" of JSON values already written, in the order given.
std::string JsonObject(const std::vector<std::pair<const char*, std::string>>& members);

#endif
