// Whole reports byte for byte against the golden files of tests/golden/,
// each read through by a person once when it was written. They are kept in
// UTF-8 with the report's own CR LF line ends, so that an editor and a diff
// show their words. After an intended change of the knowledge base or the
// report, scripts/update-golden writes them anew; read its diff before
// committing it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "tests/support.h"
#include "text/code_page.h"

namespace {

const std::string kGoldenFolder = OMBRIX_SOURCE_DIR "/tests/golden/";

// "line N" and both texts of the first line where the two differ.
std::string FirstDifference(const std::string& got, const std::string& expected) {
  size_t at = 0;
  while (at < got.size() && at < expected.size() && got[at] == expected[at]) ++at;
  size_t start = expected.rfind('\n', at);
  start = start == std::string::npos ? 0 : start + 1;
  int line = 1;
  for (size_t i = 0; i < start; ++i) line += expected[i] == '\n';
  auto lineOf = [start](const std::string& text) {
    return text.substr(start, text.find("\r\n", start) - start);
  };
  return "line " + std::to_string(line) + "\n  golden: " + lineOf(expected) +
         "\n  report: " + lineOf(got);
}

TEST(GoldenReport, EachDateGivesItsFile) {
  // The worked example with its birthday gift, the master life path 22, and
  // a negative year, whose apogees, challenges and cycles partly have no
  // meaning.
  for (const char* date : {"27.10.1980", "9.9.1993", "27.10.-1980"}) {
    std::string path = kGoldenFolder + date + ".txt";
    std::string report = Utf8FromCodePage(ComposedReport(date));
    if (std::getenv("OMBRIX_UPDATE_GOLDEN") != nullptr) {
      std::ofstream(path, std::ios::binary) << report;
      continue;
    }
    std::string golden = FileBytes(path);
    EXPECT_TRUE(report == golden)
        << date << " differs from " << path << " at " << FirstDifference(report, golden)
        << "\nIf the knowledge base or the report was changed on purpose, run "
           "scripts/update-golden and read the diff.";
  }
}

}  // namespace
