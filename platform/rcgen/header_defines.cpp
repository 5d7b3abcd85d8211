#include "platform/rcgen/header_defines.h"

#include <cctype>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

// The text with every comment blanked out; line ends stay where they were.
std::string WithoutComments(const std::string& text) {
  std::string out = text;
  for (size_t i = 0; i + 1 < out.size(); ++i) {
    if (out[i] == '/' && out[i + 1] == '/') {
      while (i < out.size() && out[i] != '\n') out[i++] = ' ';
    } else if (out[i] == '/' && out[i + 1] == '*') {
      size_t end = out.find("*/", i + 2);
      end = end == std::string::npos ? out.size() : end + 2;
      for (; i < end; ++i) {
        if (out[i] != '\n') out[i] = ' ';
      }
      --i;
    }
  }
  return out;
}

}  // namespace

bool ReadHeaderDefines(const std::string& path, Defines* defines) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::stringstream buffer;
  buffer << in.rdbuf();
  std::istringstream lines(WithoutComments(buffer.str()));

  static const std::regex kDefine(R"(^\s*#\s*define\s+([A-Za-z_][A-Za-z0-9_]*)(\(?)\s*(.*?)\s*$)");
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    int first = ++number;
    while (!line.empty() && line.back() == '\\') {
      std::string next;
      if (!std::getline(lines, next)) break;
      ++number;
      line.pop_back();
      line += next;
    }
    std::smatch match;
    if (!std::regex_match(line, match, kDefine) || match[2].length() != 0) continue;
    (*defines)[match[1].str()] = {match[3].str(), path, first};
  }
  return true;
}
