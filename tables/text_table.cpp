#include "tables/text_table.h"

#include <cstring>

#include "tables/buffers.h"
#include "tables/embedded_tables.h"

void LoadTextTable(char* dest, int destSize, int tableId) {
  const EmbeddedTable* table = FindEmbeddedTable(tableId);
  if (table == nullptr) {
    CopyBytes(dest, destSize, "", 0);
    return;
  }
  CopyBytes(dest, destSize, table->bytes, table->size);
}

int FindText(const char* text, const char* pattern, int length) {
  // strchr finds each candidate start; the terminating NUL never matches.
  if (length < 1 || pattern[0] == '\0') return -1;
  for (const char* at = text; (at = std::strchr(at, pattern[0])) != nullptr; ++at) {
    int i = 1;
    while (i < length && at[i] != '\0' && at[i] == pattern[i]) ++i;
    if (i == length) return static_cast<int>(at - text);
  }
  return -1;
}

int CountLeadingBlanks(const char* text) {
  int count = 0;
  while (text[count] == ' ') ++count;
  return count;
}

void TrimLeadingBlanks(const char* source, char* dest, int destSize) {
  const char* rest = source + CountLeadingBlanks(source);
  CopyBytes(dest, destSize, rest, static_cast<int>(std::strlen(rest)));
}

int LineAfterKey(char* dest, int destSize, const char* text, const char* key,
                 const char* separator) {
  int keyLength = static_cast<int>(std::strlen(key));
  int k = FindText(text, key, keyLength);
  if (k < 0) return -1;
  int p = k + keyLength;
  int s = FindText(text + p, separator, 1);
  if (s < 0) return -1;
  p += s;
  p += CountLeadingBlanks(text + p);
  int e = FindText(text + p, "\r\n", 2);
  if (e < 0) return -1;
  CopyBytes(dest, destSize, text + p, e);
  return 0;
}

// Moves *p over count fields of the row whose line ends at eol; -1 when a TAB
// is missing or a field would start at or beyond the line end.
static int SkipFields(const char* text, int* p, int eol, int count) {
  for (int i = 0; i < count; ++i) {
    int t = FindText(text + *p, "\t", 1);
    if (t < 0) return -1;
    *p += t + 1;
    if (*p >= eol) return -1;
  }
  return 0;
}

// Where the field stands that follows the key after count (0 or more) more
// fields; -1 when count is negative or the key or one of the fields is
// missing.
static int FieldAfterKey(const char* text, const char* key, int count) {
  if (count < 0) return -1;
  int keyLength = static_cast<int>(std::strlen(key));
  int k = FindText(text, key, keyLength);
  if (k < 0) return -1;
  int p = k + keyLength;
  // A row with no line end behind its key ends where the key does: only its
  // field 0 can be read.
  int lineLength = FindText(text + p, "\r\n", 2);
  int eol = lineLength < 0 ? p : p + lineLength;
  if (SkipFields(text, &p, eol, count) < 0) return -1;
  return p;
}

int FieldOfKeyedLine(char* dest, int destSize, const char* text, const char* key, int n) {
  int p = FieldAfterKey(text, key, n);
  if (p < 0) return -1;
  int t = FindText(text + p, "\t", 1);
  if (t < 0) return -1;
  CopyBytes(dest, destSize, text + p, t);
  return 0;
}

int ColumnOfValue(const char* text, const char* key, const char* value, int skip) {
  int p = FieldAfterKey(text, key, skip);
  if (p < 0) return -1;
  int d = FindText(text + p, "\r\n", 2);
  if (d < 0) return -1;
  int valueLength = static_cast<int>(std::strlen(value));
  for (int o = 0, n = 1;; ++n) {
    int e = FindText(text + p + o, "\t", 1);
    if (e < 0 || e >= d - o) return -1;
    int f = FindText(text + p + o, value, valueLength);
    if (f < 0) return -1;
    if (f < e) return n;
    o += e + 1;
    if (o >= d) return -1;
  }
}
