// ombrix-report: the report of a birth date on standard output, for scripts
// and tests.
//
//   ombrix-report [--raw | --json] [--] [DATE]   the report of DATE
//   ombrix-report --table ID                     the bytes of a table
//
// DATE is UTF-8, as typed into the window's date input. The report is printed
// as UTF-8 with LF line ends; --raw prints the exact bytes the program
// composes and saves (code page 1257, CR LF); --json prints the numbers of
// the reading as one JSON object. A rejected date prints the error box's
// caption and message on standard error and exits with 2, as does a wrong
// command line; output that cannot be written completely exits with 1.
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <vector>

#include "cli/windows_console.h"
#endif

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "cli/reading_json.h"
#include "date/birth_date.h"
#include "date/default_date.h"
#include "generated/version.h"
#include "report/report.h"
#include "tables/buffers.h"
#include "tables/embedded_tables.h"
#include "text/code_page.h"

namespace {

constexpr const char* kDefaultDate = OMBRIX_DEFAULT_DATE;
constexpr const char* kVersion = OMBRIX_VERSION;
constexpr int kUsageError = 2;
constexpr int kWriteError = 1;

const char kSynopsis[] =
    "Usage: ombrix-report [--raw | --json] [--] [DATE]\n"
    "       ombrix-report --table ID\n";
const char kOptions[] = "Prints the numerology report of DATE (default \"" OMBRIX_DEFAULT_DATE
                        "\"),\n"
                        "typed as in the program's date input: day, month, full year.\n"
                        "  --raw       print the exact bytes (code page 1257, CR LF line ends)\n"
                        "  --json      print the numbers of the reading as one JSON object\n"
                        "  --table ID  print the exact bytes of knowledge-base table ID\n"
                        "  --help      show this help\n"
                        "  --version   show the version\n"
                        "  --          end of the options: a DATE may follow\n";

enum class Output { kTerminal, kRaw, kJson };

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

// A console write that failed, which counts as output cut short.
bool ConsoleFailed = false;

// Writes UTF-8 text: on Windows a console gets it in Unicode.
void WriteText(FILE* stream, const std::string& utf8) {
#ifdef _WIN32
  if (WriteToConsole(stream, utf8, &ConsoleFailed)) return;
#endif
  Write(stream, utf8);
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "ombrix-report: %s\n", message.c_str());
  return kUsageError;
}

int FailWithUsage(const std::string& message) {
  Fail(message);
  std::fputs(kSynopsis, stderr);
  return kUsageError;
}

// Standard output is buffered: a full disk or a closed file shows only once
// it is flushed and closed, and a command whose output is cut short must
// not report success.
int FinishOutput(int status) {
  bool failed = std::ferror(stdout) != 0 || ConsoleFailed;
  int error = errno;
  if (std::fclose(stdout) != 0) {
    failed = true;
    error = errno;
  }
  if (!failed) return status;
  std::fprintf(stderr, "ombrix-report: the output could not be written completely%s%s\n",
               error != 0 ? ": " : "", error != 0 ? std::strerror(error) : "");
  return kWriteError;
}

int PrintTable(const char* idText) {
  char* end = nullptr;
  long id = std::strtol(idText, &end, 10);
  const EmbeddedTable* table = nullptr;
  if (*idText != '\0' && *end == '\0' && id > 0 && id <= INT_MAX) {
    table = FindEmbeddedTable(static_cast<int>(id));
  }
  if (table == nullptr) return Fail(std::string("no table ") + idText);
  Write(stdout, std::string(table->bytes, static_cast<size_t>(table->size)));
  return 0;
}

int PrintReport(const char* dateUtf8, Output output) {
  std::string date = CodePageFromUtf8(dateUtf8);
  BirthDate birthDate;
  if (ParseDateText(date.c_str(), &birthDate) != 0) {
    char caption[kDateTextSize] = "";
    ComposeDateError(caption, sizeof caption);
    WriteText(stderr, ForTerminal(std::string(caption) + "\r\n" + ReportText + "\r\n"));
    return kUsageError;
  }
  if (output == Output::kJson) {
    WriteText(stdout, ReadingJson(birthDate) + "\n");
    return 0;
  }
  ComposeReport(birthDate);
  if (output == Output::kRaw) {
    Write(stdout, ReportText);
  } else {
    WriteText(stdout, ForTerminal(ReportText));
  }
  return 0;
}

// --raw or --json into output; any other option is a usage error.
int ChooseOutput(const char* arg, Output* output) {
  Output chosen = Output::kTerminal;
  if (std::strcmp(arg, "--raw") == 0) {
    chosen = Output::kRaw;
  } else if (std::strcmp(arg, "--json") == 0) {
    chosen = Output::kJson;
  } else {
    return FailWithUsage(std::string("unknown option ") + arg);
  }
  if (*output != Output::kTerminal && *output != chosen) {
    return FailWithUsage("--raw and --json exclude each other");
  }
  *output = chosen;
  return 0;
}

// A date never begins with a minus sign, so anything that does is an
// option, until "--".
int Run(int argc, char** argv) {
  Output output = Output::kTerminal;
  const char* date = nullptr;
  bool options = true;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (options && std::strcmp(arg, "--") == 0) {
      options = false;
      continue;
    }
    if (!options || arg[0] != '-' || arg[1] == '\0') {
      if (date != nullptr) {
        return Fail("only one date, in one argument (quote it: \"" OMBRIX_DEFAULT_DATE "\")");
      }
      date = arg;
      continue;
    }
    if (std::strcmp(arg, "--help") == 0) {
      std::fputs(kSynopsis, stdout);
      std::fputs(kOptions, stdout);
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
    int status = ChooseOutput(arg, &output);
    if (status != 0) return status;
  }
  return PrintReport(date ? date : kDefaultDate, output);
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // The arguments in UTF-8, as on Linux, whatever the system's code page.
  std::vector<std::string> utf8 = Utf8Arguments();
  std::vector<char*> arguments;
  for (std::string& argument : utf8) arguments.push_back(argument.data());
  arguments.push_back(nullptr);
  if (!utf8.empty()) {
    argc = static_cast<int>(utf8.size());
    argv = arguments.data();
  }
#endif
  return FinishOutput(Run(argc, argv));
}
