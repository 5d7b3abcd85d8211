// The program's converter against the system's own (glibc's iconv), on all
// 256 bytes and every character of the Basic Multilingual Plane, and on the
// kinds of broken UTF-8 that may come from outside.
#include <gtest/gtest.h>
#include <iconv.h>

#include <iterator>
#include <string>

#include "text/code_page.h"

namespace {

// What iconv makes of the text; false when it refuses it.
bool Iconv(const char* to, const char* from, const std::string& text, std::string* out) {
  iconv_t cd = iconv_open(to, from);
  EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1)) << "iconv cannot convert " << from << " to " << to;
  char buffer[16];
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char* at = buffer;
  size_t outLeft = sizeof buffer;
  bool converted = iconv(cd, &in, &inLeft, &at, &outLeft) != static_cast<size_t>(-1);
  iconv_close(cd);
  out->assign(buffer, static_cast<size_t>(at - buffer));
  return converted;
}

std::string Utf8(char32_t c) {
  std::string out;
  if (c < 0x80) return std::string(1, static_cast<char>(c));
  if (c < 0x800) {
    out = {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
  } else if (c < 0x10000) {
    out = {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
           static_cast<char>(0x80 | (c & 0x3F))};
  } else {
    out = {static_cast<char>(0xF0 | (c >> 18)), static_cast<char>(0x80 | ((c >> 12) & 0x3F)),
           static_cast<char>(0x80 | ((c >> 6) & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
  }
  return out;
}

TEST(CodePage, EveryByteReadsAsIconvReadsIt) {
  int defined = 0;
  for (int byte = 0; byte < 256; ++byte) {
    std::string text(1, static_cast<char>(byte));
    std::string expected;
    bool known = Iconv("UTF-8", "CP1257", text, &expected);
    defined += known;
    EXPECT_EQ(Utf8FromCodePage(text), known ? expected : "?") << "byte " << byte;
    if (known) {
      std::string back;
      EXPECT_TRUE(CodePageFromUtf8Strictly(expected, &back)) << "byte " << byte;
      EXPECT_EQ(back, text) << "byte " << byte;
    }
  }
  EXPECT_EQ(defined, 256 - 12);
}

TEST(CodePage, EveryCharacterIsWrittenAsIconvWritesIt) {
  int carried = 0;
  for (char32_t c = 0; c < 0x10000; ++c) {
    if (c >= 0xD800 && c < 0xE000) continue;
    std::string expected;
    bool known = Iconv("CP1257", "UTF-8", Utf8(c), &expected);
    carried += known;
    std::string bytes = "unchanged";
    ASSERT_EQ(CodePageFromUtf8(Utf8(c)), known ? expected : "?")
        << std::hex << "U+" << static_cast<unsigned>(c);
    ASSERT_EQ(CodePageFromUtf8Strictly(Utf8(c), &bytes), known)
        << std::hex << "U+" << static_cast<unsigned>(c);
    ASSERT_EQ(bytes, known ? expected : "unchanged")
        << std::hex << "U+" << static_cast<unsigned>(c);
  }
  EXPECT_EQ(carried, 256 - 12);
}

TEST(CodePage, BrokenUtf8BecomesOneQuestionMarkPerByte) {
  struct {
    const char* what;
    std::string utf8;
    std::string bytes;
  } const rows[] = {
      {"an emoji is one character", "a\xF0\x9F\x98\x80z", "a?z"},
      {"a lone continuation byte", "a\x80z", "a?z"},
      {"an overlong slash", "\xC0\xAF", "??"},
      {"an overlong NUL in three bytes", "\xE0\x80\x80", "???"},
      {"a surrogate", "\xED\xA0\x80", "???"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", "????"},
      {"cut short at the end", "\xC3", "?"},
      {"cut short before ASCII", "\xE2\x82z", "??z"},
      {"Latin-1 instead of UTF-8", "m\xE4ng", "m?ng"},
      {"the Estonian letters", "õäöüšžÕÄÖÜŠŽ", "\xF5\xE4\xF6\xFC\xF0\xFE\xD5\xC4\xD6\xDC\xD0\xDE"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(CodePageFromUtf8(row.utf8), row.bytes) << row.what;
    std::string strict;
    EXPECT_EQ(CodePageFromUtf8Strictly(row.utf8, &strict), row.bytes.find('?') == std::string::npos)
        << row.what;
  }
}

TEST(CodePage, Utf16PairsAreOneCharacterAndLoneHalvesOneEach) {
  const char16_t units[] = {u'a', 0xD83D, 0xDE00, u'b', 0xDC00, 0xD800, 0x20AC, 0x00A0};
  EXPECT_EQ(CodePageFromUtf16(units, std::size(units)), "a?b??\x80\xA0");
}

}  // namespace
