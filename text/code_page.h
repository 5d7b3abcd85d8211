// Code page 1257 (Windows Baltic), the single-byte character set in which the
// program holds all its text, and Unicode, in which the terminal, the
// widgets, the Windows wide-character calls and the knowledge-base sources
// hold it. The one converter of the program: a table, so that it needs no
// conversion modules of the system at run time. Not used while a report is
// composed.
#ifndef OMBRIX_TEXT_CODE_PAGE_H
#define OMBRIX_TEXT_CODE_PAGE_H

#include <cstddef>
#include <string>
#include <string_view>

// What a byte that the code page leaves undefined (0x81, 0x83, ...) reads
// as, and what a character that the code page lacks is written as.
constexpr char kLackingCharacter = '?';

// The Unicode character of a byte: the byte itself below 0x80, "?" for the
// twelve bytes that code page 1257 leaves undefined.
char32_t CharacterOfByte(unsigned char byte);

// The byte of a Unicode character, or -1 when code page 1257 lacks it.
int ByteOfCharacter(char32_t c);

// The UTF-8 character at text[at]: its length in bytes, or 0 when the bytes
// there are not well-formed UTF-8 (overlong forms and surrogates included).
int DecodeUtf8(std::string_view text, size_t at, char32_t* c);

// UTF-8 of a code page 1257 text.
std::string Utf8FromCodePage(std::string_view text);

// Code page 1257 of a UTF-8 text; a character the code page lacks, and each
// byte that is not UTF-8, becomes "?".
std::string CodePageFromUtf8(std::string_view text);

// The same without "?": false, with *bytes unchanged, when the text holds a
// character the code page lacks or a byte that is not UTF-8.
bool CodePageFromUtf8Strictly(std::string_view text, std::string* bytes);

// The byte of the UTF-16 character at units[at], which is one unit, or two
// for a surrogate pair (*length says which); -1 when the code page lacks it.
// Unit is any 16-bit character type (char16_t, wchar_t on Windows).
template <typename Unit>
int ByteOfUtf16(const Unit* units, size_t count, size_t at, size_t* length) {
  char32_t c = static_cast<char16_t>(units[at]);
  *length = 1;
  if (c >= 0xD800 && c < 0xDC00 && at + 1 < count) {
    char32_t low = static_cast<char16_t>(units[at + 1]);
    if (low >= 0xDC00 && low < 0xE000) *length = 2;
  }
  return *length == 2 ? -1 : ByteOfCharacter(c);
}

// Code page 1257 of UTF-16 text; a character the code page lacks becomes "?".
template <typename Unit>
std::string CodePageFromUtf16(const Unit* units, size_t count) {
  std::string bytes;
  bytes.reserve(count);
  for (size_t at = 0, length = 1; at < count; at += length) {
    int byte = ByteOfUtf16(units, count, at, &length);
    bytes += byte < 0 ? kLackingCharacter : static_cast<char>(byte);
  }
  return bytes;
}

#endif
