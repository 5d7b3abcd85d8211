// Arbitrary formats, as a damaged knowledge-base row could be: the result
// always fits its destination and reads no argument that was not passed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "tables/format_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static char format[4096];
  if (size >= sizeof format) size = sizeof format - 1;
  std::memcpy(format, data, size);
  format[size] = '\0';
  const FormatArg args[] = {NumberArg(INT32_MIN), TextArg("925"), NumberArg(7)};
  int count = size > 0 ? data[0] % 4 : 0;
  constexpr int kDestSize = 128;
  char dest[kDestSize + 16];
  std::memset(dest, 'G', sizeof dest);
  FormatText(dest, kDestSize, format, args, count);
  if (std::memchr(dest, '\0', kDestSize) == nullptr) std::abort();
  for (int i = kDestSize; i < kDestSize + 16; ++i) {
    if (dest[i] != 'G') std::abort();
  }
  return 0;
}
