#include "report/reduce.h"

int32_t DigitSum(int32_t n) {
  // The magnitude of the most negative value does not fit 32 bits.
  int64_t magnitude = n < 0 ? -static_cast<int64_t>(n) : n;
  int32_t sum = 0;
  for (; magnitude > 0; magnitude /= 10) sum += static_cast<int32_t>(magnitude % 10);
  return sum;
}

int32_t ReduceNumber(int32_t n) {
  while (n >= 10) n = DigitSum(n);
  return n;
}

int32_t ReduceKeepingMasters(int32_t n) {
  while (n >= 10 && n != 11 && n != 22) n = DigitSum(n);
  return n;
}

int32_t ReduceAtLeastOnce(int32_t n) {
  return ReduceNumber(DigitSum(n));
}

void JoinedParts(BirthDate date, int k, int32_t* first, int32_t* second) {
  *first = ReduceNumber(k == 4 ? date.month : date.day);
  *second = ReduceNumber(k == 1 ? date.month : date.year);
}
