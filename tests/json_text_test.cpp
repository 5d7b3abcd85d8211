// JSON strings as a parser reads them back: every character that JSON
// requires escaped, UTF-8 passed through.
#include <gtest/gtest.h>

#include "cli/json_text.h"

TEST(JsonText, StringsAreEscaped) {
  struct Case {
    std::string text;
    const char* json;
  };
  const Case cases[] = {
      {"R5", "\"R5\""},
      {"", "\"\""},
      {"a \"b\" c", "\"a \\\"b\\\" c\""},
      {"C:\\tmp", "\"C:\\\\tmp\""},
      {"\t\r\n", "\"\\u0009\\u000d\\u000a\""},
      {std::string("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\x7f\""},
      {"Sünnikuupäev õ Š", "\"Sünnikuupäev õ Š\""},
  };
  for (const Case& c : cases) EXPECT_EQ(JsonString(c.text), c.json) << c.text;
}

TEST(JsonText, ListsAndObjectsKeepTheirOrder) {
  EXPECT_EQ(JsonNumbers({}), "[]");
  EXPECT_EQ(JsonNumbers({-1, 0, 22}), "[-1, 0, 22]");
  EXPECT_EQ(JsonList({"null", "{}"}), "[null, {}]");
  EXPECT_EQ(JsonObject({{"b", "1"}, {"a", "[]"}}), "{\"b\": 1, \"a\": []}");
  EXPECT_EQ(JsonObject({}), "{}");
}
