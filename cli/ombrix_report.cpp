// ombrix-report: the report of a birth date on standard output, for scripts
// and tests.
//
//   ombrix-report [--raw] [DATE]   the report of DATE ("27. Oktoober 1980")
//   ombrix-report --table ID       the exact bytes of a knowledge-base table
//
// DATE is UTF-8, as typed into the window's date input. The report is printed
// as UTF-8 with LF line ends; --raw prints the exact bytes the program
// composes and saves (code page 1257, CR LF). A rejected date prints the
// error box's caption and message on standard error and exits with 2.
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "date/birth_date.h"
#include "generated/version.h"
#include "report/report.h"
#include "tables/buffers.h"
#include "tables/code_page.h"
#include "tables/embedded_tables.h"

namespace {

constexpr const char* kDefaultDate = "27. Oktoober 1980";
constexpr const char* kVersion = OMBRIX_VERSION;
constexpr int kUsageError = 2;

const char kUsage[] =
    "Usage: ombrix-report [--raw] [DATE]\n"
    "       ombrix-report --table ID\n"
    "Prints the numerology report of DATE (default \"27. Oktoober 1980\"),\n"
    "typed as in the program's date input: day, month, full year.\n"
    "  --raw       print the exact bytes (code page 1257, CR LF line ends)\n"
    "  --table ID  print the exact bytes of knowledge-base table ID\n"
    "  --help      show this help\n"
    "  --version   show the version\n";

// UTF-8 with LF line ends, as a terminal wants it.
std::string ForTerminal(const std::string& text) {
  std::string lf;
  for (size_t i = 0; i < text.size(); ++i) {
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lf += text[i];
  }
  return Utf8FromCodePage(lf);
}

// Writes bytes unchanged: on Windows a text-mode stream would turn every
// LF into CR LF, and the raw report already carries its CR LFs.
void Write(FILE* stream, const std::string& bytes) {
#ifdef _WIN32
  _setmode(_fileno(stream), _O_BINARY);
#endif
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "ombrix-report: %s\n", message.c_str());
  return kUsageError;
}

int PrintTable(const char* idText) {
  char* end = nullptr;
  long id = std::strtol(idText, &end, 10);
  const EmbeddedTable* table = nullptr;
  if (*idText != '\0' && *end == '\0' && id > 0 && id <= 32000) {
    table = FindEmbeddedTable(static_cast<int>(id));
  }
  if (table == nullptr) return Fail(std::string("no table ") + idText);
  Write(stdout, std::string(table->bytes, static_cast<size_t>(table->size)));
  return 0;
}

int PrintReport(const char* dateUtf8, bool raw) {
  std::string date = CodePageFromUtf8(dateUtf8);
  BirthDate birthDate;
  if (ParseDateText(date.c_str(), &birthDate) != 0) {
    char caption[kDateTextSize] = "";
    ComposeDateError(caption, sizeof caption);
    Write(stderr, ForTerminal(std::string(caption) + "\r\n" + ReportText + "\r\n"));
    return kUsageError;
  }
  ComposeReport(birthDate);
  Write(stdout, raw ? std::string(ReportText) : ForTerminal(ReportText));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  bool raw = false;
  const char* date = nullptr;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (std::strcmp(arg, "--help") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (std::strcmp(arg, "--version") == 0) {
      std::printf("ombrix-report %s\n", kVersion);
      return 0;
    }
    if (std::strcmp(arg, "--table") == 0) {
      if (i + 2 != argc) return Fail("--table takes one identifier and nothing else");
      return PrintTable(argv[i + 1]);
    }
    if (std::strcmp(arg, "--raw") == 0) {
      raw = true;
    } else if (arg[0] == '-' && arg[1] == '-') {
      return Fail(std::string("unknown option ") + arg + " (see --help)");
    } else if (date != nullptr) {
      return Fail("only one date, in one argument (quote it: \"27. Oktoober 1980\")");
    } else {
      date = arg;
    }
  }
  return PrintReport(date ? date : kDefaultDate, raw);
}
