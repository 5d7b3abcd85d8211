#include "web/web_entry.h"

#include <emscripten/emscripten.h>

#include <string>
#include <string_view>

#include "date/birth_date.h"
#include "report/report.h"
#include "tables/buffers.h"
#include "tables/catalogue.h"
#include "tables/text_table.h"
#include "text/code_page.h"

namespace {

std::string Result;

// Code page bytes with every line end (CR LF, CR or LF alone) as lineEnd,
// and every NUL left out, as a text box takes text in.
std::string WithLineEnds(std::string_view bytes, std::string_view lineEnd) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 16);
  for (size_t at = 0; at < bytes.size(); ++at) {
    char c = bytes[at];
    if (c == '\r') {
      if (at + 1 < bytes.size() && bytes[at + 1] == '\n') ++at;
      out += lineEnd;
    } else if (c == '\n') {
      out += lineEnd;
    } else if (c != '\0') {
      out += c;
    }
  }
  return out;
}

// The text with each line and paragraph separator (U+2028, U+2029) as LF:
// the desktop's report box makes every break one line end, which the code
// page carries, where the separators themselves would become "?".
std::string WithSeparatorsAsLf(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t at = 0; at < utf8.size(); ++at) {
    if (utf8.substr(at, 2) == "\xE2\x80" && at + 2 < utf8.size() &&
        (utf8[at + 2] == '\xA8' || utf8[at + 2] == '\xA9')) {
      out += '\n';
      at += 2;
    } else {
      out += utf8[at];
    }
  }
  return out;
}

// What the page shows of code page text: UTF-8 with LF line ends.
std::string Shown(std::string_view bytes) {
  return Utf8FromCodePage(WithLineEnds(bytes, "\n"));
}

std::string_view Text(const char* utf8, int length) {
  return std::string_view(utf8, length > 0 ? static_cast<size_t>(length) : 0);
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int WebIntroduction() {
  LoadTextTable(ReportText, kTextBufferSize, kIntroductionTableId);
  Result = Shown(ReportText);
  return 0;
}

EMSCRIPTEN_KEEPALIVE int WebReport(const char* dateUtf8, int length) {
  std::string date = CodePageFromUtf8(Text(dateUtf8, length));
  BirthDate birthDate;
  if (ParseDateText(date.c_str(), &birthDate) != 0) {
    char caption[kDateTextSize] = "";
    ComposeDateError(caption, sizeof caption);
    Result = Shown(std::string(caption) + "\n" + ReportText);
    return -1;
  }
  ComposeReport(birthDate);
  Result = Shown(ReportText);
  return 0;
}

EMSCRIPTEN_KEEPALIVE const char* WebReportBytes() {
  return ReportText;
}

EMSCRIPTEN_KEEPALIVE int WebLimitedText(const char* textUtf8, int length) {
  std::string_view text = Text(textUtf8, length);
  Result = Utf8FromCodePage(WithLineEnds(CodePageFromUtf8(WithSeparatorsAsLf(text)), "\n"));
  return Result != text ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int WebSavedBytes(const char* textUtf8, int length) {
  Result = WithLineEnds(CodePageFromUtf8(WithSeparatorsAsLf(Text(textUtf8, length))), "\r\n");
  return 0;
}

EMSCRIPTEN_KEEPALIVE const char* WebResult() {
  return Result.data();
}

EMSCRIPTEN_KEEPALIVE int WebResultLength() {
  return static_cast<int>(Result.size());
}
}
