// Formats come from the knowledge base, so no format may read more than it
// was given or write beyond its destination.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tables/format_text.h"

namespace {

TEST(FormatText, FillsOnlyConversionsOfTheirKind) {
  const FormatArg number = NumberArg(-1980);
  const FormatArg text = TextArg("oktoober");
  const FormatArg both[] = {NumberArg(27), TextArg("oktoober"), NumberArg(1980)};
  struct Case {
    const char* format;
    const FormatArg* args;
    int count;
    const char* expected;
  } cases[] = {
      {"\r\n%li. %s %li\r\n", both, 3, "\r\n27. oktoober 1980\r\n"},
      {"kuni %li. eluaastani", &number, 1, "kuni -1980. eluaastani"},
      {"%s%s%s", &text, 1, "oktoober%s%s"},
      {"%li %li", &number, 1, "-1980 %li"},
      {"%s", &number, 1, "%s"},  // a number never fills %s
      {"%li", &text, 1, "%li"},
      {"%n%d%x%p", &number, 1, "%n%d%x%p"},
      {"%999999li", &number, 1, "%999999li"},
      {"100%% kindel", nullptr, 0, "100% kindel"},
      {"lone %", nullptr, 0, "lone %"},
      {"%", &number, 1, "%"},
      {"%l", &number, 1, "%l"},
      {"", &number, 1, ""},
  };
  for (const Case& c : cases) {
    char dest[64];
    FormatText(dest, sizeof dest, c.format, c.args, c.count);
    EXPECT_STREQ(dest, c.expected) << c.format;
  }
}

TEST(FormatText, PrintsTheExtremesOf32Bits) {
  const FormatArg args[] = {NumberArg(INT32_MIN), NumberArg(INT32_MAX), NumberArg(0)};
  char dest[64];
  FormatText(dest, sizeof dest, "%li %li %li", args, 3);
  EXPECT_STREQ(dest, "-2147483648 2147483647 0");
}

// The destination is the first 8 bytes of a larger buffer, so that a write
// past its end lands in the guard bytes behind it.
TEST(FormatText, CutsToItsDestination) {
  const FormatArg text = TextArg("a long text that does not fit");
  char buffer[8 + 16];
  std::memset(buffer, 'G', sizeof buffer);
  FormatText(buffer, 8, "[%s]", &text, 1);
  EXPECT_STREQ(buffer, "[a long");
  EXPECT_EQ(std::string(buffer + 8, 16), std::string(16, 'G'));
}

}  // namespace
