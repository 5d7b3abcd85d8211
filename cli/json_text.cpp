#include "cli/json_text.h"

#include <cstdio>

std::string JsonString(const std::string& utf8) {
  std::string json = "\"";
  for (unsigned char c : utf8) {
    if (c == '"' || c == '\\') {
      json += '\\';
      json += static_cast<char>(c);
    } else if (c < 0x20) {
      // Control characters have no literal form in a JSON string.
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      json += escape;
    } else {
      json += static_cast<char>(c);
    }
  }
  return json + "\"";
}

std::string JsonList(const std::vector<std::string>& values) {
  std::string json = "[";
  for (size_t i = 0; i < values.size(); ++i) json += (i > 0 ? ", " : "") + values[i];
  return json + "]";
}

std::string JsonNumbers(const std::vector<int32_t>& numbers) {
  std::vector<std::string> values;
  for (int32_t n : numbers) values.push_back(std::to_string(n));
  return JsonList(values);
}

std::string JsonObject(const std::vector<std::pair<const char*, std::string>>& members) {
  std::string json = "{";
  for (size_t i = 0; i < members.size(); ++i) {
    json += (i > 0 ? ", " : "") + JsonString(members[i].first) + ": " + members[i].second;
  }
  return json + "}";
}
