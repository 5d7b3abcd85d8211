#include "tables/format_text.h"

#include <cstring>

namespace {

struct Output {
  char* dest;
  int room;  // bytes left before the terminating NUL's place
};

void Put(Output* out, const char* bytes, int count) {
  if (count > out->room) count = out->room;
  std::memcpy(out->dest, bytes, static_cast<size_t>(count));
  out->dest += count;
  out->room -= count;
}

// Decimal text of n into digits (at least 12 bytes); returns its length.
int DecimalText(int32_t n, char* digits) {
  char reversed[12];
  int64_t magnitude = n < 0 ? -static_cast<int64_t>(n) : n;
  int count = 0;
  do {
    reversed[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude > 0);
  int length = 0;
  if (n < 0) digits[length++] = '-';
  while (count > 0) digits[length++] = reversed[--count];
  return length;
}

}  // namespace

void FormatText(char* dest, int destSize, const char* format, const FormatArg* args, int argCount) {
  if (destSize < 1) return;
  Output out = {dest, destSize - 1};
  int next = 0;
  for (const char* f = format; *f != '\0';) {
    if (f[0] == '%' && f[1] == '%') {
      Put(&out, "%", 1);
      f += 2;
    } else if (f[0] == '%' && f[1] == 'l' && f[2] == 'i' && next < argCount &&
               args[next].text == nullptr) {
      char digits[12];
      Put(&out, digits, DecimalText(args[next++].number, digits));
      f += 3;
    } else if (f[0] == '%' && f[1] == 's' && next < argCount && args[next].text != nullptr) {
      const char* text = args[next++].text;
      Put(&out, text, static_cast<int>(std::strlen(text)));
      f += 2;
    } else {
      // Plain text up to the next "%" (or this "%" itself) in one copy.
      int run = 1 + static_cast<int>(std::strcspn(f + 1, "%"));
      Put(&out, f, run);
      f += run;
    }
  }
  *out.dest = '\0';
}
