// The lookups on arbitrary tables and keys: results within their ranges, no
// write past a destination, the destination unchanged on -1, and a line
// moved inside its own buffer the same as one copied out of it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "tables/text_table.h"

namespace {

// Splits the input at the first two NULs into table, key and value.
const char* NextPart(const char*& rest, const char* end) {
  const char* part = rest;
  const char* nul = static_cast<const char*>(std::memchr(rest, '\0', end - rest));
  rest = nul ? nul + 1 : end;
  return part;
}

void CheckGuard(const char* dest, int size) {
  for (int i = size; i < size + 16; ++i) {
    if (dest[i] != 'G') std::abort();
  }
}

// The search as plainly as it can be written: every start offset in turn.
int PlainFindText(const char* text, const char* pattern, int length) {
  for (int j = 0;; ++j) {
    int i = 0;
    while (i < length && text[j + i] != '\0' && text[j + i] == pattern[i]) ++i;
    if (i == length) return j;
    if (text[j] == '\0') return -1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  static char input[70000];
  if (size >= sizeof input) size = sizeof input - 1;
  int skip = data[0] % 14 - 2;  // a negative field or skip is a miss
  std::memcpy(input, data + 1, size - 1);
  input[size - 1] = '\0';
  const char* rest = input;
  const char* end = input + size - 1;
  const char* table = NextPart(rest, end);
  const char* key = NextPart(rest, end);
  const char* value = rest < end ? rest : "";
  int tableLength = static_cast<int>(std::strlen(table));

  int keyLength = static_cast<int>(std::strlen(key));
  if (keyLength > 0 && FindText(table, key, keyLength) != PlainFindText(table, key, keyLength)) {
    std::abort();
  }

  constexpr int kDestSize = 64;
  char dest[kDestSize + 16];
  std::memset(dest, 'G', sizeof dest);
  std::strcpy(dest, "unchanged");
  if (LineAfterKey(dest, kDestSize, table, key, " ") != 0 && std::strcmp(dest, "unchanged") != 0) {
    std::abort();
  }
  CheckGuard(dest, kDestSize);
  if (std::memchr(dest, '\0', kDestSize) == nullptr) std::abort();

  std::strcpy(dest, "unchanged");
  int field = FieldOfKeyedLine(dest, kDestSize, table, key, skip);
  if ((field != 0 || skip < 0) && (field != -1 || std::strcmp(dest, "unchanged") != 0)) {
    std::abort();
  }
  CheckGuard(dest, kDestSize);

  int column = ColumnOfValue(table, key, value, skip);
  if (column < -1 || column == 0 || column > tableLength || (skip < 0 && column != -1)) {
    std::abort();
  }

  // A line moved to the start of its own buffer equals one copied out.
  static char own[70000];
  static char copied[70000];
  std::memcpy(own, table, static_cast<size_t>(tableLength) + 1);
  std::memcpy(copied, table, static_cast<size_t>(tableLength) + 1);
  LineAfterKey(copied, sizeof copied, table, key, " ");
  LineAfterKey(own, sizeof own, own, key, " ");
  if (std::strcmp(own, copied) != 0) std::abort();
  return 0;
}
