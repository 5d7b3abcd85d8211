#include "text/code_page.h"

#include <array>
#include <utility>

namespace {

// The characters of bytes 0x80 to 0xFF; 0 where the code page defines none.
// Below 0x80 the code page is ASCII.
constexpr char16_t kUpperHalf[128] = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0,      0x2030, 0,      0x2039, 0,      0x00A8, 0x02C7, 0x00B8,  // 0x88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0,      0x2122, 0,      0x203A, 0,      0x00AF, 0x02DB, 0,       // 0x98
    0x00A0, 0,      0x00A2, 0x00A3, 0x00A4, 0,      0x00A6, 0x00A7,  // 0xA0
    0x00D8, 0x00A9, 0x0156, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00C6,  // 0xA8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x00F8, 0x00B9, 0x0157, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00E6,  // 0xB8
    0x0104, 0x012E, 0x0100, 0x0106, 0x00C4, 0x00C5, 0x0118, 0x0112,  // 0xC0
    0x010C, 0x00C9, 0x0179, 0x0116, 0x0122, 0x0136, 0x012A, 0x013B,  // 0xC8
    0x0160, 0x0143, 0x0145, 0x00D3, 0x014C, 0x00D5, 0x00D6, 0x00D7,  // 0xD0
    0x0172, 0x0141, 0x015A, 0x016A, 0x00DC, 0x017B, 0x017D, 0x00DF,  // 0xD8
    0x0105, 0x012F, 0x0101, 0x0107, 0x00E4, 0x00E5, 0x0119, 0x0113,  // 0xE0
    0x010D, 0x00E9, 0x017A, 0x0117, 0x0123, 0x0137, 0x012B, 0x013C,  // 0xE8
    0x0161, 0x0144, 0x0146, 0x00F3, 0x014D, 0x00F5, 0x00F6, 0x00F7,  // 0xF0
    0x0173, 0x0142, 0x015B, 0x016B, 0x00FC, 0x017C, 0x017E, 0x02D9,  // 0xF8
};

// The highest character of the upper half: the trade mark sign.
constexpr char32_t kHighestCharacter = 0x2122;

// The byte of every character from 0x80 to kHighestCharacter; 0 where the
// code page lacks the character.
constexpr std::array<unsigned char, kHighestCharacter + 1 - 0x80> kBytes = [] {
  std::array<unsigned char, kHighestCharacter + 1 - 0x80> bytes{};
  for (int i = 0; i < 128; ++i) {
    if (kUpperHalf[i] != 0) bytes[kUpperHalf[i] - 0x80] = static_cast<unsigned char>(0x80 + i);
  }
  return bytes;
}();

void AppendUtf8(char32_t c, std::string* out) {
  if (c < 0x80) {
    *out += static_cast<char>(c);
  } else if (c < 0x800) {
    *out += static_cast<char>(0xC0 | (c >> 6));
    *out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    *out += static_cast<char>(0xE0 | (c >> 12));
    *out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Converts, a lacking character or malformed byte becoming "?"; false at the
// first one when strict.
bool Convert(std::string_view text, bool strict, std::string* out) {
  out->reserve(out->size() + text.size());
  for (size_t at = 0; at < text.size();) {
    char32_t c = 0;
    int length = DecodeUtf8(text, at, &c);
    int byte = length > 0 ? ByteOfCharacter(c) : -1;
    if (byte < 0 && strict) return false;
    *out += byte < 0 ? kLackingCharacter : static_cast<char>(byte);
    at += length > 0 ? static_cast<size_t>(length) : 1;
  }
  return true;
}

}  // namespace

char32_t CharacterOfByte(unsigned char byte) {
  if (byte < 0x80) return byte;
  char16_t c = kUpperHalf[byte - 0x80];
  return c != 0 ? c : static_cast<char32_t>(kLackingCharacter);
}

int ByteOfCharacter(char32_t c) {
  if (c < 0x80) return static_cast<int>(c);
  if (c > kHighestCharacter || kBytes[c - 0x80] == 0) return -1;
  return kBytes[c - 0x80];
}

int DecodeUtf8(std::string_view text, size_t at, char32_t* c) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(at);
  int length = lead < 0x80   ? 1
               : lead < 0xC2 ? 0
               : lead < 0xE0 ? 2
               : lead < 0xF0 ? 3
               : lead < 0xF5 ? 4
                             : 0;
  if (length == 0 || at + length > text.size()) return 0;
  char32_t decoded = length == 1 ? lead : lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) {
    if ((byte(at + k) >> 6) != 2) return 0;
    decoded = (decoded << 6) | (byte(at + k) & 0x3F);
  }
  // The shortest form only, and no surrogates or characters beyond U+10FFFF.
  constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  if (decoded < kLeast[length] || (decoded >= 0xD800 && decoded < 0xE000) || decoded > 0x10FFFF) {
    return 0;
  }
  *c = decoded;
  return length;
}

std::string Utf8FromCodePage(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  for (char byte : text) AppendUtf8(CharacterOfByte(static_cast<unsigned char>(byte)), &out);
  return out;
}

std::string CodePageFromUtf8(std::string_view text) {
  std::string out;
  Convert(text, false, &out);
  return out;
}

bool CodePageFromUtf8Strictly(std::string_view text, std::string* bytes) {
  std::string out;
  if (!Convert(text, true, &out)) return false;
  *bytes = std::move(out);
  return true;
}
