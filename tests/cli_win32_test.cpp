// ombrix-report.exe as a Windows user starts it: from a Unicode command line
// (as cmd.exe and PowerShell pass it), its output into a pipe. A date with an
// Estonian letter must be read on any system code page, and the report come
// out as UTF-8 (LF) or, with --raw, as the program's bytes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support.h"
#include "text/code_page.h"

namespace {

struct Finished {
  DWORD status;
  std::string output;
};

// Runs ombrix-report.exe beside this program with the arguments, and
// collects its standard output.
Finished RunReport(const std::wstring& arguments) {
  wchar_t program[MAX_PATH];
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring path = program;
  path = path.substr(0, path.find_last_of(L'\\') + 1) + L"ombrix-report.exe";
  std::wstring command = L"\"" + path + L"\" " + arguments;

  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE reader;
  HANDLE writer;
  CreatePipe(&reader, &writer, &inherit, 0);
  SetHandleInformation(reader, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writer;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process = {};
  Finished run = {~0u, ""};
  if (CreateProcessW(path.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                     &startup, &process)) {
    CloseHandle(writer);
    char buffer[4096];
    DWORD read;
    while (ReadFile(reader, buffer, sizeof buffer, &read, nullptr) && read > 0) {
      run.output.append(buffer, read);
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &run.status);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  } else {
    CloseHandle(writer);
  }
  CloseHandle(reader);
  return run;
}

std::string WithLf(const std::string& text) {
  std::string lf;
  for (size_t i = 0; i < text.size(); ++i) {
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lf += text[i];
  }
  return lf;
}

TEST(CliWin32, ReadsUnicodeArgumentsAndWritesUtf8) {
  // "5 märts 1990" and "1. detsember 1980", whose report holds "Kamtšatka";
  // code page 1257 of the same dates for the report composed here.
  struct Row {
    const wchar_t* arguments;
    const char* date;
    bool raw;
  };
  const Row rows[] = {
      {L"\"5 m\u00E4rts 1990\"", "5 m\xE4rts 1990", false},
      {L"--raw \"5 M\u00C4RTS 1990\"", "5 M\xC4RTS 1990", true},
      {L"\"1. detsember 1980\"", "1. detsember 1980", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(Utf8FromCodePage(row.date));
    Finished run = RunReport(row.arguments);
    EXPECT_EQ(run.status, 0u);
    std::string report = ComposedReport(row.date);
    EXPECT_EQ(run.output, row.raw ? report : Utf8FromCodePage(WithLf(report)));
  }
}

}  // namespace
