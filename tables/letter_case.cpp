#include "tables/letter_case.h"

unsigned char LowerCaseLetter(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
  if (c == 0xA8 || c == 0xAA || c == 0xAF) return static_cast<unsigned char>(c + 0x10);
  return c;
}
